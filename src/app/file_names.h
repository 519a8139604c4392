// Parts of Shift-JIS file paths. Both "\" and "/" separate folders; a 0x5C that is the
// second byte of a double-byte character is not a separator.
#pragma once

#include "ui/not_in_core.h"

#include <string>
#include <string_view>

namespace app {

// The folder of `path`, with its trailing separator; empty when there is none.
std::string ExtractFilePath(std::string_view path);
// The name and extension of `path`, without its folder.
std::string ExtractFileName(std::string_view path);
// `path` as a full path from the current folder, or unchanged when it cannot be made one.
std::string ExpandFileName(std::string_view path);
// `path` with its extension (from the last "." of the name on) replaced by `extension`.
std::string ChangeFileExt(std::string_view path, std::string_view extension);

}  // namespace app
