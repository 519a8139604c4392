// The library's date, band, QTH code and number rules.
#include <gtest/gtest.h>
#include <korvax50.h>

#include <climits>

namespace {

TEST(DateComp, ComparesAcrossTheCenturyAndTreatsNoDateAsEarliest) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"21/01/28", "21/01/27", 1},
      {"21/01/28", "21/01/28", 0},
      {"21/01/28", "21/02/01", -1},
      {"00/01/01", "99/12/31", 1},   // 2000 after 1999
      {"50/01/01", "51/01/01", 1},   // 2050 after 1951
      {"01/01/01", "00/00/00", 1},   // no start date: every record is later
      {"51/01/01", "00/00/00", 1},
      {"00/00/00", "00/00/00", 0},
      {"21/01/28", "", 1},           // text that is not a date counts as no date
      {"21/1/28", "21/01/01", -1},
      {"21-01-28", "00/00/00", 0},
  };
  for (const Case& c : cases) {
    int result = DateComp(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
  }
  EXPECT_EQ(DateComp(nullptr, "00/00/00"), 0);
  EXPECT_GT(DateComp("21/01/01", nullptr), 0);
}

TEST(FreqPCheck, MapsMhzTextAndBandNamesToBandIndexes) {
  struct Case {
    const char* text;
    int band;
  } cases[] = {
      {"1.9", 0},      {"1.8105", 0}, {"3.5", 1},      {"3.798", 1},   {"7", 2},
      {"7.025", 2},    {"10", 3},     {"10.125", 3},   {"14.074", 4},  {"18.1", 5},
      {"21", 6},       {"24.94", 7},  {"28.5", 8},     {"29.7", 8},    {"50.2", 9},
      {"144", 10},     {"145.00", 10}, {"430.12", 11}, {"1200", 12},   {"1295.5", 12},
      {"2400", 13},    {"5600", 14},  {"5760.1", 14},  {" 7.0", 2},
      {"", -1},        {"abc", -1},   {"7025", -1},    {"27.1", -1},   {"99999999999999", -1},
      {".", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FreqPCheck(c.text), c.band) << c.text;
  EXPECT_EQ(FreqPCheck(nullptr), -1);
}

TEST(ChosonCheck, ClassifiesCodesByTheirDigits) {
  struct Case {
    const char* code;
    int kind;
  } cases[] = {
      {"100105", 6}, {"250101 ", 6}, {"1001", 4}, {"18005", 5}, {"10", 2},
      {"", 0},       {"1", 0},       {"100", 0},  {"1001A", 0}, {" 1001", 0}, {"1234567", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ChosonCheck(c.code), c.kind) << "'" << c.code << "'";
  EXPECT_EQ(ChosonCheck(nullptr), 0);
}

TEST(StrToLong, ReadsTheLeadingSignedNumberAndSaturates) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {
      {"123", 123},
      {"01-001,", 1},
      {"-123,", -123},
      {"  42abc", 42},
      {"\t7", 7},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"+5", 0},
      {"--5", 0},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},
      {"99999999999999999999", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"-99999999999999999999", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToLong(c.text), c.value) << c.text;
  EXPECT_EQ(StrToLong(nullptr), 0);
}

TEST(Version, IsNewEnoughForTheProgram) { EXPECT_GE(GetKrdllVersion(), 337920); }

}  // namespace
