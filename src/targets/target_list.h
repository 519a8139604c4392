// The checks and repairs done on a target list right after it was read: the line limit,
// the header's column titles and award settings, and records too short to use. Works on
// the list's lines alone; the main window shows the results and the messages.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace targets {

// A loaded list keeps at most the header and 30000 records.
inline constexpr size_t kMaxListLines = 30001;
// A usable list has the header and at least 9 records.
inline constexpr size_t kMinListLines = 10;
// Records with fewer fields are dropped when a list is read.
inline constexpr size_t kMinRecordFields = 2;
// The award keyword of a target is the first 6 bytes of its line.
inline constexpr size_t kKeywordBytes = 6;
inline std::string KeywordOfLine(const std::string& line) { return line.substr(0, kKeywordBytes); }
// The award name of a list whose header names none.
inline constexpr char kDefaultAwardName[] = "\x89^\x97p\x8b\xc7";  // 運用局

struct PreparedList {
  // The lines are not a usable list; the caller offers the open dialog again.
  bool unusable = true;
  // Lines beyond kMaxListLines were dropped; the caller tells the operator once.
  bool lines_cut = false;
  // Records with more than 4 fields.
  int WorkedCount = 0;
  // [0] = "No", [1..8] = header fields 0..7, empty where the header has fewer.
  std::array<std::string, 9> ColumnTitles;
  // Header field 5, or 運用局 when it is empty.
  std::string AwardName;
  // Header field 7 through the logging library's number conversion.
  int32_t AwardOptions = 0;
  // Header field 6 as it stands ("yy/mm/dd" when the list has a start date).
  std::string start_date;
};

// Checks and repairs `lines` (line 0 the header). With fewer than kMinListLines lines
// nothing is changed and only `unusable` is set. Otherwise the list is cut to
// kMaxListLines, records with fewer than 2 fields are removed, and records with fewer
// than 4 fields are padded with empty fields and re-joined; the header and the other
// records are kept byte for byte.
PreparedList PrepareList(std::vector<std::string>& lines);

}  // namespace targets
