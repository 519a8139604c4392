// Reading the maker's version page: where the latest build's date stands, what the about
// dialog says about it, which installer the page links to and under which name it may be
// saved. The page is text from the network: nothing here trusts it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace update {

// Every line break (CR, LF or CR LF) made CR LF.
std::string NormalizeLineBreaks(std::string_view text);

// Byte offset (from 0) of the latest build's date: just past the first "（20" marker's
// parenthesis when that marker starts at byte 100 or later (counted from 1), else past
// the first "(20" under the same rule. Only each marker's first occurrence counts.
std::optional<std::size_t> FindBuildStart(std::string_view page);

// The ten bytes of the build date at `start` (fewer at the page's end).
std::string BuildAt(std::string_view page, std::size_t start);

// The about dialog's result line: newer when `build_date` sorts before `found` byte by
// byte, else the same-or-older text; each a headline, CR and the build line.
std::string CheckResultText(std::string_view build_date, std::string_view found);

// The installer's link target ("soft/name"): the 32 bytes after the first double quote
// that is followed by "soft/", cut before the first double quote followed by ">". A
// page without such a link, or one whose link does not close within those bytes: nullopt.
std::optional<std::string> FindLinkTarget(std::string_view page);

// The local file name for a link target: at most 16 bytes after its first "/". Only a
// plain file name is accepted: no folder separators, drive colons, wildcards, control
// characters, "." or "..", no trailing dot or blank and no device name (CON, NUL, COM1,
// ...); else nullopt, so that the file can only land in the chosen folder.
std::optional<std::string> DownloadFileName(std::string_view link_target);

// The installer's URL: the page URL cut right after its first "vep/" (after its last "/"
// when it has none), followed by the link target.
std::string DownloadUrl(std::string_view page_url, std::string_view link_target);

// `folder` ending in "\" (an empty folder stays empty; one ending in "/" keeps it).
std::string WithTrailingBackslash(std::string_view folder);

// The folder of a file path as it is stored: without its trailing "\", except at a
// drive's root ("C:\").
std::string StoredFolder(std::string_view file_path);

// The progress bar's position for a download: bytes × 90 / total, rounded; 0 while the
// total is unknown.
int ProgressPosition(long long bytes, long long total);

}  // namespace update
