#include "base/platform.h"

#include <gtest/gtest.h>

namespace {

// 道の駅 in Shift-JIS and UTF-8; 表 ends in the byte of '\'; ﾌｧｲﾙ is half-width.
const std::string kRoadStationSjis = "\x93\xb9\x82\xcc\x89\x77";
const std::string kRoadStationUtf8 = "\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85";

TEST(Platform, ConvertsBothWays) {
  struct Case {
    std::string sjis;
    std::string utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {kRoadStationSjis, kRoadStationUtf8, u"\u9053\u306e\u99c5"},
      {"\x95\x5c\\~", "\xe8\xa1\xa8\\~", u"\u8868\\~"},
      {"\xcc\xa7\xb2\xd9", "\xef\xbe\x8c\xef\xbd\xa7\xef\xbd\xb2\xef\xbe\x99", u"\uff8c\uff67\uff72\uff99"},
      {"", "", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::Cp932ToUtf8(c.sjis), c.utf8);
    EXPECT_EQ(platform::Utf8ToCp932(c.utf8), c.sjis);
    EXPECT_EQ(platform::Cp932ToUtf16(c.sjis), c.utf16);
    EXPECT_EQ(platform::Utf16ToCp932(c.utf16), c.sjis);
  }
}

TEST(Platform, BadBytesAreReplacedNotFatal) {
  // A cut-off lead byte, a byte that is no character, text that code page 932 lacks.
  const std::u16string from_bad_sjis = platform::Cp932ToUtf16("a\xff" "b\x81");
  ASSERT_FALSE(from_bad_sjis.empty());
  EXPECT_EQ(from_bad_sjis.front(), u'a');
  EXPECT_NE(from_bad_sjis.find(u'b'), std::u16string::npos);

  const std::string from_emoji = platform::Utf8ToCp932("a\xf0\x9f\x98\x80z");
  EXPECT_EQ(from_emoji.front(), 'a');
  EXPECT_EQ(from_emoji.back(), 'z');
  EXPECT_NE(from_emoji.find('?'), std::string::npos);

  const std::string from_broken_utf8 = platform::Utf8ToCp932("a\xc3z");
  EXPECT_EQ(from_broken_utf8.front(), 'a');
  EXPECT_EQ(from_broken_utf8.back(), 'z');

  const std::string from_lone_surrogate = platform::Utf16ToCp932(u"a\xd800z");
  EXPECT_EQ(from_lone_surrogate.front(), 'a');
  EXPECT_EQ(from_lone_surrogate.back(), 'z');
}

TEST(Platform, ComparesIgnoringCase) {
  struct Case {
    std::string a;
    std::string b;
    int sign;
  };
  const Case cases[] = {
      {"Main", "MAIN", 0},
      {"fHist", "FHIST", 0},
      {"Main", "Mainx", -1},
      {"b", "A", 1},
      {"Pos", "Pos ", -1},
      {"\x83\x41", "\x83\x61", -1},  // ア and ヂ differ only in a trail byte that looks like a letter
      {kRoadStationSjis, kRoadStationSjis, 0},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    const int result = platform::CompareTextIgnoreCase(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b;
    const int reverse = platform::CompareTextIgnoreCase(c.b, c.a);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " / " << c.a;
  }
}

TEST(Platform, PathsKeepShiftJisNames) {
  const std::string name = kRoadStationSjis + ".scsv";
  EXPECT_EQ(platform::PathFromCp932(name), std::filesystem::path(u8"道の駅.scsv"));
  EXPECT_EQ(platform::Cp932FromPath(platform::PathFromCp932(name)), name);
}

}  // namespace
