#include "tally/split_targets.h"

#include "targets/comma_text.h"

namespace tally {

namespace {
constexpr size_t kTargetFields = SplitTargets::kWorkedField + 1;
}  // namespace

SplitTargets::SplitTargets(const std::vector<std::string>& lines) : fields_(lines.size()) {
  for (size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string>& fields = fields_[i];
    targets::SplitCommaText(lines[i], fields);
    if (fields.size() < kTargetFields) fields.resize(kTargetFields);
    fields[kWorkedField].clear();
  }
}

size_t SplitTargets::ReadFieldCount(size_t i) const {
  const std::vector<std::string>& fields = fields_[i];
  if (fields.size() >= 2 && fields.back().empty()) return fields.size() - 1;
  return fields.size();
}

std::string_view SplitTargets::WorkedField(size_t i) const {
  return ReadFieldCount(i) > kWorkedField ? std::string_view(fields_[i][kWorkedField])
                                          : std::string_view();
}

void SplitTargets::ReadBack(size_t i) {
  std::vector<std::string>& fields = fields_[i];
  if (fields.size() >= 2 && fields.back().empty()) fields.pop_back();
}

std::string& SplitTargets::WorkedFieldForAppend(size_t i) {
  ReadBack(i);
  std::vector<std::string>& fields = fields_[i];
  if (fields.size() < kTargetFields) fields.resize(kTargetFields);
  return fields[kWorkedField];
}

std::string SplitTargets::Line(size_t i) const { return targets::JoinCommaText(fields_[i]); }

void SplitTargets::WriteBack(std::vector<std::string>& lines) const {
  for (size_t i = 1; i < fields_.size() && i < lines.size(); ++i) lines[i] = Line(i);
}

}  // namespace tally
