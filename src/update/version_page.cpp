#include "update/version_page.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/cp932.h"
#include "update/update_texts.h"

namespace update {

namespace {

// Markers count from byte 100 (from 1) of the page on.
constexpr std::size_t kFirstMarkerOffset = 99;
constexpr std::size_t kBuildLength = 10;
constexpr std::size_t kLinkWindow = 32;
constexpr std::size_t kMaxNameBytes = 16;

std::string Format(const char* format, std::string_view value) {
  const std::string text(value);
  const int size = std::snprintf(nullptr, 0, format, text.c_str());
  std::string out(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, text.c_str());
  out.resize(static_cast<std::size_t>(size));
  return out;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9, whatever follows a dot: Windows opens the device.
bool IsDeviceName(std::string_view name) {
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = AsciiUpper(c);
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view device : kPlain) {
    if (stem == device) return true;
  }
  if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT"))) {
    return stem[3] >= '1' && stem[3] <= '9';
  }
  return false;
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t length = cp932::CharLength(name, pos);
    const auto byte = static_cast<unsigned char>(name[pos]);
    if (length == 2) {
      // A lead byte before a byte that cannot follow it is no character: the system
      // may read the second byte alone, and a "/" or ":" there would leave the folder.
      const auto trail = static_cast<unsigned char>(name[pos + 1]);
      if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    }
    if (length == 1) {
      if (cp932::IsLeadByte(byte)) return false;  // half a character, cut at the end
      if (byte < 0x20 || byte == 0x7F) return false;
      if (std::string_view("\\/:*?\"<>|").find(static_cast<char>(byte)) != std::string_view::npos) {
        return false;
      }
    }
    pos += length;
  }
  return !IsDeviceName(name);
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::size_t> FindBuildStart(std::string_view page) {
  const std::size_t wide = cp932::Find(page, "\x81i20");  // （20
  if (wide != std::string_view::npos && wide >= kFirstMarkerOffset) return wide + 2;
  const std::size_t narrow = cp932::Find(page, "(20");
  if (narrow != std::string_view::npos && narrow >= kFirstMarkerOffset) return narrow + 1;
  return std::nullopt;
}

std::string BuildAt(std::string_view page, std::size_t start) {
  return std::string(page.substr(start, kBuildLength));
}

std::string CheckResultText(std::string_view build_date, std::string_view found) {
  if (build_date < found) return std::string(kTextNewerFound) + "\r" + Format(kTextNewerBuild, found);
  return std::string(kTextNoNewer) + "\r" + Format(kTextSameBuild, found);
}

std::optional<std::string> FindLinkTarget(std::string_view page) {
  const std::size_t quote = cp932::Find(page, "\"soft/");
  if (quote == std::string_view::npos) return std::nullopt;
  const std::string_view window = page.substr(quote + 1, kLinkWindow);
  const std::size_t end = window.find("\">");
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(window.substr(0, end));
}

std::optional<std::string> DownloadFileName(std::string_view link_target) {
  const std::size_t slash = link_target.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view name = link_target.substr(slash + 1, kMaxNameBytes);
  if (!IsPlainFileName(name)) return std::nullopt;
  return std::string(name);
}

std::string DownloadUrl(std::string_view page_url, std::string_view link_target) {
  std::size_t cut = page_url.find("vep/");
  if (cut != std::string_view::npos) {
    cut += 4;
  } else {
    const std::size_t slash = page_url.rfind('/');
    cut = slash == std::string_view::npos ? page_url.size() : slash + 1;
  }
  return std::string(page_url.substr(0, cut)) + std::string(link_target);
}

namespace {

// Whether the last character (a double-byte one counted whole) is a "\" or "/".
bool EndsWithSeparator(std::string_view text) {
  std::size_t last = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += cp932::CharLength(text, pos)) last = pos;
  return last != std::string_view::npos && text.size() - last == 1 &&
         (text[last] == '\\' || text[last] == '/');
}

}  // namespace

std::string WithTrailingBackslash(std::string_view folder) {
  std::string out(folder);
  if (!out.empty() && !EndsWithSeparator(out)) out += '\\';
  return out;
}

std::string StoredFolder(std::string_view file_path) {
  std::size_t last_separator = std::string_view::npos;
  for (std::size_t pos = 0; pos < file_path.size(); pos += cp932::CharLength(file_path, pos)) {
    if (file_path[pos] == '\\' || file_path[pos] == '/') last_separator = pos;
  }
  if (last_separator == std::string_view::npos) return {};
  std::string folder(file_path.substr(0, last_separator));
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // a drive's root keeps it
  return folder;
}

int ProgressPosition(long long bytes, long long total) {
  if (total <= 0) return 0;
  return static_cast<int>(std::llround(static_cast<double>(bytes) * 90.0 / static_cast<double>(total)));
}

}  // namespace update
