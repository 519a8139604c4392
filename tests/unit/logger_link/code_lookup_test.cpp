#include "logger_link/code_lookup.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace logger_link {
namespace {

using Kind = LookupResult::Kind;

const char kLongCode[] = "LONGCODE-ABCDEFGHIJ";  // 19 bytes: a key longer than 15 bytes

class CodeLookupTest : public ::testing::Test {
 protected:
  CodeLookupTest() {
    lines_ = {"No,Name,Code,QTH",
              "A-1,Alpha,AB-123,Town",
              "A-2,Beta,AB-124,Town",
              "A-3,Gamma,CD-1,Town",
              "A-4,Delta,AB-123,Town2",
              std::string("A-5,Eps,") + kLongCode + ",Town",
              std::string("A-6,Zeta,") + kLongCode + ",Town",
              "AB-123"};  // no comma: nothing after it to search
    row_map_.resize(lines_.size());
    std::iota(row_map_.begin(), row_map_.end(), 0);
  }

  // The lookup of an entry with `code` (and remarks) while `current_row` is selected.
  LookupResult Find(const std::string& code, int current_row = 1, const std::string& remarks1 = "",
                    const std::string& remarks2 = "", const std::string& keyword = "A-") {
    const LookupList list{lines_, row_map_, static_cast<int>(row_map_.size())};
    return lookup_.Find({code, remarks1, remarks2}, keyword, list, current_row);
  }

  int FoundRow(const LookupResult& result) { return result.kind == Kind::kFound ? result.row : -1; }

  std::vector<std::string> lines_;
  std::vector<int> row_map_;
  CodeLookup lookup_;
};

TEST_F(CodeLookupTest, FullKeyThenShorterKeys) {
  EXPECT_EQ(FoundRow(Find("AB-124")), 2);
  EXPECT_EQ(FoundRow(Find(" AB-124\t")), 2);  // blanks and control bytes trimmed
  // ",AB-12," is nowhere; ",AB-12" is in the first AB-123.
  EXPECT_EQ(FoundRow(Find("AB-12")), 1);
  // Down to the comma and two bytes: ",CD" of CD-1.
  EXPECT_EQ(FoundRow(Find("CDX")), 3);
}

TEST_F(CodeLookupTest, TheSameCodeStepsOnAndWrapsWithAShorterKey) {
  int row = FoundRow(Find("AB-123"));
  EXPECT_EQ(row, 1);
  row = FoundRow(Find("AB-123", row));
  EXPECT_EQ(row, 4);
  // Nothing after row 4 holds the full key: row 1 holds the shortened one.
  EXPECT_EQ(FoundRow(Find("AB-123", row)), 1);
  // Another code in between starts from the top again.
  EXPECT_EQ(FoundRow(Find("AB-124", 4)), 2);
  EXPECT_EQ(FoundRow(Find("AB-123", 2)), 1);
}

TEST_F(CodeLookupTest, ALongCodeRepeatedStillStepsOn) {
  EXPECT_EQ(FoundRow(Find(kLongCode)), 5);
  EXPECT_EQ(lookup_.LastLookupKey(), std::string(",") + kLongCode + ",");
  EXPECT_EQ(FoundRow(Find(kLongCode, 5)), 6);
}

TEST_F(CodeLookupTest, NotFoundBoxAndNothingForBlankCodes) {
  const LookupResult result = Find(" ZZ-9 ");
  ASSERT_EQ(result.kind, Kind::kNotFound);
  EXPECT_EQ(result.box_caption, "ZZ-9,");
  // Korvax == ZZ-9,\r\r・・・に一致するコードは見つかりませんでした。
  EXPECT_EQ(result.box_text,
            "Korvax == ZZ-9,\r\r\x81" "E\x81" "E\x81" "E\x82\xc9\x88\xea\x92v\x82\xb7\x82\xe9\x83R\x81[\x83h"
            "\x82\xcd\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81" "B");
  for (const char* blank : {"", "   ", "\t \r"}) EXPECT_EQ(Find(blank).kind, Kind::kNothing) << blank;
}

TEST_F(CodeLookupTest, RemarksRouteComesFirst) {
  // The keyword and what follows it up to the first comma: "A-3," is row 3's.
  EXPECT_EQ(FoundRow(Find("AB-124", 1, "x A-3,Gamma", "")), 3);
  EXPECT_EQ(FoundRow(Find("AB-124", 1, "nothing", "A-4,Delta")), 4);
  // Not found by remarks: the code decides.
  EXPECT_EQ(FoundRow(Find("AB-124", 1, "A-9,", "")), 2);
  // No keyword: the code decides.
  EXPECT_EQ(FoundRow(Find("AB-124", 1, "A-3,Gamma", "", "")), 2);
}

TEST_F(CodeLookupTest, AFilteredGridSearchesItsOwnRows) {
  row_map_ = {0, 4, 2, 99};  // row 3 points outside the list
  EXPECT_EQ(FoundRow(Find("AB-123")), 1);
  EXPECT_EQ(FoundRow(Find("AB-123", 1)), 1);  // no other row holds it: wraps to row 1
  EXPECT_EQ(FoundRow(Find("AB-124")), 2);
  EXPECT_EQ(Find("CD-1").kind, Kind::kNotFound);  // row 3 is not shown
}

TEST_F(CodeLookupTest, HostileCodesEndQuickly) {
  // A code of 100 000 bytes repeated, binary bytes and a lead byte at the end.
  const std::string huge(100000, 'A');
  EXPECT_EQ(Find(huge).kind, Kind::kNotFound);
  EXPECT_EQ(Find(huge, 3).kind, Kind::kNotFound);
  EXPECT_EQ(FoundRow(Find(std::string("AB-1\x00\xff", 6))), 1);
  EXPECT_EQ(FoundRow(Find("AB-1\x82")), 1);
  lines_.push_back("A-8,Eta," + std::string(100000, 'A') + ",Town");
  row_map_.push_back(8);
  EXPECT_EQ(FoundRow(Find(huge + "B")), 8);
}

}  // namespace
}  // namespace logger_link
