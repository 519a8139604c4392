// Moving through the list without changing it: the display filters (which records the
// grid shows), the area jump and the text search. All work on the list's lines and the
// grid's row map (grid row to line index; row 0 is the title row).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace targets {

enum class RecordClass { kUnworked, kWorkedOnly, kConfirmed };

// The class of a record by its field 4: confirmed when it holds `confirmed_open`, worked
// only when it holds `worked_open` instead, unworked otherwise and for every record of
// fewer than five fields. An empty opening character finds nothing.
RecordClass ClassOfRecord(const std::vector<std::string>& fields, std::string_view worked_open,
                          std::string_view confirmed_open);

// The display filters by the Tag of their menu item.
enum class DisplayFilter { kWorked = 0, kUnworked = 1, kConfirmed = 2, kUnconfirmed = 4 };
bool FilterKeeps(DisplayFilter filter, RecordClass record_class);

// The row map of a filter: row 0 maps to the header, then every kept record in file order.
// Only row 0 when nothing is kept.
std::vector<int> FilteredRowMap(const std::vector<std::string>& lines, DisplayFilter filter,
                                std::string_view worked_open, std::string_view confirmed_open);

// The row map of the whole list: row i shows line i, for every line.
std::vector<int> IdentityRowMap(size_t line_count);

// The line that grid row `row` shows, or null when the row maps outside the list.
const std::string* LineOfRow(const std::vector<std::string>& lines, const std::vector<int>& row_map, int row);

// The key of an area jump: a comma and the first two bytes of the area name
// ("10 東京都" gives ",10").
std::string AreaKey(std::string_view area_name);

// The first grid row from 1 to `row_count` - 1 whose line holds `key` after its first 14
// bytes.
std::optional<int> FindAreaRow(const std::vector<std::string>& lines, const std::vector<int>& row_map,
                               int row_count, std::string_view key);

// The first grid row from `first` to `row_count` - 1 whose line contains `text` (a hit
// never starts inside a double-byte character).
std::optional<int> FindTextRow(const std::vector<std::string>& lines, const std::vector<int>& row_map,
                               int row_count, std::string_view text, int first = 1);

// Find next: from the row after `current` to the last, then from row 1, each row once.
std::optional<int> FindNextTextRow(const std::vector<std::string>& lines,
                                   const std::vector<int>& row_map, int row_count, int current,
                                   std::string_view text);

}  // namespace targets
