#include "targets/worked_field.h"

#include "base/cp932.h"

namespace targets {

WorkedState WorkedStateOf(const std::vector<std::string>& fields, std::string_view confirmed_open) {
  if (!IsWorked(fields)) return WorkedState::kUnworked;
  if (cp932::Find(fields[kWorkedField], confirmed_open) != std::string_view::npos) {
    return WorkedState::kConfirmed;
  }
  return WorkedState::kWorked;
}

}  // namespace targets
