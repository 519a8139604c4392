#include "import_tool.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <new>
#include <string_view>

#include "../mst_file.h"
#include "../mst_reader.h"
#include "../mst_writer.h"
#include "../qso_text_form.h"
#include "adif_mapping.h"
#include "adif_reader.h"

namespace korvax {
namespace {

constexpr const char* kUsage =
    "usage: korvax_import [--adif | --text] [--utf8] [--qth-field NAME] [--qsl-mark C]\n"
    "                     [--keep-order] INPUT OUTPUT.mst\n"
    "       korvax_import --dump FILE.mst\n";

constexpr int kExitUsage = 1;
constexpr int kExitInput = 2;
constexpr int kExitOutput = 3;

// The largest input read: the whole text and its parsed QSOs are held in memory.
constexpr int64_t kMaxInputBytes = int64_t{256} << 20;

bool ReadWholeFile(const std::string& path, std::string* text) {
  MstFile file = MstFile::OpenForRead(path);
  int64_t size = file.Size();
  if (!file.is_open() || size < 0 || size > kMaxInputBytes) return false;
  text->resize(static_cast<size_t>(size));
  return file.ReadAt(0, text->data(), text->size()) == size;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text = text.substr(text.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
  MstReader reader;
  if (reader.Open(path) != MstOpenResult::kOk) {
    err << "korvax_import: " << path << " is not a readable QSO database\n";
    return kExitInput;
  }
  for (int32_t number = 1; number <= reader.count(); ++number) {
    const unsigned char* stored = nullptr;
    if (!reader.Read(number, &stored)) {
      err << "korvax_import: record " << number << " cannot be read\n";
      return kExitInput;
    }
    out << FormatQsoTextLine(DecodeMstRecord(stored)) << "\r\n";
  }
  return 0;
}

struct ImportRequest {
  enum class Form { kByName, kAdif, kText } form = Form::kByName;
  AdifMapping mapping;
  bool keep_order = false;
  std::string input;
  std::string output;
};

// The QSOs read, each held as the bytes it is stored as (a fraction of the memory of its
// texts as strings), so that the largest input accepted fits in a 32-bit process too.
class StoredQsos {
 public:
  void Add(const MstRecord& record, std::string sort_key) {
    if (!EncodeMstRecord(record, stored_.emplace_back().data())) ++cut_;
    order_.push_back({std::move(sort_key), static_cast<uint32_t>(order_.size())});
  }
  // Record numbers should grow with time, as the tally reads newest first.
  void SortByKey() {
    std::stable_sort(order_.begin(), order_.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  }
  void WriteTo(MstWriter& writer) const {
    for (const Keyed& item : order_) writer.AppendStored(stored_[item.index].data());
  }
  int cut() const { return cut_; }

 private:
  struct Keyed {
    std::string key;
    uint32_t index;
  };
  // A deque grows without moving what it holds: no second copy while it grows.
  std::deque<std::array<unsigned char, kMstRecordSize>> stored_;
  std::vector<Keyed> order_;
  int cut_ = 0;
};

bool ReadAdifRecords(const std::string& text, const ImportRequest& request, StoredQsos* qsos,
                     std::ostream& err) {
  int skipped = 0;
  int unterminated = 0;
  MstRecord record;
  std::string key;
  std::string why;
  std::string error;
  const bool read = ForEachAdifQso(
      text,
      [&](const AdifQso& qso) {
        record = MstRecord();
        if (MapAdifQso(qso, request.mapping, &record, &key, &why)) {
          qsos->Add(record, key);
        } else {
          ++skipped;
        }
      },
      &unterminated, &error);
  if (!read) {
    err << "korvax_import: " << request.input << ": " << error << "\n";
    return false;
  }
  if (skipped > 0) err << "korvax_import: " << skipped << " QSOs skipped (no CALL or QSO_DATE)\n";
  if (unterminated > 0) err << "korvax_import: fields after the last <EOR> ignored\n";
  if (!request.keep_order) qsos->SortByKey();
  return true;
}

int Import(const ImportRequest& request, std::ostream& out, std::ostream& err) {
  std::string text;
  if (!ReadWholeFile(request.input, &text)) {
    err << "korvax_import: cannot read " << request.input
        << " (missing, not a regular file, or larger than 256 MB)\n";
    return kExitInput;
  }
  MstWriter writer(request.output);
  if (writer.read_only()) {
    err << "korvax_import: " << request.output << " is read-only; it was left as it was\n";
    return kExitOutput;
  }
  const bool adif = request.form == ImportRequest::Form::kAdif ||
                    (request.form == ImportRequest::Form::kByName &&
                     (EndsWithNoCase(request.input, ".adi") || EndsWithNoCase(request.input, ".adif")));
  int cut = 0;
  if (adif) {
    // Sorted by time before any is written: held as stored bytes meanwhile.
    StoredQsos qsos;
    if (!ReadAdifRecords(text, request, &qsos, err)) return kExitInput;
    std::string().swap(text);
    qsos.WriteTo(writer);
    cut = qsos.cut();
  } else {
    // In file order: each goes straight to the database, which an error abandons.
    std::string error;
    const auto append = [&](const MstRecord& record) {
      if (!writer.Append(record)) ++cut;
    };
    if (!ForEachQsoTextRecord(text, append, &error)) {
      err << "korvax_import: " << request.input << ": " << error << "\n";
      return kExitInput;
    }
  }
  if (!writer.ok() || !writer.Finish()) {
    err << "korvax_import: cannot write " << request.output << "\n";
    return kExitOutput;
  }
  if (cut > 0) err << "korvax_import: " << cut << " QSOs had texts cut to fit their fields\n";
  out << "korvax_import: " << writer.count() << " QSOs written to " << request.output << "\n";
  return 0;
}

}  // namespace

int RunImportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 2 && args[0] == "--dump") return Dump(args[1], out, err);
  ImportRequest request;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool has_value = i + 1 < args.size();
    if (arg == "--adif") {
      request.form = ImportRequest::Form::kAdif;
    } else if (arg == "--text") {
      request.form = ImportRequest::Form::kText;
    } else if (arg == "--utf8") {
      request.mapping.utf8 = true;
    } else if (arg == "--keep-order") {
      request.keep_order = true;
    } else if (arg == "--qth-field" && has_value) {
      request.mapping.qth_field = args[++i];
      for (char& c : request.mapping.qth_field) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      }
    } else if (arg == "--qsl-mark" && has_value && args[i + 1].size() == 1 &&
               static_cast<unsigned char>(args[i + 1][0]) > ' ') {
      request.mapping.qsl_mark = args[++i][0];
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      err << kUsage;
      return kExitUsage;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) {
    err << kUsage;
    return kExitUsage;
  }
  request.input = files[0];
  request.output = files[1];
  try {
    return Import(request, out, err);
  } catch (const std::bad_alloc&) {
    // A 32-bit process can run out of room for the largest inputs.
    err << "korvax_import: not enough memory to import " << request.input << "; " << request.output
        << " was left as it was\n";
    return kExitInput;
  }
}

}  // namespace korvax
