// Reading and writing a target list file as its lines. Reading applies the text line
// rules (CR LF, lone CR or LF, NUL ends the text); writing ends every line with CR LF and
// replaces the file only once the new content is safely on disk.
#pragma once

#include <string>
#include <vector>

namespace targets {

// The file's lines. Throws FileError::CannotOpen when it cannot be read (missing, a
// folder, no access).
std::vector<std::string> ReadListFile(const std::string& path_cp932);

// Writes the lines to a temporary file beside the list and moves it over the list. Throws
// FileError::CannotCreate when that fails; the old file is then left as it was.
void WriteListFile(const std::string& path_cp932, const std::vector<std::string>& lines);

}  // namespace targets
