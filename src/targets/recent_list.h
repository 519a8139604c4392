// The recent-file list: position 0 is the open list file, 1 to 19 the files used before
// it, the most recent first. An entry shorter than 2 bytes is an empty one.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "targets/list_order.h"

namespace targets {

inline constexpr size_t kRecentFileCount = 20;
using RecentFiles = std::array<std::string, kRecentFileCount>;

// True when an entry holds no file.
inline bool IsEmptyRecentEntry(std::string_view entry) { return entry.size() < 2; }

// `name` first (when not empty), then `entries` without any that `compare` finds equal
// to `name`; with an empty name the empty entries go, which closes a gap. What does not
// fit is dropped.
RecentFiles UpdatedRecentFiles(std::string_view name, const RecentFiles& entries, TextCompare compare);

// The short form of a path for the menu bar: the first 6 bytes of its file name, cut at a
// '.' in them, then cut after the character that reaches byte 4 (4 bytes, or 5 when a
// double-byte character starts at byte 3; never half a character).
std::string ShortFileName(std::string_view path);

// The menu bar caption of position `position`: the short name with the accelerator digit,
// 0 for positions from 10 up.
std::string ShortFileCaption(std::string_view path, int position);

}  // namespace targets
