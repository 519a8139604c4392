// A stand-in spreadsheet automation server for the end-to-end tests: an object model of
// application, workbooks, workbook, sheets, sheet, ranges and borders behind IDispatch,
// recording every call and keeping the cells it was given (see README.md).
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// {6C0F3B52-8E1D-4C7A-9B7E-2F4D5A6B7C81}
const CLSID kServerClsid = {0x6c0f3b52, 0x8e1d, 0x4c7a, {0x9b, 0x7e, 0x2f, 0x4d, 0x5a, 0x6b, 0x7c, 0x81}};

LONG g_objects = 0;

enum class Kind { kApplication, kWorkbooks, kWorkbook, kSheets, kSheet, kRange, kBorder };

const char* KindName(Kind kind) {
  static const char* const kNames[] = {"Application", "Workbooks", "Workbook", "Sheets",
                                       "Sheet",       "Range",     "Border"};
  return kNames[static_cast<int>(kind)];
}

// The members of each kind; a dispatch id is the index in this table plus one.
struct Member {
  Kind kind;
  const wchar_t* name;
  Kind gives;  // the kind of object a get or call returns, if any
};
const Member kMembers[] = {
    {Kind::kApplication, L"WorkBooks", Kind::kWorkbooks},
    {Kind::kApplication, L"Visible", Kind::kApplication},
    {Kind::kApplication, L"Caption", Kind::kApplication},
    {Kind::kWorkbooks, L"Add", Kind::kWorkbook},
    {Kind::kWorkbook, L"WorkSheets", Kind::kSheets},
    {Kind::kSheets, L"Item", Kind::kSheet},
    {Kind::kSheet, L"Range", Kind::kRange},
    {Kind::kSheet, L"Cells", Kind::kRange},
    {Kind::kRange, L"NumberFormatLocal", Kind::kRange},
    {Kind::kRange, L"Value", Kind::kRange},
    {Kind::kRange, L"HorizontalAlignment", Kind::kRange},
    {Kind::kRange, L"VerticalAlignment", Kind::kRange},
    {Kind::kRange, L"Rows", Kind::kRange},
    {Kind::kRange, L"Columns", Kind::kRange},
    {Kind::kRange, L"AutoFit", Kind::kRange},
    {Kind::kRange, L"Borders", Kind::kBorder},
    {Kind::kBorder, L"LineStyle", Kind::kBorder},
    {Kind::kBorder, L"Weight", Kind::kBorder},
};
constexpr int kMemberCount = sizeof kMembers / sizeof kMembers[0];

std::string Narrow(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(932, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(932, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// What the whole server records, shared by its objects.
class Recorder {
 public:
  Recorder()
      : log_path_(Environment("SORVANO_SHEET_LOG")),
        fail_at_(std::atoi(Environment("SORVANO_SHEET_FAIL_AT").c_str())),
        rejected_(Environment("SORVANO_SHEET_REJECT")),
        delay_ms_(std::atoi(Environment("SORVANO_SHEET_DELAY_MS").c_str())) {
    if (!log_path_.empty()) log_ = std::fopen(log_path_.c_str(), "wb");
  }
  ~Recorder() {
    if (log_) std::fclose(log_);
  }

  // Records one call; false when this call is the one to fail.
  bool Record(const std::string& line) {
    ++calls_;
    if (delay_ms_ > 0) Sleep(static_cast<DWORD>(delay_ms_));
    if (log_) {
      std::fprintf(log_, "%s\n", line.c_str());
      std::fflush(log_);
    }
    return calls_ != fail_at_;
  }
  int calls() const { return calls_; }
  bool Rejects(const std::string& name) const {
    return !rejected_.empty() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), -1,
                                                rejected_.c_str(), -1) == CSTR_EQUAL;
  }

  std::map<std::pair<int, int>, std::string> cells;

  void DumpCells() const {
    if (log_path_.empty()) return;
    FILE* out = std::fopen((log_path_ + ".cells").c_str(), "wb");
    if (!out) return;
    int row = 0, column = 0;
    for (const auto& [cell, text] : cells) {
      while (row < cell.first) {
        if (row > 0) std::fputc('\n', out);
        ++row;
        column = 1;
      }
      while (column < cell.second) {
        std::fputc('\t', out);
        ++column;
      }
      std::fputs(text.c_str(), out);
    }
    if (row > 0) std::fputc('\n', out);
    std::fclose(out);
  }

 private:
  std::string log_path_;
  int fail_at_;
  std::string rejected_;
  int delay_ms_;
  FILE* log_ = nullptr;
  int calls_ = 0;
};

std::string Describe(const VARIANT& value) {
  VARIANT copy;
  VariantInit(&copy);
  std::string text;
  if (value.vt == VT_BSTR) {
    text = "\"" + Narrow(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal))) + "\"";
  } else if (value.vt == VT_BOOL) {
    text = value.boolVal ? "true" : "false";
  } else if (SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&value), 0, VT_I4))) {
    text = std::to_string(copy.lVal);
  } else {
    text = "?";
  }
  VariantClear(&copy);
  return text;
}

