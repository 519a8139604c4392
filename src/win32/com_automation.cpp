#include "win32/com_automation.h"

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "win32/wide_text.h"

namespace win32 {

namespace {

using spreadsheet::AutomationArg;
using spreadsheet::AutomationArgs;
using spreadsheet::AutomationError;
using spreadsheet::AutomationObject;

// The system's text for `result`, or its number when the system has none.
std::string SystemText(HRESULT result) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  if (text.empty()) {
    char number[32];
    wsprintfA(number, "0x%08lX", static_cast<unsigned long>(result));
    return std::string("OLE error ") + number;
  }
  return Narrow(text);
}

// Variants released when the holder goes.
class Variants {
 public:
  explicit Variants(size_t count) : values_(count) {
    for (VARIANT& value : values_) VariantInit(&value);
  }
  ~Variants() {
    for (VARIANT& value : values_) VariantClear(&value);
  }
  Variants(const Variants&) = delete;
  Variants& operator=(const Variants&) = delete;
  VARIANT* data() { return values_.data(); }
  VARIANT& operator[](size_t i) { return values_[i]; }

 private:
  std::vector<VARIANT> values_;
};

void SetVariant(VARIANT& target, const AutomationArg& arg) {
  if (const auto* text = std::get_if<std::string>(&arg)) {
    const std::wstring wide = Wide(*text);
    target.vt = VT_BSTR;
    target.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (target.bstrVal == nullptr) throw AutomationError(SystemText(E_OUTOFMEMORY));
  } else if (const auto* number = std::get_if<int32_t>(&arg)) {
    target.vt = VT_I4;
    target.lVal = *number;
  } else {
    target.vt = VT_BOOL;
    target.boolVal = std::get<bool>(arg) ? VARIANT_TRUE : VARIANT_FALSE;
  }
}

class DispatchObject : public AutomationObject {
 public:
  explicit DispatchObject(IDispatch* dispatch) : dispatch_(dispatch) {}  // takes the reference
  ~DispatchObject() override { dispatch_->Release(); }
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  std::unique_ptr<AutomationObject> GetChild(std::string_view member, const AutomationArgs& args) override {
    Variants result(1);
    Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, &result[0]);
    if (result[0].vt != VT_DISPATCH || result[0].pdispVal == nullptr) {
      throw AutomationError(std::string(member) + ": " + SystemText(DISP_E_TYPEMISMATCH));
    }
    IDispatch* object = result[0].pdispVal;
    object->AddRef();
    return std::make_unique<DispatchObject>(object);
  }

  std::string GetText(std::string_view member) override {
    Variants result(1);
    Invoke(member, DISPATCH_PROPERTYGET, {}, &result[0]);
    const HRESULT changed = VariantChangeType(&result[0], &result[0], 0, VT_BSTR);
    if (FAILED(changed)) throw AutomationError(SystemText(changed));
    return Narrow(std::wstring_view(result[0].bstrVal, SysStringLen(result[0].bstrVal)));
  }

  void Call(std::string_view member, const AutomationArgs& args) override {
    Variants result(1);
    Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, &result[0]);
  }

  void Put(std::string_view member, const AutomationArg& value) override {
    Invoke(member, DISPATCH_PROPERTYPUT, {value}, nullptr);
  }

 private:
  DISPID IdOf(std::string_view member) {
    std::wstring name = Wide(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (result == DISP_E_UNKNOWNNAME) throw AutomationError(spreadsheet::UnknownMemberMessage(member));
    if (FAILED(result)) throw AutomationError(SystemText(result));
    return id;
  }

  void Invoke(std::string_view member, WORD flags, const AutomationArgs& args, VARIANT* result) {
    const DISPID id = IdOf(member);
    // Invoke takes the arguments last to first.
    Variants values(args.size());
    for (size_t i = 0; i < args.size(); ++i) SetVariant(values[args.size() - 1 - i], args[i]);
    DISPID put_id = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = values.data();
    params.cArgs = static_cast<UINT>(args.size());
    if (flags & DISPATCH_PROPERTYPUT) {
      params.rgdispidNamedArgs = &put_id;
      params.cNamedArgs = 1;
    }
    EXCEPINFO exception{};
    UINT bad_argument = 0;
    const HRESULT outcome =
        dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, &bad_argument);
    if (SUCCEEDED(outcome)) return;
    std::string message;
    if (outcome == DISP_E_EXCEPTION) {
      if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
      if (exception.bstrDescription) {
        message = Narrow(std::wstring_view(exception.bstrDescription, SysStringLen(exception.bstrDescription)));
      }
      if (message.empty()) message = SystemText(exception.scode ? exception.scode : outcome);
    } else if (outcome == DISP_E_MEMBERNOTFOUND) {
      message = spreadsheet::UnknownMemberMessage(member);
    } else {
      message = SystemText(outcome);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    throw AutomationError(message);
  }

  IDispatch* dispatch_;
};

}  // namespace

std::unique_ptr<AutomationObject> CreateAutomationObject(std::string_view prog_id) {
  const std::wstring name = Wide(prog_id);
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(name.c_str(), &clsid))) return nullptr;
  IDispatch* dispatch = nullptr;
  const HRESULT created = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                           IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (created == REGDB_E_CLASSNOTREG) return nullptr;
  if (FAILED(created) || dispatch == nullptr) throw AutomationError(SystemText(created));
  return std::make_unique<DispatchObject>(dispatch);
}

}  // namespace win32
