#include "targets/target_list.h"

#include <gtest/gtest.h>

#include "targets/comma_text.h"

namespace {

using Lines = std::vector<std::string>;
using targets::PrepareList;
using targets::PreparedList;

const std::string kHeader = "No,Name,Code,Place,Worked,Award,21/01/01,1";
const std::string kUnyokyoku = "\x89\x5e\x97\x70\x8b\xc7";  // 運用局

// The header and `records` plain four-field records.
Lines MakeList(size_t records) {
  Lines lines = {kHeader};
  for (size_t i = 1; i <= records; ++i) {
    lines.push_back(std::to_string(i) + ",name,01" + std::to_string(i) + ",place");
  }
  return lines;
}

TEST(PrepareList, RepairsRecordsAndCountsWorkedOnes) {
  struct Case {
    std::string record;
    std::vector<std::string> after;  // empty: the record is removed
    int worked;
  };
  const Case cases[] = {
      {"", {}, 0},
      {"   ", {}, 0},
      {"lonely", {}, 0},
      {"\"\"", {}, 0},
      {"1,a", {"1,a,,"}, 0},  // reads back as three fields
      {"1,a,b", {"1,a,b,"}, 0},
      {"\"1\",\" a\"", {"1,\" a\",,"}, 0},
      {"1, a ,\"b\",c", {"1, a ,\"b\",c"}, 0},  // four fields: kept byte for byte
      {"1,a,b,c,", {"1,a,b,c,"}, 0},
      {"1,a,b,c,,", {"1,a,b,c,,"}, 0},  // an empty worked field holds no entry
      {"1,a,b,c,,note", {"1,a,b,c,,note"}, 0},
      {"1,a,b,c,JA1ABC<3>,extra", {"1,a,b,c,JA1ABC<3>,extra"}, 1},
  };
  for (const Case& c : cases) {
    Lines lines = MakeList(9);
    lines.insert(lines.begin() + 5, c.record);
    Lines expected = MakeList(9);
    expected.insert(expected.begin() + 5, c.after.begin(), c.after.end());

    const PreparedList list = PrepareList(lines);

    EXPECT_FALSE(list.unusable) << c.record;
    EXPECT_EQ(lines, expected) << c.record;
    EXPECT_EQ(list.WorkedCount, c.worked) << c.record;
  }
  EXPECT_EQ(targets::SplitCommaText("1,a,,").size(), 3u);
}

TEST(PrepareList, RemovesManyBadRecordsKeepingTheOrder) {
  Lines lines = {kHeader};
  Lines expected = {kHeader};
  for (int i = 0; i < 3000; ++i) {
    const std::string good = std::to_string(i) + ",x,y,z,W<" + std::to_string(i) + ">";
    lines.push_back(i % 3 == 0 ? good : "bad" + std::to_string(i));
    if (i % 3 == 0) expected.push_back(good);
  }

  const PreparedList list = PrepareList(lines);

  EXPECT_FALSE(list.unusable);
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(list.WorkedCount, 1000);
  const Lines again = lines;
  PrepareList(lines);
  EXPECT_EQ(lines, again);
}

TEST(PrepareList, NeedsTenLinesBeforeAndAfterRepair) {
  struct Case {
    Lines lines;
    bool unusable;
    size_t lines_after;
  };
  Lines nine_and_a_bad_one = MakeList(8);
  nine_and_a_bad_one.push_back("only-one-field");
  Lines short_with_two_fields = MakeList(8);
  short_with_two_fields.push_back("1,a");
  const Case cases[] = {
      {{}, true, 0},
      {MakeList(8), true, 9},
      {nine_and_a_bad_one, true, 9},  // 10 lines: cut down to 9 and unusable
      {short_with_two_fields, false, 10},
      {MakeList(9), false, 10},
  };
  for (const Case& c : cases) {
    Lines lines = c.lines;
    const PreparedList list = PrepareList(lines);
    EXPECT_EQ(list.unusable, c.unusable) << c.lines.size();
    EXPECT_EQ(lines.size(), c.lines_after) << c.lines.size();
  }

  Lines too_few = {"h", "x", "1,a"};
  const PreparedList list = PrepareList(too_few);
  EXPECT_EQ(too_few, (Lines{"h", "x", "1,a"}));  // nothing repaired
  EXPECT_TRUE(list.AwardName.empty());
  EXPECT_FALSE(list.lines_cut);
}

TEST(PrepareList, CutsAtTheLineLimit) {
  struct Case {
    size_t records;
    size_t lines_after;
    bool cut;
  };
  const Case cases[] = {{30000, 30001, false}, {30004, 30001, true}};
  for (const Case& c : cases) {
    Lines lines = MakeList(c.records);
    const PreparedList list = PrepareList(lines);
    EXPECT_EQ(lines.size(), c.lines_after);
    EXPECT_EQ(list.lines_cut, c.cut);
    EXPECT_EQ(lines.back(), MakeList(30000).back());
  }
}

TEST(PrepareList, ReadsTheHeader) {
  struct Case {
    std::string header;
    std::array<std::string, 9> titles;
    std::string award_name;
    std::string start_date;
    int32_t options;
  };
  const Case cases[] = {
      {kHeader,
       {"No", "No", "Name", "Code", "Place", "Worked", "Award", "21/01/01", "1"},
       "Award", "21/01/01", 1},
      {"A,B,C,D,E", {"No", "A", "B", "C", "D", "E", "", "", ""}, kUnyokyoku, "", 0},
      {"A,B,C,D,E,,00/00/00,x3", {"No", "A", "B", "C", "D", "E", "", "00/00/00", "x3"},
       kUnyokyoku, "00/00/00", 0},
      {"A,B,C,D,E,F,G,-5,9,10", {"No", "A", "B", "C", "D", "E", "F", "G", "-5"}, "F", "G",
       -5},
  };
  for (const Case& c : cases) {
    Lines lines = MakeList(9);
    lines[0] = c.header;
    const PreparedList list = PrepareList(lines);
    EXPECT_EQ(list.ColumnTitles, c.titles) << c.header;
    EXPECT_EQ(list.AwardName, c.award_name) << c.header;
    EXPECT_EQ(list.start_date, c.start_date) << c.header;
    EXPECT_EQ(list.AwardOptions, c.options) << c.header;
    EXPECT_EQ(lines[0], c.header);
  }
}

}  // namespace
