#include "targets/recent_list.h"

#include <algorithm>
#include <vector>

#include "base/cp932.h"

namespace targets {
namespace {

constexpr size_t kShortNameSource = 6;
constexpr size_t kShortNameBytes = 4;

// Where the file name starts: after the last path separator outside a double-byte
// character (the trail byte of many kanji is a backslash).
size_t FileNameStart(std::string_view path) {
  size_t start = 0;
  for (size_t pos = 0; pos < path.size();) {
    if (path[pos] == '\\' || path[pos] == '/' || path[pos] == ':') start = pos + 1;
    pos += cp932::CharLength(path, pos);
  }
  return start;
}

}  // namespace

RecentFiles UpdatedRecentFiles(std::string_view name, const RecentFiles& entries, TextCompare compare) {
  std::vector<std::string> scratch;
  if (!name.empty()) scratch.emplace_back(name);
  scratch.insert(scratch.end(), entries.begin(), entries.end());
  for (size_t n = 1; n < scratch.size();) {
    if (compare(scratch[n], name) == 0) {
      scratch.erase(scratch.begin() + static_cast<std::ptrdiff_t>(n));
    } else {
      ++n;
    }
  }
  RecentFiles updated;
  for (size_t n = 0; n < updated.size() && n < scratch.size(); ++n) updated[n] = scratch[n];
  return updated;
}

std::string ShortFileName(std::string_view path) {
  std::string_view name = path.substr(FileNameStart(path));
  name = name.substr(0, kShortNameSource);
  size_t dot = std::string_view::npos;
  for (size_t pos = 0; pos < name.size();) {
    if (name[pos] == '.') dot = pos;
    pos += cp932::CharLength(name, pos);
  }
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  size_t end = 0;
  while (end < name.size() && end < kShortNameBytes) end += cp932::CharLength(name, end);
  return std::string(name.substr(0, std::min(end, name.size())));
}

std::string ShortFileCaption(std::string_view path, int position) {
  const int digit = position <= 9 ? position : 0;
  return ShortFileName(path) + "(&" + std::to_string(digit) + ")";
}

}  // namespace targets
