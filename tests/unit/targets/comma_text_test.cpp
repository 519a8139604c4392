#include "targets/comma_text.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;
using targets::JoinCommaText;
using targets::SplitCommaText;

std::string Printable(const std::string& text) {
  std::string shown;
  for (const unsigned char byte : text) {
    if (byte >= 0x20 && byte < 0x7f) {
      shown += static_cast<char>(byte);
    } else {
      static const char kHex[] = "0123456789abcdef";
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    }
  }
  return shown;
}

TEST(SplitCommaText, FollowsTheReadingRules) {
  struct Case {
    std::string line;
    Fields expected;
  };
  const Case cases[] = {
      {"", {}},
      {" \t ", {}},
      {"a,b,c", {"a", "b", "c"}},
      {"  a b ,c", {"a b ", "c"}},  // leading blanks dropped, inner and trailing kept
      {"a,,b", {"a", "", "b"}},
      {"a,  ,b", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"a,b,", {"a", "b"}},  // a trailing comma adds no field
      {"a,b, ", {"a", "b"}},
      {"a,b,,", {"a", "b", ""}},
      {"\"a,b\",c", {"a,b", "c"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"\"", {""}},
      {"\"\",\"\"", {"", ""}},
      {"\"ab\"cd,e", {"ab", "cd", "e"}},  // text after a closing quote is a new field
      {"\"a\" \"b\"", {"a", "b"}},
      {"\t\"x\" , y", {"x", "y"}},
      {"\"ab, c", {"ab, c"}},  // never closed: the rest of the line
      {"\"a\"\"", {"a\""}},
      {"ab\"c,d\"", {"ab\"c", "d\""}},  // quotes inside a bare field are plain bytes
      {"a\tb", {"a", "b"}},             // a control byte ends a bare field
      {"a\x01,b", {"a", "b"}},
      {"\"a\tb\",c", {"a\tb", "c"}},
      // 表, ソ and － have 0x5c / 0x7c trail bytes
      {"\x95\x5c,\x83\x5c\x81\x7c", {"\x95\x5c", "\x83\x5c\x81\x7c"}},
      {"\"\x95\x5c\"", {"\x95\x5c"}},
      // a lead byte before a comma or quote, or at the very end, is a byte of its own
      {"a,\x81", {"a", "\x81"}},
      {"\x81,b", {"\x81", "b"}},
      {"\"\x81\",b", {"\x81", "b"}},
      {"\"\x81", {"\x81"}},
      {std::string("a,b\0,c", 6), {"a", "b"}},  // NUL ends the line
      {std::string("\0", 1), {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitCommaText(c.line), c.expected) << Printable(c.line);
  }
}

TEST(SplitCommaText, ReusesTheVectorItIsGiven) {
  Fields fields = {"left", "over", "from", "a", "longer", "line"};
  SplitCommaText("x,y", fields);
  EXPECT_EQ(fields, (Fields{"x", "y"}));
  SplitCommaText("", fields);
  EXPECT_TRUE(fields.empty());
}

TEST(JoinCommaText, FollowsTheWritingRules) {
  struct Case {
    Fields fields;
    std::string expected;
  };
  const Case cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"a"}, "a"},
      {{"a", "b"}, "a,b"},
      {{"a", ""}, "a,"},
      {{"", "a"}, ",a"},
      {{"", ""}, ","},
      {{"a b ", "x\"y"}, "a b ,x\"y"},  // inner blanks and quotes need no quoting
      {{"a,b"}, "\"a,b\""},
      {{"a\tb", "c"}, "\"a\tb\",c"},
      {{"say \"hi\", ok"}, "\"say \"\"hi\"\", ok\""},
      {{" a"}, "\" a\""},                // bare, the blank would be lost
      {{"\"a\" b"}, "\"\"\"a\"\" b\""},  // bare, it would read as two fields
      {{"\x95\x5c", "\x83\x5c\x81\x7c"}, "\x95\x5c,\x83\x5c\x81\x7c"},
      {{"c\x81", "x"}, "c\x81,x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinCommaText(c.fields), c.expected) << Printable(c.expected);
  }
}

TEST(CommaText, FieldsReadBackAsWritten) {
  // An empty last field is the one documented exception (a trailing comma reads as none).
  const Fields records[] = {
      {""},
      {"", "a"},
      {"1", "\x93\xb9\x82\xcc\x89\x77", "0101", "\x93\x8c\x8b\x9e"},  // 道の駅, 東京
      {" lead", "trail ", "in side"},
      {"\"", "\"\"", "\"q\" x", "a\"b"},
      {"a,b", ",", "\t", "x\x01y", "\x1f"},
      {"\x95\x5c", "\x81", "c\x81", "\x81\x22", "\xfc"},
      {"JA1ABC<12>:JH2XYZ(7)", "-12", "a b, c"},
  };
  for (const Fields& fields : records) {
    const std::string line = JoinCommaText(fields);
    EXPECT_EQ(SplitCommaText(line), fields) << Printable(line);
  }
}

}  // namespace

namespace {

TEST(SplitCommaText, StopsAfterTheFieldsAskedFor) {
  std::vector<std::string> fields;
  targets::SplitCommaText("a,\"b,c\",d,e", fields, 2);
  EXPECT_EQ(fields, (std::vector<std::string>{"a", "b,c"}));
  targets::SplitCommaText("a", fields, 5);
  EXPECT_EQ(fields, std::vector<std::string>{"a"});
}

// The first fields joined, then the rest appended field by field, is the whole record
// joined: what a long line is held as without a string for each field.
TEST(AppendCommaFieldsFrom, GivesTheRestOfTheJoinedRecord) {
  const std::string lines[] = {"",           "a",          "a,b,c,d,e,f", "a,b,c,d,e,,",  "a,b,c,d,e,,,",
                               " a , \"b,\" ,\"c\"\"\" ,d,e,\"f,g\",h ", std::string("a,b,c,d,e,f\0g,h", 15),
                               ",,,,,,,,",   "a,b,c,d,e,\" x\",\"",  "a,b,c,d,e,\"\",,"};
  std::vector<std::string> fields;
  for (const std::string& line : lines) {
    const std::vector<std::string> all = targets::SplitCommaText(line);
    for (size_t first : {2, 3, 5, 7}) {
      SCOPED_TRACE(Printable(line) + " after " + std::to_string(first));
      const size_t rest = targets::SplitCommaText(line, fields, first);
      std::string joined = fields.empty() ? std::string() : targets::JoinCommaText(fields);
      const size_t appended = targets::AppendCommaFieldsFrom(line, rest, joined);
      EXPECT_EQ(fields.size() + appended, all.size());
      if (all.size() > 1) {
        EXPECT_EQ(joined, targets::JoinCommaText(all));
      }
    }
  }
}

}  // namespace
