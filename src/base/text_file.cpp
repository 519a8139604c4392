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

Status WriteFileAtomic(const std::string& path_cp932, std::string_view bytes) {
  if (path_cp932.empty()) return Status::Error("no file name");
  const std::filesystem::path target = platform::PathFromCp932(path_cp932);
  std::filesystem::path temp;
  Status status = platform::WriteTempFileBeside(target, bytes, temp);
  if (!status.ok()) return status;
  status = platform::MoveFileOver(temp, target);
  if (!status.ok()) platform::RemoveFileQuietly(temp);
  return status;
}
