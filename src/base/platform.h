// The few services the portable code needs from the operating system: code page 932
// conversions, the locale's case-insensitive comparison, file paths from Shift-JIS
// names, and whole-file reads and replacing writes. Implemented twice: natively in
// src/native/ (glibc iconv) and for Windows in src/win32/platform/ (the W functions).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace platform {

// Conversions never fail. Bytes that are not valid Shift-JIS become U+FFFD natively and
// the system's replacement character on Windows; characters that code page 932 cannot
// hold become '?'.
std::u16string Cp932ToUtf16(std::string_view text);
std::string Utf16ToCp932(std::u16string_view text);
std::string Cp932ToUtf8(std::string_view text);
std::string Utf8ToCp932(std::string_view text);

// <0, 0 or >0, ignoring letter case. Windows: CompareStringW with the user's default
// locale and NORM_IGNORECASE. Natively ASCII letters are folded and the rest compared
// byte by byte, so the order of non-ASCII text may differ from Windows.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

// The indexes of `texts` in the order of CompareTextIgnoreCase, texts that compare equal
// in their given order. Each text is converted once, not at every comparison.
std::vector<uint32_t> StableOrderIgnoreCase(const std::vector<std::string>& texts);

// The file system path for a Shift-JIS name, and the Shift-JIS name of a path.
std::filesystem::path PathFromCp932(std::string_view name);
std::string Cp932FromPath(const std::filesystem::path& path);

// Reads the whole file into `bytes` (replaced). Fails for a folder.
Status ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// True when something that is not a folder exists at `path`.
bool FileExists(const std::filesystem::path& path);

// Creates a new file with a unique name in the folder of `target`, writes `bytes` to it
// and flushes it to disk. On success `temp_path` names it; on failure nothing is left.
Status WriteTempFileBeside(const std::filesystem::path& target, std::string_view bytes,
                           std::filesystem::path& temp_path);

// Moves `source` over `target` in one step, replacing it. A read-only target is not
// replaced (an error on both platforms).
Status MoveFileOver(const std::filesystem::path& source, const std::filesystem::path& target);

// Removes a file; a failure is ignored (used to clean up after another failure).
void RemoveFileQuietly(const std::filesystem::path& path);

// The name of `path` as the C library's fopen takes it (the ANSI code page on Windows),
// for libraries that open files by narrow name; nothing when the name cannot be said so.
std::optional<std::string> NarrowFileName(const std::filesystem::path& path);

}  // namespace platform
