#include "targets/list_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/platform.h"

namespace {

using targets::SortOrder;
using targets::SortRecords;
using Lines = std::vector<std::string>;

TEST(NumberSortKey, PrefixAndFiveDigitNumber) {
  struct Case {
    std::string number, key;
  };
  const Case cases[] = {
      {"A-10", "A-00010"},
      {"B-1", "B-00001"},
      {"123", "12300000"},
      {"", "00000"},
      {"JA-123456", "JA-123456"},
      {"A-x", "A00000"},
      // A hyphen inside a double-byte character (ー is 0x81 0x5B, ‐ is 0x81 0x5D) is no hyphen.
      {"\x81[-7", "\x81[-00007"},
      // Only the first 62 bytes count.
      {std::string(62, 'X') + "-5", std::string(62, 'X') + "00000"},
  };
  for (const Case& c : cases) EXPECT_EQ(targets::NumberSortKey(c.number), c.key) << c.number;
}

TEST(CodeSortKey, CodeAndTwoBlanks) {
  EXPECT_EQ(targets::CodeSortKey({"1", "x", "0101"}), "0101  ");
  EXPECT_EQ(targets::CodeSortKey({"1", "x"}), "  ");
}

Lines Sorted(Lines lines, SortOrder order) {
  SortRecords(lines, order, platform::CompareTextIgnoreCase);
  return lines;
}

TEST(SortRecords, ByNumberReadsTheNumberAfterTheHyphen) {
  const Lines lines = {"head", "A-10,x,0110,p", "B-1,x,0201,p", "A-2,x,0102,p"};
  EXPECT_EQ(Sorted(lines, SortOrder::kByNumber),
            (Lines{"head", "A-2,x,0102,p", "A-10,x,0110,p", "B-1,x,0201,p"}));
}

TEST(SortRecords, ByCodePutsTheShorterCodeFirst) {
  const Lines lines = {"head", "1,x,01015,p", "2,x,0101,p", "3,x", "4,x,0100,p"};
  EXPECT_EQ(Sorted(lines, SortOrder::kByCode),
            (Lines{"head", "3,x", "4,x,0100,p", "2,x,0101,p", "1,x,01015,p"}));
}

TEST(SortRecords, EqualKeysAreOrderedByTheRestOfTheRecordAndLinesStayAsRead) {
  // Same code: the rest of the record decides; the padded record keeps its two commas.
  const Lines lines = {"head", "9,b,0101,,", " 8 ,a,0101,p,JA1<1>"};
  EXPECT_EQ(Sorted(lines, SortOrder::kByCode), (Lines{"head", " 8 ,a,0101,p,JA1<1>", "9,b,0101,,"}));
  EXPECT_EQ(Sorted(lines, SortOrder::kByNumber), (Lines{"head", " 8 ,a,0101,p,JA1<1>", "9,b,0101,,"}));
}

TEST(SortRecords, RecordsThatCompareEqualKeepTheirOrder) {
  // Letter case is ignored by the comparison: these records compare equal.
  const Lines lines = {"head", "a-1,x", "A-1,X", "a-1,X", "A-1,x"};
  EXPECT_EQ(Sorted(lines, SortOrder::kByNumber), lines);
  // The program's own sort, which converts every text once for the locale's comparison.
  Lines mixed = {"head", "b-2,x", "a-1,x", "A-1,X", "B-1,y"};
  SortRecords(mixed, SortOrder::kByNumber);
  EXPECT_EQ(mixed, (Lines{"head", "a-1,x", "A-1,X", "B-1,y", "b-2,x"}));
}

TEST(SortRecords, ShortListsAreLeftAlone) {
  EXPECT_EQ(Sorted({"head"}, SortOrder::kByCode), Lines{"head"});
  EXPECT_EQ(Sorted({"head", "2,x"}, SortOrder::kByCode), (Lines{"head", "2,x"}));
}

// The comparisons a sort makes grow as n log n whatever the input order (a plain
// quicksort on sorted or equal input makes n squared of them).
int comparisons = 0;
int CountingCompare(std::string_view a, std::string_view b) {
  ++comparisons;
  return platform::CompareTextIgnoreCase(a, b);
}

TEST(SortRecords, ComparisonsStayNearNLogNOnOrderedReversedAndEqualInput) {
  constexpr int kRecords = 4096;  // n log2 n = 49 152
  for (int shape = 0; shape < 3; ++shape) {
    Lines lines{"head"};
    for (int n = 0; n < kRecords; ++n) {
      const int number = shape == 0 ? n + 1 : shape == 1 ? kRecords - n : 7;
      lines.push_back("A-" + std::to_string(number) + ",x,01,p");
    }
    comparisons = 0;
    SortRecords(lines, SortOrder::kByNumber, CountingCompare);
    EXPECT_LT(comparisons, 3 * 49152) << "shape " << shape;
    EXPECT_TRUE(std::is_sorted(lines.begin() + 1, lines.end(), [](const auto& a, const auto& b) {
      return targets::NumberSortKey(a.substr(0, a.find(','))) < targets::NumberSortKey(b.substr(0, b.find(',')));
    }));
  }
}

}  // namespace
