// The Help menu's web search for the selected target: the query made from the line above
// the grid, and its encoding for a query string.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace logger_link {

// Shift-JIS text as UTF-8 bytes.
std::string ToUtf8(std::string_view text);

// Percent-encoding for a query string: ! $ ' ( ) * - . digits @ A-Z _ a-z stay, a blank
// becomes "+", every other byte "%xx" in lower-case hexadecimal.
std::string UrlEncode(std::string_view bytes);

// The search text for the line above the grid (comma text: number, free text, location
// code, location text): nothing with fewer than three fields; the free text with three;
// with four or more, "道の駅" and the free text for a number starting with "□", else the
// location text, a blank and the free text.
std::optional<std::string> SearchQuery(std::string_view line);

// The full search URL for the line above the grid, or nullopt (see SearchQuery).
std::optional<std::string> SearchUrl(std::string_view line);

}  // namespace logger_link
