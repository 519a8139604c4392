#include "qso_text_form.h"

namespace korvax {
namespace {

constexpr int kFieldCount = 10;

void AppendClean(std::string_view text, std::string* out) {
  for (char c : text) out->push_back(static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
}

// A call sign field that begins with this is escaped: the reader drops it. A call that is
// empty, or begins with '#' or the escape, is written escaped, so that its line is read
// back as a QSO and not skipped as a comment or refused.
constexpr char kCallEscape = '\\';

bool NeedsEscape(std::string_view call) {
  return call.empty() || call.front() == '#' || call.front() == kCallEscape;
}

}  // namespace

std::string FormatQsoTextLine(const MstRecord& record) {
  std::string line;
  const std::string_view fields[kFieldCount] = {
      record.call,
      record.date,
      record.time,
      record.qth,
      // No mark, a blank or a control byte: all read back as no mark.
      static_cast<unsigned char>(record.qsl_mark) <= ' ' ? std::string_view()
                                                         : std::string_view(&record.qsl_mark, 1),
      record.frequency,
      record.mode,
      record.portable ? "P" : "",
      record.remarks1,
      record.remarks2};
  if (NeedsEscape(record.call)) line.push_back(kCallEscape);
  for (int i = 0; i < kFieldCount; ++i) {
    if (i > 0) line.push_back('\t');
    AppendClean(fields[i], &line);
  }
  return line;
}

bool ParseQsoTextLine(std::string_view line, MstRecord* record, std::string* error) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (fields.size() > kFieldCount) {
    *error = "more than ten tab-separated fields";
    return false;
  }
  fields.resize(kFieldCount);
  const bool escaped = !fields[0].empty() && fields[0].front() == kCallEscape;
  if (escaped) fields[0].remove_prefix(1);
  if (fields[0].empty() && !escaped) {
    *error = "no call sign";
    return false;
  }
  if (fields[4].size() > 1) {
    *error = "QSL mark longer than one character";
    return false;
  }
  std::string_view portable = fields[7];
  if (portable != "" && portable != "P" && portable != "1" && portable != "-" &&
      portable != "0") {
    *error = "portable flag is not P, 1, 0, - or empty";
    return false;
  }
  MstRecord parsed;
  parsed.call = fields[0];
  parsed.date = fields[1];
  parsed.time = fields[2];
  parsed.qth = fields[3];
  parsed.qsl_mark = fields[4].empty() ? ' ' : fields[4][0];
  parsed.frequency = fields[5];
  parsed.mode = fields[6];
  parsed.portable = portable == "P" || portable == "1";
  parsed.remarks1 = fields[8];
  parsed.remarks2 = fields[9];
  *record = std::move(parsed);
  return true;
}

bool ParseQsoText(std::string_view text, std::vector<MstRecord>* records, std::string* error) {
  return ForEachQsoTextRecord(
      text, [records](const MstRecord& record) { records->push_back(record); }, error);
}

bool ForEachQsoTextRecord(std::string_view text, const std::function<void(const MstRecord&)>& on_record,
                          std::string* error) {
  size_t start = 0;
  int line_number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    start = end == std::string_view::npos ? text.size() : end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    MstRecord record;
    std::string why;
    if (!ParseQsoTextLine(line, &record, &why)) {
      *error = "line " + std::to_string(line_number) + ": " + why;
      return false;
    }
    on_record(record);
  }
  return true;
}

}  // namespace korvax
