// The rules of an HTTP transfer that need no network: how a URL is split into host, port
// and object name, which request flags it gets, what a status code means for the result,
// and how a body chunk joins the text. The WinInet client follows them step by step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace update {

// Fetch's results.
inline constexpr int kFetchOk = 0;
inline constexpr int kFetchFailed = 1;         // busy, no connection, bad status, short body, ...
inline constexpr int kFetchUnauthorized = 2;   // status 401
inline constexpr int kFetchCannotCreate = 3;   // file mode: the target file cannot be made

// INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, plus INTERNET_FLAG_SECURE.
inline constexpr std::uint32_t kRequestFlagsPlain = 0x84000000u;
inline constexpr std::uint32_t kRequestFlagsSecure = 0x84800000u;

struct UrlParts {
  bool secure = false;       // only a lower-case "https:" selects it
  std::string host;          // without a port
  std::uint16_t port = 80;   // 443 when secure, unless the URL names a port
  std::string object_name;   // after the host's "/", without it; may be empty
  std::uint32_t request_flags = kRequestFlagsPlain;
};

// The parts of `url`: at most 255 bytes after "://" (or the whole URL without it), the
// host up to the first "/", at most 255 bytes of object name after it. No "/" after the
// host: nullopt. A port written after the host ("host:8080") is used.
std::optional<UrlParts> SplitUrl(std::string_view url);

// What the status code of the answer means: nullopt to go on reading the body (200),
// else the result to finish with (401 and everything else, unread status included).
std::optional<int> ResultForStatus(std::optional<std::uint32_t> status);

// Memory mode: appends the chunk up to its first NUL byte.
void AppendChunkText(std::string& text, std::string_view chunk);

// File mode: the body is complete only when every byte that Content-Length announced
// has arrived.
int ResultForFileBody(std::uint64_t content_length, std::uint64_t bytes_written);

}  // namespace update
