// Small helpers on Shift-JIS text that count and cut whole characters: trimming, the first
// characters or bytes of a text, the character count and a printable copy. Every room of
// the program that cuts text to a length uses these, so that no cut ends inside a
// double-byte character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

// `text` without leading and trailing bytes 0..32 (such bytes are never the trail byte of
// a double-byte character, so characters stay whole).
std::string_view TrimBlanks(std::string_view text);

// The first `count` characters (whole double-byte characters) of `text`.
std::string_view FirstChars(std::string_view text, size_t count);

// At most `bytes` bytes of `text`, one less when the last would be the first half of a
// double-byte character.
std::string_view CutToBytes(std::string_view text, size_t bytes);

// The first `count` bytes, padded with NUL bytes to `count`.
std::string FirstBytesPadded(std::string_view text, size_t count);

// Number of characters, a double-byte character counting once.
size_t CharCount(std::string_view text);

// `text` with its control bytes (below 0x20) turned into blanks: texts from the database
// go into list lines and table rows, where a line break or a tab would split them.
std::string PrintableText(std::string_view text);

}  // namespace sjis
