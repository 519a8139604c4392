#include "targets/target_list.h"

#include "korvax50.h"
#include "targets/comma_text.h"
#include "targets/worked_field.h"

namespace targets {

namespace {

constexpr size_t kHeaderFields = 8;
constexpr size_t kRecordFields = 4;

void ReadHeader(const std::string& header, PreparedList& list) {
  std::vector<std::string> fields;
  SplitCommaText(header, fields, kHeaderFields);
  fields.resize(kHeaderFields);  // missing fields read as empty
  list.ColumnTitles[0] = "No";
  for (size_t i = 0; i < kHeaderFields; ++i) list.ColumnTitles[i + 1] = fields[i];
  list.AwardName = fields[5].empty() ? kDefaultAwardName : fields[5];
  list.start_date = fields[6];
  list.AwardOptions = StrToLong(fields[7].c_str());
}

// Removes records with too few fields and pads short ones, in one pass: erasing lines
// one at a time would move the rest of a 30000-line list for every bad record.
void RepairRecords(std::vector<std::string>& lines, PreparedList& list) {
  std::vector<std::string> fields;
  size_t kept = 1;
  for (size_t i = 1; i < lines.size(); ++i) {
    // Up to the worked field: enough to judge and repair, and a long line costs no
    // string per field.
    SplitCommaText(lines[i], fields, kWorkedField + 1);
    if (fields.size() < kMinRecordFields) continue;
    if (IsWorked(fields)) ++list.WorkedCount;
    if (fields.size() < kRecordFields) {
      fields.resize(kRecordFields);
      lines[i] = JoinCommaText(fields);
    }
    if (kept != i) lines[kept] = std::move(lines[i]);
    ++kept;
  }
  lines.resize(kept);
}

}  // namespace

PreparedList PrepareList(std::vector<std::string>& lines) {
  PreparedList list;
  if (lines.size() < kMinListLines) return list;
  if (lines.size() > kMaxListLines) {
    lines.resize(kMaxListLines);
    list.lines_cut = true;
  }
  ReadHeader(lines[0], list);
  RepairRecords(lines, list);
  list.unusable = lines.size() < kMinListLines;
  return list;
}

}  // namespace targets
