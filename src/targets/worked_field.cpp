#include "targets/worked_field.h"

#include "base/cp932.h"
#include "base/sjis_text.h"

namespace targets {

WorkedState WorkedStateOf(const std::vector<std::string>& fields, std::string_view confirmed_open) {
  if (fields.size() <= kWorkedField || sjis::CharCount(fields[kWorkedField]) <= 1) {
    return WorkedState::kUnworked;
  }
  if (cp932::Find(fields[kWorkedField], confirmed_open) != std::string_view::npos) {
    return WorkedState::kConfirmed;
  }
  return WorkedState::kWorked;
}

}  // namespace targets
