#include "targets/list_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "targets/comma_text.h"

namespace {

using targets::DisplayFilter;
using targets::RecordClass;
using Lines = std::vector<std::string>;

RecordClass Class(const std::string& line) {
  return targets::ClassOfRecord(targets::SplitCommaText(line), "<", "(");
}

TEST(ClassOfRecord, ByTheOpeningBracketsInTheWorkedField) {
  EXPECT_EQ(Class("1,n,c,p"), RecordClass::kUnworked);
  EXPECT_EQ(Class("1,n,c,p,"), RecordClass::kUnworked);
  EXPECT_EQ(Class("1,n,c,p,JA1AA<3>"), RecordClass::kWorkedOnly);
  EXPECT_EQ(Class("1,n,c,p,JA1AA(3)"), RecordClass::kConfirmed);
  EXPECT_EQ(Class("1,n,c,p,JA1AA<3>:JA2BB(9)"), RecordClass::kConfirmed);  // both: confirmed
  EXPECT_EQ(Class("1,n,c<,p(,other"), RecordClass::kUnworked);             // only field 4 counts
  // A double-byte opening character is found whole, never as a trail byte.
  EXPECT_EQ(targets::ClassOfRecord({"1", "n", "c", "p", "JA1\x81y3\x81z"}, "<", "\x81y"),
            RecordClass::kConfirmed);
  EXPECT_EQ(targets::ClassOfRecord({"1", "n", "c", "p", "\x81y"}, "", ""), RecordClass::kUnworked);
}

TEST(FilteredRowMap, EachFilterKeepsItsClassesInFileOrder) {
  // 6: a quoted worked field holding a comma; 7: brackets only after field 4; 8: a comma
  // inside a quoted earlier field; 9: a blank before the worked field; 10: a NUL byte.
  const Lines lines = {"head", "1,n,c,p,A(1)", "2,n,c,p", "3,n,c,p,B<2>", "4,n,c,p,C(3)", "5,n,c,p,",
                       "6,n,c,p,\"D<4>,x\"", "7,n,c,p,,E(5)", "8,\"n,(\",c,p", "9,n,c,p, F(6)",
                       std::string("10,n,c,p\0,X(1)", 15)};  // a NUL byte ends the line
  struct Case {
    DisplayFilter filter;
    std::vector<int> rows;
  };
  const Case cases[] = {
      {DisplayFilter::kWorked, {0, 1, 3, 4, 6, 9}},
      {DisplayFilter::kUnworked, {0, 2, 5, 7, 8, 10}},
      {DisplayFilter::kConfirmed, {0, 1, 4, 9}},
      {DisplayFilter::kUnconfirmed, {0, 2, 3, 5, 6, 7, 8, 10}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(targets::FilteredRowMap(lines, c.filter, "<", "("), c.rows) << static_cast<int>(c.filter);
  }
  EXPECT_EQ(targets::FilteredRowMap({"head", "1,n,c,p"}, DisplayFilter::kWorked, "<", "("),
            std::vector<int>{0});
}

TEST(AreaJump, KeyAndFirstMatchAfterByte14) {
  EXPECT_EQ(targets::AreaKey("10 \x93\x8c\x8b\x9e\x93s"), ",10");
  const Lines lines = {"head", "1,,10,x", "2,Name two long,0910,x", "3,Name three long,1001,x",
                       "4,Name four long,1002,x"};
  const std::vector<int> all = targets::IdentityRowMap(lines.size());
  EXPECT_EQ(targets::FindAreaRow(lines, all, 5, ",10"), 3);  // row 1 is too short
  EXPECT_EQ(targets::FindAreaRow(lines, all, 5, ",01"), std::nullopt);
  // Through a filtered row map: grid row 1 shows line 4.
  EXPECT_EQ(targets::FindAreaRow(lines, {0, 4}, 2, ",10"), 1);
}

TEST(FindText, FirstRowAndFindNextWithWrap) {
  // "\x83\x5c" is ソ: its trail byte is a backslash, which must not match a search for "\\".
  const Lines lines = {"head", "1,\x83\x5c,c", "2,abc,c", "3,x\\y,c", "4,abc,c"};
  const std::vector<int> all = targets::IdentityRowMap(lines.size());
  EXPECT_EQ(targets::FindTextRow(lines, all, 5, "abc"), 2);
  EXPECT_EQ(targets::FindTextRow(lines, all, 5, "\\"), 3);
  EXPECT_EQ(targets::FindTextRow(lines, all, 5, "ABC"), std::nullopt);  // case counts
  EXPECT_EQ(targets::FindTextRow(lines, all, 5, ""), std::nullopt);
  struct Case {
    int current;
    std::string text;
    std::optional<int> next;
  };
  const Case cases[] = {
      {2, "abc", 4}, {4, "abc", 2}, {3, "\\", 3}, {9, "abc", 2}, {1, "nowhere", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(targets::FindNextTextRow(lines, all, 5, c.current, c.text), c.next) << c.current << c.text;
  }
}

}  // namespace
