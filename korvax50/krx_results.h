// Result codes of the library's open, read and close functions (0 = success). The
// program only tells 0 from the rest; the codes say why, for tests and the README.
#pragma once

#include <cstdint>

namespace korvax {

inline constexpr int32_t kKrxOk = 0;
inline constexpr int32_t kKrxBadArgument = -1;   // null pointer, or a number out of range
inline constexpr int32_t kKrxCannotOpen = -2;    // missing, unreadable, or not a file
inline constexpr int32_t kKrxNotMst = -3;        // not a QSO database (magic)
inline constexpr int32_t kKrxBadVersion = -4;    // a version this library does not read
inline constexpr int32_t kKrxBadSize = -5;       // layout or size does not match the header
inline constexpr int32_t kKrxTooManyOpen = -6;   // every slot of the open table in use
inline constexpr int32_t kKrxNotOpen = -7;       // the buffer holds no open database
inline constexpr int32_t kKrxReadFailed = -8;    // the file could not give the record

// Databases that can be open at once.
inline constexpr int kKrxMaxOpen = 16;

}  // namespace korvax
