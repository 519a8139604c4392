// Small text helpers on Shift-JIS byte strings: replacing every occurrence of a pattern,
// trimming trailing blanks and control characters, and reading an integer the way the
// settings store and other readers of typed numbers accept it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Replaces every occurrence of `pattern` (multibyte-aware, case-sensitive, scanning left
// to right, never rescanning a replacement). `text` is assigned only when the result
// differs. An empty pattern matches nothing.
void ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);

// `text` without its trailing bytes 0 to 32 (blanks and control characters). Such bytes
// are never the trail byte of a double-byte character, so characters stay whole.
std::string_view TrimRightBlanks(std::string_view text);

// A 32-bit integer: optional leading blanks (space, tab), an optional sign, then decimal
// digits, or a hexadecimal number after "$" or "0x"/"0X". Anything else, trailing text
// included, or a decimal value outside the 32-bit range gives nullopt. A hexadecimal
// value may use all 32 bits ("$FFFFFFFF" is -1).
std::optional<int32_t> ParseInteger(std::string_view text);
