#include "logger_link/web_search.h"

#include <gtest/gtest.h>

namespace logger_link {
namespace {

TEST(UrlEncodeTest, Cases) {
  struct Case {
    std::string bytes;
    const char* encoded;
  };
  const Case cases[] = {
      {"AZaz09", "AZaz09"},
      {"!$'()*-.@_", "!$'()*-.@_"},
      {"a b", "a+b"},
      {"~,/&=+%", "%7e%2c%2f%26%3d%2b%25"},
      {"\xe9\x81\x93", "%e9%81%93"},  // 道 in UTF-8
      {std::string("\x00\x7f", 2), "%00%7f"},
  };
  for (const Case& c : cases) EXPECT_EQ(UrlEncode(c.bytes), c.encoded);
}

TEST(ToUtf8Test, ShiftJisToUtf8) {
  EXPECT_EQ(ToUtf8("\x93\xb9\x82\xcc\x89w"), "\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85");  // 道の駅
  EXPECT_EQ(ToUtf8("abc"), "abc");
}

TEST(SearchUrlTest, Cases) {
  struct Case {
    const char* line;
    std::optional<std::string> url;
  };
  const std::string base = "https://www.google.com/search?q=";
  const Case cases[] = {
      // A roadside station ("□" number): 道の駅 and the free text, no blank between.
      {"\x81\xa0" "01,Kamome,0101,Place", base + "%e9%81%93%e3%81%ae%e9%a7%85Kamome"},
      // Another target: location text, a blank, the free text.
      {"A-1,Onsen Inn,0102,Hakone Town", base + "Hakone+Town+Onsen+Inn"},
      {"A-1,Free~text,0102", base + "Free%7etext"},
      {"A-1,Only two", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(SearchUrl(c.line), c.url) << c.line;
}

}  // namespace
}  // namespace logger_link
