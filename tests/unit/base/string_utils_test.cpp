#include "base/string_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceAll, ReplacesWholeCharactersOnly) {
  struct Case {
    std::string text;
    std::string pattern;
    std::string replacement;
    std::string expected;
  };
  const Case cases[] = {
      {"C:\\Ham\\Sorvano.exe_Awd_Mutex", "\\", "_", "C:_Ham_Sorvano.exe_Awd_Mutex"},
      {"\x95\x5c\\x", "\\", "_", "\x95\x5c_x"},  // 表 ends in '\', which is not replaced
      {"\x83\x5c", "\\", "_", "\x83\x5c"},      // ソ
      {"aaa", "aa", "b", "ba"},
      {"aXa", "a", "aa", "aaXaa"},  // a replacement is never searched again
      {"abc", "b", "", "ac"},
      {"ABC", "b", "x", "ABC"},
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    ReplaceAll(text, c.pattern, c.replacement);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(TrimRightBlanks, RemovesTrailingBlanksAndControlsOnly) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"abc \t\r\x01", "abc"}, {"  abc", "  abc"}, {"\x95\x5c ", "\x95\x5c"},
      {"\x01\x02", ""},        {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimRightBlanks(c.text), c.expected);
}

TEST(ParseInteger, AcceptsDecimalAndHexadecimalIn32Bits) {
  struct Case {
    std::string text;
    std::optional<int32_t> expected;
  };
  const Case cases[] = {
      {"12", 12},
      {"  -7", -7},
      {"+5", 5},
      {"$1F", 31},
      {"0x10", 16},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$100000000", std::nullopt},
      {"abc", std::nullopt},
      {"12abc", std::nullopt},
      {"1 2", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"12 ", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.expected) << c.text;
}

}  // namespace