int IntegerOf(const VARIANT& value) {
  VARIANT copy;
  VariantInit(&copy);
  int result = 0;
  if (SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&value), 0, VT_I4))) result = copy.lVal;
  VariantClear(&copy);
  return result;
}

// "B7" as (7, 2).
std::pair<int, int> CellOf(const std::string& quoted) {
  int column = 0;
  size_t i = 1;
  while (i < quoted.size() && quoted[i] >= 'A' && quoted[i] <= 'Z') column = column * 26 + (quoted[i++] - 'A' + 1);
  return {std::atoi(quoted.c_str() + i), column};
}

class Node : public IDispatch {
 public:
  Node(Recorder* recorder, Kind kind, std::pair<int, int> cell = {}) : recorder_(recorder), kind_(kind), cell_(cell) {
    InterlockedIncrement(&g_objects);
  }
  virtual ~Node() {
    if (kind_ == Kind::kApplication) {
      recorder_->DumpCells();
      delete recorder_;
    }
    InterlockedDecrement(&g_objects);
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    const std::string name = Narrow(names[0], -1).c_str();
    if (recorder_->Rejects(name)) return DISP_E_UNKNOWNNAME;
    for (int m = 0; m < kMemberCount; ++m) {
      if (kMembers[m].kind == kind_ && _wcsicmp(kMembers[m].name, names[0]) == 0) {
        ids[0] = m + 1;
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
      }
    }
    return DISP_E_UNKNOWNNAME;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT*) override {
    if (id < 1 || id > kMemberCount || kMembers[id - 1].kind != kind_) return DISP_E_MEMBERNOTFOUND;
    const Member& member = kMembers[id - 1];
    const std::string name = Narrow(member.name, -1).c_str();
    const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
    std::vector<std::string> args;
    const UINT positional = params ? params->cArgs - params->cNamedArgs : 0;
    for (UINT i = 0; i < (put ? params->cArgs : positional); ++i) {
      args.push_back(Describe(params->rgvarg[(put ? params->cArgs : positional) - 1 - i]));
    }
    std::string line = std::string(KindName(kind_)) + "." + name;
    if (put) {
      line += "=" + (args.empty() ? std::string() : args.back());
    } else {
      line += "(";
      for (size_t i = 0; i < args.size(); ++i) line += (i ? "," : "") + args[i];
      line += ")";
    }
    if (!recorder_->Record(line)) {
      if (exception) {
        *exception = EXCEPINFO{};
        exception->scode = E_FAIL;
        const std::wstring text = L"stand-in failure at call " + std::to_wstring(recorder_->calls());
        exception->bstrDescription = SysAllocString(text.c_str());
        exception->bstrSource = SysAllocString(L"SheetServer");
      }
      return DISP_E_EXCEPTION;
    }
    if (put) {
      if (name == "Value" && params->cArgs > 0 && params->rgvarg[0].vt == VT_BSTR) {
        recorder_->cells[cell_] = args.back().substr(1, args.back().size() - 2);
      } else if (name == "Visible") {
        recorder_->DumpCells();
      }
      return S_OK;
    }
    if (!result) return S_OK;
    VariantInit(result);
    if (name == "Caption") {
      result->vt = VT_BSTR;
      result->bstrVal = SysAllocString(L"Microsoft Excel - Book1");
      return S_OK;
    }
    if (name == "AutoFit") {
      result->vt = VT_BOOL;
      result->boolVal = VARIANT_TRUE;
      return S_OK;
    }
    std::pair<int, int> cell;
    if (name == "Cells" && positional == 2) {
      cell = {IntegerOf(params->rgvarg[1]), IntegerOf(params->rgvarg[0])};
    } else if (name == "Range" && !args.empty()) {
      cell = CellOf(args.front());
    }
    result->vt = VT_DISPATCH;
    result->pdispVal = new Node(recorder_, member.gives, cell);
    return S_OK;
  }

 private:
  Recorder* recorder_;
  Kind kind_;
  std::pair<int, int> cell_;
  LONG references_ = 1;
};

// The application owns the recorder; objects it handed out must not outlive it, which
// holds for the program under test (it releases everything before the application).
class Factory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    Node* application = new Node(new Recorder, Kind::kApplication);
    const HRESULT result = application->QueryInterface(iid, out);
    application->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (clsid != kServerClsid) {
    *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }
