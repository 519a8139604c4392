#include "base/cp932.h"

#include <gtest/gtest.h>

namespace {

// 表 = 95 5C and ソ = 83 5C end in '\'; ア = 83 41 ends in 'A'.
constexpr const char* kHyo = "\x95\x5c";
constexpr const char* kSo = "\x83\x5c";
constexpr const char* kA = "\x83\x41";

TEST(Cp932, LeadBytes) {
  struct Case {
    unsigned char byte;
    bool lead;
  };
  const Case cases[] = {{0x41, false}, {0x80, false}, {0x81, true},  {0x9F, true},
                        {0xA0, false}, {0xB1, false}, {0xDF, false}, {0xE0, true},
                        {0xFC, true},  {0xFD, false}, {0xFF, false}};
  for (const Case& c : cases) EXPECT_EQ(cp932::IsLeadByte(c.byte), c.lead) << int(c.byte);
}

TEST(Cp932, CharLengthNeverStepsPastTheEnd) {
  struct Case {
    std::string text;
    size_t pos;
    size_t length;
  };
  const Case cases[] = {
      {kHyo, 0, 2},
      {"a\x95", 1, 1},         // lead byte cut off at the end
      {"\xb1\xb2", 0, 1},      // half-width katakana are single bytes
      {"ab", 5, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(cp932::CharLength(c.text, c.pos), c.length) << c.pos;
}

TEST(Cp932, FindNeverHitsATrailByte) {
  struct Case {
    std::string text;
    std::string pattern;
    size_t from;
    size_t expected;
  };
  const size_t npos = std::string::npos;
  const Case cases[] = {
      {std::string(kHyo) + "\\", "\\", 0, 2},
      {kSo, "\\", 0, npos},
      {kA, "A", 0, npos},
      {std::string(kA) + "A", "A", 0, 2},
      {std::string(kHyo) + kHyo, "\x5c\x95", 0, npos},  // would straddle two characters
      {std::string("a") + kHyo, kHyo, 0, 1},
      {"abc\x95", "\x95", 0, 3},  // a cut-off lead byte is still a character
      {"abcabc", "bc", 0, 1},
      {"abcabc", "bc", 3, 4},
      {"abc", "", 0, npos},
      {"abc", "abcd", 0, npos},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cp932::Find(c.text, c.pattern, c.from), c.expected)
        << "pattern size " << c.pattern.size() << " in text size " << c.text.size();
  }
}

TEST(Cp932, ToLowerLeavesDoubleByteCharactersWhole) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"Sorvano.EXE", "sorvano.exe"},
      {std::string(kA) + "A", std::string(kA) + "a"},
      {"\x82\x65", "\x82\x65"},  // full-width Ｆ stays as it is
      {"\xcc\xa7", "\xcc\xa7"},  // half-width ﾌｧ
      {"A\x83", "a\x83"},
  };
  for (const Case& c : cases) EXPECT_EQ(cp932::ToLower(c.text), c.expected);
}

}  // namespace
