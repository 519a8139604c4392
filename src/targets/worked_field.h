// What a target record's worked field (field 4) says about the target. The grid's marks,
// the worked count after loading and the tally's closing counts all ask this one rule.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp932.h"

namespace targets {

inline constexpr size_t kWorkedField = 4;

enum class WorkedState { kUnworked, kWorked, kConfirmed };

// Unworked without a worked field or with one of at most one character (an entry is a
// call sign and a bracketed record number; a list with more columns after the worked
// field keeps it empty); confirmed when it holds `confirmed_open` (the opening confirmed
// bracket, found multibyte-aware; empty finds nothing); worked otherwise.
WorkedState WorkedStateOf(const std::vector<std::string>& fields, std::string_view confirmed_open);

// WorkedStateOf(fields, ...) != kUnworked, for counting: the field holds at least two
// characters (characters are at most two bytes, so three bytes always hold two).
inline bool IsWorked(const std::vector<std::string>& fields) {
  if (fields.size() <= kWorkedField) return false;
  const std::string& field = fields[kWorkedField];
  if (field.size() != 2) return field.size() > 2;
  return !cp932::IsLeadByte(static_cast<unsigned char>(field[0]));
}

}  // namespace targets
