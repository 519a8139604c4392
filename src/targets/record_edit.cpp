#include "targets/record_edit.h"

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "targets/comma_text.h"
#include "targets/target_list.h"

namespace targets {
namespace {

constexpr size_t kEditTextBytes = 512;
constexpr size_t kShownFields = 4;
constexpr size_t kLeastFieldsKept = 3;

}  // namespace

std::string RecordFromEditText(std::string_view text) {
  const std::string_view used = sjis::CutToBytes(text, kEditTextBytes);
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = cp932::Find(used, ",", start);
    if (comma == std::string_view::npos) break;
    fields.emplace_back(used.substr(start, comma - start));
    start = comma + 1;
  }
  fields.emplace_back(used.substr(start));
  return JoinCommaText(fields);
}

void ResetWorkedEntries(std::vector<std::string>& lines) {
  std::vector<std::string> fields;
  size_t kept = 1;
  for (size_t n = 1; n < lines.size(); ++n) {
    SplitCommaText(lines[n], fields, kShownFields);
    if (fields.size() < kLeastFieldsKept) continue;
    fields.resize(kShownFields);
    lines[kept++] = JoinCommaText(fields);
  }
  if (!lines.empty()) lines.resize(kept);
}

bool OpensAsList(const std::vector<std::string>& lines) {
  if (lines.size() < kMinListLines) return false;
  std::vector<std::string> fields;
  size_t kept = 1;  // the header
  for (size_t n = 1; n < lines.size() && kept < kMinListLines; ++n) {
    SplitCommaText(lines[n], fields, kMinRecordFields);
    if (fields.size() >= kMinRecordFields) ++kept;
  }
  return kept >= kMinListLines;
}

}  // namespace targets
