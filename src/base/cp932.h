// Code page 932 (Shift-JIS) knowledge for the whole program: which bytes start a
// double-byte character, stepping whole characters, a find that never reports a hit on
// a trail byte, and lower-casing that leaves double-byte characters alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp932 {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char byte);

// Byte length of the character at `pos`: 2 for a lead byte followed by another byte,
// otherwise 1. A lead byte that is the last byte counts as 1, so a loop that steps by
// this length never reads past the end. `pos` at or past the end also yields 1.
size_t CharLength(std::string_view text, size_t pos);

// First occurrence of `pattern` at or after `from` that starts on a character boundary;
// npos when there is none. `from` must itself be a character boundary (0, or a position
// reached by stepping). An empty pattern is found nowhere.
size_t Find(std::string_view text, std::string_view pattern, size_t from = 0);

// ASCII letters lowered; double-byte characters are copied whole, so a trail byte that
// happens to look like an upper-case letter is never changed.
std::string ToLower(std::string_view text);

}  // namespace cp932
