#include "targets/list_file_io.h"

#include "base/file_error.h"
#include "base/text_file.h"

namespace targets {

std::vector<std::string> ReadListFile(const std::string& path_cp932, size_t* nul_line) {
  std::string bytes;
  const Status status = ReadWholeFile(path_cp932, bytes);
  if (!status.ok()) throw FileError::CannotOpen(path_cp932, status.message());
  if (nul_line != nullptr) *nul_line = LineOfFirstNul(bytes);
  return SplitLines(bytes);
}

void WriteListFile(const std::string& path_cp932, const std::vector<std::string>& lines) {
  const Status status = WriteFileAtomic(path_cp932, JoinLinesCrLf(lines));
  if (!status.ok()) throw FileError::CannotCreate(path_cp932, status.message());
}

std::optional<LoadedList> LoadUsableList(const std::string& path_cp932) {
  LoadedList list{path_cp932, {}, {}};
  list.lines = ReadListFile(path_cp932, &list.nul_line);
  list.prepared = PrepareList(list.lines);
  if (list.prepared.unusable) return std::nullopt;
  return list;
}

}  // namespace targets
