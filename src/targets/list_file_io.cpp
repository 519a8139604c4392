#include "targets/list_file_io.h"

#include "base/file_error.h"
#include "base/text_file.h"

namespace targets {

std::vector<std::string> ReadListFile(const std::string& path_cp932) {
  std::string bytes;
  if (!ReadWholeFile(path_cp932, bytes).ok()) throw FileError::CannotOpen(path_cp932);
  return SplitLines(bytes);
}

void WriteListFile(const std::string& path_cp932, const std::vector<std::string>& lines) {
  if (!WriteFileAtomic(path_cp932, JoinLinesCrLf(lines)).ok()) {
    throw FileError::CannotCreate(path_cp932);
  }
}

std::optional<LoadedList> LoadUsableList(const std::string& path_cp932) {
  LoadedList list{path_cp932, ReadListFile(path_cp932), {}};
  list.prepared = PrepareList(list.lines);
  if (list.prepared.unusable) return std::nullopt;
  return list;
}

}  // namespace targets
