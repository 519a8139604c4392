// The tally's small rules, as tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tally/tally_rules.h"

namespace {

using tally::KeywordSlots;

const std::string kStation = "\x81\xa0";         // □
const std::string kHotSpring = "\x93\x92-";      // 湯-
const std::string kCity = "\x82\xd0-\x96k";      // ひ-北
const std::string kAward = "\x89^\x97p\x8b\xc7";  // 運用局

TEST(ClassifyKeyword, CutsTheKeywordToWhatNamesTheTargets) {
  KeywordSlots slots;
  slots[2] = "JCC";
  slots[15] = "\x8e\x52";  // 山
  slots[16] = "WARD";      // slots from 16 on do not name a kind
  struct Case {
    std::string keyword;
    std::string cut;
    int kind;
  };
  const std::vector<Case> cases = {
      {kStation + "01-0", kStation, 0},
      {kHotSpring + "123", kHotSpring, 1},
      {"JCC1001", "JCC", 5},
      {"\x8e\x52\x8c\x60", "\x8e\x52", 18},  // 山形 begins with slot 15
      {"WARD01", "WA", 0},
      {"J", "J", 0},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    std::string keyword = c.keyword;
    EXPECT_EQ(tally::ClassifyKeyword(keyword, slots), c.kind) << c.keyword;
    EXPECT_EQ(keyword, c.cut) << c.keyword;
  }
}

std::vector<std::string> ListOf(const std::vector<std::string>& targets) {
  std::vector<std::string> lines = {"No,Name,Code,Place,Worked," + kAward};
  lines.insert(lines.end(), targets.begin(), targets.end());
  return lines;
}

std::vector<std::string> Repeat(const std::string& line, int count) {
  return std::vector<std::string>(static_cast<size_t>(count), line);
}

TEST(ClassifyList, TellsTheListTypeFromTheFirstBytes) {
  KeywordSlots slots;
  slots[16] = "\x82\xdd\x82\xbf";  // みち
  std::vector<std::string> mixed = Repeat(kStation + "01-001,a,0101,x", 9);
  mixed.push_back(kHotSpring + "1,b,0101,y");
  std::vector<std::string> za55 = Repeat("ZA-0001,a,,x", 55);
  std::vector<std::string> za56 = Repeat("ZA-0001,a,,x", 56);
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    bool mixed, za, per_city;
  };
  const std::vector<Case> cases = {
      {"plain", ListOf(Repeat(kStation + "01-001,a,0101,x", 9)), false, false, false},
      {"mixed", ListOf(mixed), true, false, false},
      {"55 ZA lines", ListOf(za55), false, false, false},
      {"56 ZA lines", ListOf(za56), false, true, false},
      {"one city line", ListOf({kCity + "1,a,0101,x", "\x82\xd0-x,a,0101,x", "\x82\xd0-y,a,0101,x"}),
       false, false, false},
      {"two lines of slot 24", ListOf(Repeat(kCity + "1,a,0101,x", 9)), false, false, true},
      {"slot 16", ListOf(Repeat("\x82\xdd\x82\xbf-1,a,0101,x", 9)), false, false, true},
      {"fewer than four lines", ListOf({"A,b", "C,d"}), false, false, false},
  };
  for (const Case& c : cases) {
    const tally::ListKind kind = tally::ClassifyList(c.lines, slots);
    EXPECT_EQ(kind.MixedList, c.mixed) << c.name;
    EXPECT_EQ(kind.ZaList, c.za) << c.name;
    EXPECT_EQ(kind.PerCityList, c.per_city) << c.name;
    EXPECT_EQ(kind.ExcelTableAllowed(), !c.mixed && !c.za) << c.name;
  }
}

