// Text files as the program reads and writes them: lines end at CR LF, a lone CR or a
// lone LF, a NUL byte ends the text, and every written line ends with CR LF. Files are
// read whole and written whole through a temporary file that then replaces the target.
// All paths are Shift-JIS names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

// The lines of `text`. A last line without a line break still counts; an empty text
// (or one that starts with NUL) has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The line (from 1) that holds the first NUL byte of `text`, where SplitLines stops; 0
// when there is none.
size_t LineOfFirstNul(std::string_view text);

// Every line followed by CR LF, the last one too.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// The file's bytes, unchanged (NUL bytes included).
Status ReadWholeFile(const std::string& path_cp932, std::string& bytes);

// True when something that is not a folder exists under that name.
bool FileExists(const std::string& path_cp932);

// Writes `bytes` to a new file beside the target and then moves it over the target, so
// a failed write leaves the old file as it was and no temporary file behind.
Status WriteFileAtomic(const std::string& path_cp932, std::string_view bytes);
