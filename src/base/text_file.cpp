#include "base/text_file.h"

#include <algorithm>
#include <filesystem>

#include "base/platform.h"

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  const size_t end = std::min(text.find('\0'), text.size());
  size_t pos = 0;
  while (pos < end) {
    size_t stop = pos;
    while (stop < end && text[stop] != '\r' && text[stop] != '\n') ++stop;
    lines.emplace_back(text.substr(pos, stop - pos));
    if (stop == end) break;
    const bool cr_lf = text[stop] == '\r' && stop + 1 < end && text[stop + 1] == '\n';
    pos = stop + (cr_lf ? 2 : 1);
  }
  return lines;
}

size_t LineOfFirstNul(std::string_view text) {
  const size_t nul = text.find('\0');
  if (nul == std::string_view::npos) return 0;
  // Counted as SplitLines counts: CR LF, a lone CR and a lone LF each end one line.
  const std::string_view before = text.substr(0, nul);
  size_t line = 1;
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] == '\n' || (before[i] == '\r' && (i + 1 >= before.size() || before[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

Status ReadWholeFile(const std::string& path_cp932, std::string& bytes) {
  return platform::ReadFileBytes(platform::PathFromCp932(path_cp932), bytes);
}

bool FileExists(const std::string& path_cp932) {
  return platform::FileExists(platform::PathFromCp932(path_cp932));
}

namespace {

// The file a chain of symbolic links ends at, so that a write replaces the file the
// link names and the link stays a link. A broken chain ends at its last name.
std::filesystem::path FollowLinks(std::filesystem::path path) {
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) break;
    const std::filesystem::path link = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return path;
}

}  // namespace

Status WriteFileAtomic(const std::string& path_cp932, std::string_view bytes) {
  if (path_cp932.empty()) return Status::Error("no file name");
  const std::filesystem::path target = FollowLinks(platform::PathFromCp932(path_cp932));
  std::filesystem::path temp;
  Status status = platform::WriteTempFileBeside(target, bytes, temp);
  if (!status.ok()) return status;
  status = platform::MoveFileOver(temp, target);
  if (!status.ok()) platform::RemoveFileQuietly(temp);
  return status;
}
