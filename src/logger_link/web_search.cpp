#include "logger_link/web_search.h"

#include <vector>

#include "base/platform.h"
#include "targets/comma_text.h"
#include "update/web_pages.h"

namespace logger_link {

std::string ToUtf8(std::string_view text) { return platform::Cp932ToUtf8(text); }

std::string UrlEncode(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const bool kept = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                      (byte >= 'a' && byte <= 'z') ||
                      std::string_view("!$'()*-.@_").find(c) != std::string_view::npos;
    if (kept) {
      out += c;
    } else if (byte == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

std::optional<std::string> SearchQuery(std::string_view line) {
  const std::vector<std::string> fields = targets::SplitCommaText(line);
  if (fields.size() < 3) return std::nullopt;
  if (fields.size() == 3) return fields[1];
  if (fields[0].starts_with("\x81\xa0")) return "\x93\xb9\x82\xcc\x89w" + fields[1];  // □ → 道の駅
  return fields[3] + " " + fields[1];
}

std::optional<std::string> SearchUrl(std::string_view line) {
  const std::optional<std::string> query = SearchQuery(line);
  if (!query) return std::nullopt;
  return std::string(update::kSearchUrl) + UrlEncode(ToUtf8(*query));
}

}  // namespace logger_link
