#include "update/http_url.h"

#include <gtest/gtest.h>

#include <string>

namespace update {
namespace {

struct SplitCase {
  const char* url;
  bool ok;
  bool secure;
  const char* host;
  int port;
  const char* object_name;
};

TEST(SplitUrlTest, Cases) {
  const SplitCase cases[] = {
      {"https://www.example.jp/vep/usdown.html", true, true, "www.example.jp", 443, "vep/usdown.html"},
      {"http://www.example.jp/ham.top.htm", true, false, "www.example.jp", 80, "ham.top.htm"},
      // A single "/" after the host: no object name.
      {"http://www.example.jp/", true, false, "www.example.jp", 80, ""},
      // No "/" after the host: nothing to request.
      {"http://www.example.jp", false, false, "", 0, ""},
      // Only a lower-case "https:" is secure.
      {"HTTPS://www.example.jp/a", true, false, "www.example.jp", 80, "a"},
      // A port written in the URL is the one connected to.
      {"http://127.0.0.1:8080/vep/usdown.html", true, false, "127.0.0.1", 8080, "vep/usdown.html"},
      {"https://host:8443/x", true, true, "host", 8443, "x"},
      // Not a port: the host stays whole.
      {"http://host:abc/x", true, false, "host:abc", 80, "x"},
      // Without "://" the whole URL is the rest.
      {"host/path", true, false, "host", 80, "path"},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.url);
    const auto parts = SplitUrl(c.url);
    ASSERT_EQ(parts.has_value(), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(parts->secure, c.secure);
    EXPECT_EQ(parts->request_flags, c.secure ? 0x84800000u : 0x84000000u);
    EXPECT_EQ(parts->host, c.host);
    EXPECT_EQ(parts->port, c.port);
    EXPECT_EQ(parts->object_name, c.object_name);
  }
}

TEST(SplitUrlTest, ObjectNameAndRestKeepAtMost255Bytes) {
  const auto parts = SplitUrl("http://h/" + std::string(300, 'a'));
  ASSERT_TRUE(parts);
  // 255 bytes of rest: the host and its "/" take 2 of them.
  EXPECT_EQ(parts->object_name.size(), 253u);
  EXPECT_FALSE(SplitUrl("http://" + std::string(300, 'h') + "/x"));
}

TEST(ResultForStatusTest, Cases) {
  EXPECT_EQ(ResultForStatus(200u), std::nullopt);
  EXPECT_EQ(ResultForStatus(401u), kFetchUnauthorized);
  EXPECT_EQ(ResultForStatus(404u), kFetchFailed);
  EXPECT_EQ(ResultForStatus(500u), kFetchFailed);
  EXPECT_EQ(ResultForStatus(std::nullopt), kFetchFailed);
}

TEST(AppendChunkTextTest, KeepsTheChunkUpToItsFirstNul) {
  std::string text = "ab";
  AppendChunkText(text, std::string_view("cd\0ef", 5));
  AppendChunkText(text, "gh");
  EXPECT_EQ(text, "abcdgh");
}

TEST(ResultForFileBodyTest, AShortBodyFails) {
  EXPECT_EQ(ResultForFileBody(10, 10), kFetchOk);
  EXPECT_EQ(ResultForFileBody(10, 9), kFetchFailed);
  EXPECT_EQ(ResultForFileBody(0, 0), kFetchOk);
}

}  // namespace
}  // namespace update
