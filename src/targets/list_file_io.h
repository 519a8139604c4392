// Reading and writing a target list file as its lines. Reading applies the text line
// rules (CR LF, lone CR or LF, NUL ends the text); writing ends every line with CR LF and
// replaces the file only once the new content is safely on disk.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "targets/target_list.h"

namespace targets {

// The file's lines. Throws FileError::CannotOpen, with the reason, when it cannot be read
// (missing, a folder, a device or pipe, no access, too large). `nul_line`, when given,
// receives the line at which a NUL byte ended the text (0 when the whole file was read).
std::vector<std::string> ReadListFile(const std::string& path_cp932, size_t* nul_line = nullptr);

// Writes the lines to a temporary file beside the list and moves it over the list (the
// file a symbolic link names, when the list is a link). Throws FileError::CannotCreate,
// with the reason, when that fails; the old file is then left as it was.
void WriteListFile(const std::string& path_cp932, const std::vector<std::string>& lines);

// A list file read and checked but not yet shown: the open list is left alone until a
// candidate has proved usable.
struct LoadedList {
  std::string file_name;
  std::vector<std::string> lines;
  PreparedList prepared;
  // The line (from 1) at which a NUL byte ended the text; 0 when the file was read whole.
  size_t nul_line = 0;
  // Only part of the file is in `lines` (a NUL or the line limit): writing them back
  // would cut the file short.
  bool Partial() const { return nul_line != 0 || prepared.lines_cut; }
};

// Reads `path_cp932` and checks and repairs its lines; nothing when they are not a usable
// list. Throws FileError::CannotOpen when the file cannot be read.
std::optional<LoadedList> LoadUsableList(const std::string& path_cp932);

}  // namespace targets
