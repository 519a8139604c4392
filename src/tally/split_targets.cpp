#include "tally/split_targets.h"

#include "targets/comma_text.h"

namespace tally {

namespace {
constexpr size_t kTargetFields = SplitTargets::kWorkedField + 1;
}  // namespace

SplitTargets::SplitTargets(const std::vector<std::string>& lines)
    : fields_(lines.size()), extras_(lines.size()) {
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string>& fields = fields_[i];
    const size_t rest = targets::SplitCommaText(lines[i], fields, kTargetFields);
    if (fields.size() < kTargetFields) fields.resize(kTargetFields);
    fields[kWorkedField].clear();
    Extras& extras = extras_[i];
    extras.count = targets::AppendCommaFieldsFrom(lines[i], rest, extras.text);
    // An empty field is written as its comma alone, and a field with text never ends in
    // a comma (it would be quoted), so the trailing commas are the trailing empty fields.
    const size_t last_kept = extras.text.find_last_not_of(',');
    extras.trailing_empty = extras.text.size() - (last_kept == std::string::npos ? 0 : last_kept + 1);
  }
}

size_t SplitTargets::ReadFieldCount(size_t i) const {
  const Extras& extras = extras_[i];
  if (extras.count > 0) return kTargetFields + extras.count - (extras.trailing_empty > 0 ? 1 : 0);
  const std::vector<std::string>& fields = fields_[i];
  if (fields.size() >= 2 && fields.back().empty()) return fields.size() - 1;
  return fields.size();
}

std::string_view SplitTargets::WorkedField(size_t i) const {
  return ReadFieldCount(i) > kWorkedField ? std::string_view(fields_[i][kWorkedField])
                                          : std::string_view();
}

void SplitTargets::ReadBack(size_t i) {
  Extras& extras = extras_[i];
  if (extras.count > 0) {
    if (extras.trailing_empty == 0) return;
    extras.text.pop_back();
    --extras.count;
    --extras.trailing_empty;
    return;
  }
  std::vector<std::string>& fields = fields_[i];
  if (fields.size() >= 2 && fields.back().empty()) fields.pop_back();
}

std::string& SplitTargets::WorkedFieldForAppend(size_t i) {
  ReadBack(i);
  std::vector<std::string>& fields = fields_[i];
  if (fields.size() < kTargetFields) fields.resize(kTargetFields);
  return fields[kWorkedField];
}

std::string SplitTargets::Line(size_t i) const {
  // A record of five or more fields is never the single empty field that a join writes
  // as "", so the extra fields' text simply follows.
  return targets::JoinCommaText(fields_[i]) + extras_[i].text;
}

void SplitTargets::WriteBack(std::vector<std::string>& lines) const {
  for (size_t i = 1; i < fields_.size() && i < lines.size(); ++i) lines[i] = Line(i);
}

}  // namespace tally