TEST(IsClubOrSpecialCall, FollowsTheCallPatterns) {
  struct Case {
    const char* call;
    bool club;
  };
  const std::vector<Case> cases = {
      {"8J1A", true},      {"8N3RAD/3", true}, {"JA1RL", true},   {"JA1RL/1", true},
      {"JH1RL", false},    {"JA1YAA", true},   {"JA1ZZZ", true},  {"JA1ABC", false},
      {"JA1YA", false},    {"7K1YAB/2", true}, {"7K1AYB", false}, {"JA1Y", false},  {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(tally::IsClubOrSpecialCall(c.call), c.club) << c.call;
}

TEST(DropLeadingCall, RemovesOnlyTheLeadingEntriesOfThatStation) {
  struct Case {
    std::string run, field, after;
    bool removed;
  };
  const std::vector<Case> cases = {
      {"JA1ABC", "JA1ABC<5>:JA1ABC/1(3>:JH2X<2>:JA1ABC<1>", "JH2X<2>:JA1ABC<1>", true},
      {"JA1ABC", "JA1ABC<5>", "", true},
      {"JA1ABC", "JA1ABC<5>:", "", true},
      {"JA1ABC", "JH2X<2>:JA1ABC<1>", "JH2X<2>:JA1ABC<1>", false},
      {"JA1AB", "JA1ABC<5>", "JA1ABC<5>", false},
      {"", "ja1abc<5>:x<1>", "ja1abc<5>:x<1>", false},  // an unworked target drops nothing
      {"JA1ABC", "", "", false},
      // Long fields are kept whole: nothing after the removed entries is cut.
      {"A1", "A1<1>:" + std::string(20000, 'B') + "<2>", std::string(20000, 'B') + "<2>", true},
  };
  for (const Case& c : cases) {
    std::string field = c.field;
    EXPECT_EQ(tally::DropLeadingCall(c.run, field), c.removed) << c.field.substr(0, 40);
    EXPECT_EQ(field, c.after) << c.field.substr(0, 40);
  }
  EXPECT_EQ(tally::LeadingCallRun("JA1ABC/1<5>:X"), "JA1ABC");
  EXPECT_EQ(tally::LeadingCallRun(std::string(40, 'A')), std::string(30, 'A'));
}

TEST(Brackets, TakeTwoCharactersPaddedWithBlanks) {
  struct Case {
    std::string text, open, close;
    bool usable;
  };
  const std::vector<Case> cases = {
      {"<>", "<", ">", true},
      {"<>xyz", "<", ">", true},
      {"[", "[", " ", true},
      {"\x81y\x81z", "\x81y", "\x81z", false},  // 【】: double-byte brackets are refused
      {"1>", "1", ">", false},                 // a digit would be read as a record number
      {"<A", "<", "A", false},                 // a letter as part of a call sign
      {"<:", "<", ":", false},                 // ":" as the entry separator
      {"", " ", " ", false},
      {" >", " ", ">", false},
      {"\x81", "\x81", " ", false},  // a lone lead byte
  };
  for (const Case& c : cases) {
    const tally::BracketPair pair = tally::ParseBrackets(c.text);
    EXPECT_EQ(pair.open, c.open) << c.text;
    EXPECT_EQ(pair.close, c.close) << c.text;
    EXPECT_EQ(pair.IsUsable(), c.usable) << c.text;
  }
}

TEST(AppendQsoEntry, WritesWorkedOrConfirmedEntriesSetOffByColons) {
  tally::EntryStyle style{tally::ParseBrackets("<>"), tally::ParseBrackets("()"),
                          tally::MakeGiveUpMarks("  N\x81~ ")};  // N and ×
  EXPECT_EQ(style.GiveUpMarks, "N\x81~ ");
  struct Case {
    std::string line;
    std::string call;
    char mark;
    int32_t number;
    std::string after;
  };
  const std::vector<Case> cases = {
      {"A,b,c,d", "JA1ABC", ' ', 12, "A,b,c,d,JA1ABC<12>"},
      {"A,b,c,d,", "JA1ABC", '\0', 12, "A,b,c,d,JA1ABC<12>"},
      {"A,b,c,d,JA1ABC<12>", "K1A", 'J', 3, "A,b,c,d,JA1ABC<12>:K1A(3)"},
      {"A,b,c,d,JA1ABC<12>,note", "K1A", 'N', 3, "A,b,c,d,JA1ABC<12>:K1A<3>,note"},
      {"A", "K1A", '~', 3, "A,,,,K1A(3)"},  // ~ is only the trail byte of ×
      // The first entry is short, the second is still set off.
      {"A,b,c,d,X<1>", "Y", ' ', 2, "A,b,c,d,X<1>:Y<2>"},
      // A control byte from a broken database cannot split the list file's line.
      {"A,b,c,d", "JA\r1", ' ', 2, "A,b,c,d,JA 1<2>"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    tally::AppendQsoEntry(line, c.call, c.mark, c.number, style);
    EXPECT_EQ(line, c.after) << c.line;
  }
}

TEST(ReportText, IsTheProgramsOwnWords) {
  EXPECT_EQ(tally::ReportText(0, 0, kAward, true),
            "\x81u" + kAward +
                "\x81v\x82\xc6\x82\xcc\x8c\xf0\x90M\x8bL\x98^\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81"
                "B");
  const std::string worked =
      "12\x89\xd3\x8f\x8a\x82\xcc\x81u" + kAward +
      "\x81v\x82\xc6\x8c\xf0\x90M\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81"
      "B\r\r\x82\xa4\x82\xbf 3\x89\xd3\x8f\x8a\x82\xcc\x83R\x83\x93\x83t\x83@\x81[\x83\x80\x82\xc5\x82\xb7\x81"
      "B";
  EXPECT_EQ(tally::ReportText(12, 3, kAward, false), worked);
  EXPECT_EQ(tally::ReportText(12, 3, kAward, true),
            worked +
                "\r\r\x83"
                "A\x83\x8f\x81[\x83h\x82\xcc\x90\x5c\x90\xbf\x83t\x83@\x83"
                "C\x83\x8b\x81i\x83G\x83N\x83Z\x83\x8b\x81j\x82\xc9\x93\x5c\x82\xe8\x95t\x82\xaf\x82\xe9\x82\xb1\x82\xc6\x82\xaa\x82\xc5\x82\xab\x82\xdc\x82\xb7\x81"
                "B");
  // A per cent sign in the award name is text, not a format.
  EXPECT_EQ(tally::ReportText(1, 0, "%s%d", false).substr(0, 13), "1\x89\xd3\x8f\x8a\x82\xcc\x81u%s%d");
}

}  // namespace
