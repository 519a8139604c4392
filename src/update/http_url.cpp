#include "update/http_url.h"

#include <charconv>

namespace update {

namespace {

constexpr std::size_t kMaxUrlPart = 255;

// "host:port" with a port of digits only; the host is left alone otherwise.
void TakePort(UrlParts& parts) {
  const std::size_t colon = parts.host.rfind(':');
  if (colon == std::string::npos || colon + 1 == parts.host.size()) return;
  unsigned value = 0;
  const char* first = parts.host.data() + colon + 1;
  const char* last = parts.host.data() + parts.host.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || value == 0 || value > 65535) return;
  parts.port = static_cast<std::uint16_t>(value);
  parts.host.resize(colon);
}

}  // namespace

std::optional<UrlParts> SplitUrl(std::string_view url) {
  UrlParts parts;
  parts.secure = url.substr(0, 6) == "https:";
  parts.port = parts.secure ? 443 : 80;
  parts.request_flags = parts.secure ? kRequestFlagsSecure : kRequestFlagsPlain;

  std::string_view rest = url;
  if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
    rest = url.substr(scheme + 3, kMaxUrlPart);
  }
  const std::size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  parts.host = std::string(rest.substr(0, slash));
  parts.object_name = std::string(rest.substr(slash + 1, kMaxUrlPart));
  TakePort(parts);
  return parts;
}

std::optional<int> ResultForStatus(std::optional<std::uint32_t> status) {
  if (status == 200u) return std::nullopt;
  if (status == 401u) return kFetchUnauthorized;
  return kFetchFailed;
}

void AppendChunkText(std::string& text, std::string_view chunk) {
  text.append(chunk.substr(0, chunk.find('\0')));
}

int ResultForFileBody(std::uint64_t content_length, std::uint64_t bytes_written) {
  return bytes_written == content_length ? kFetchOk : kFetchFailed;
}

}  // namespace update
