// Where the end-to-end tests find what they run: the Windows build's bin folder (the
// program and both builds of the logging library) and the source tree (demo data).
// The build records them as Unix paths; under Wine they are reached through drive Z:.
#pragma once

#include <string>
#include <string_view>

namespace e2e {

// "/a/b" becomes "Z:\a\b" (drive Z: is the Unix root in every Wine prefix).
std::wstring UnixToWindowsPath(std::string_view unix_path_utf8);

std::wstring BinDir();
std::wstring ProgramPath();
std::wstring LibraryPath();
std::wstring OldLibraryPath();
// A file of the source tree, by its path relative to the top (UTF-8, "/" separators).
std::wstring SourceFile(std::string_view relative_utf8);

}  // namespace e2e
