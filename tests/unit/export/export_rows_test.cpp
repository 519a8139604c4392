// The export's row set: the shown rows in display order, the QSO columns from each
// target's first worked entry, the century rule and the column names.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "export/export_rows.h"
#include "mst_writer.h"
#include "support/temp_folder.h"
#include "tally/qso_record.h"
#include "tally/qso_source.h"

namespace {

using spreadsheet::BuildExportRows;
using spreadsheet::ExportRowsInput;

const std::array<std::string, 6> kTitles = {"No", "Code", "Name", "Pref", "City", "Wkd"};

ExportRowsInput Input(const std::vector<std::string>& lines, const std::vector<int>& row_map) {
  return {lines, row_map, static_cast<int>(row_map.size()), kTitles, "<", "("};
}

TEST(ExportRowsTest, PlainRowsAreTheShownRowsNumberedInDisplayOrder) {
  const std::vector<std::string> lines = {"header", "01,A,x,y,", "02,B,x,y,JA1AA<3>", "03,C,\"p,q\""};
  const std::vector<int> filtered = {0, 3, 1};  // a filter shows two rows, last line first
  EXPECT_EQ(BuildExportRows(Input(lines, filtered)),
            (std::vector<std::string>{"No,Code,Name,Pref,City,Wkd", "1,03,C,\"p,q\"", "2,01,A,x,y"}));
  // Only the header row: one row of six titles.
  EXPECT_EQ(BuildExportRows(Input(lines, {0})),
            (std::vector<std::string>{"No,Code,Name,Pref,City,Wkd"}));
}

TEST(ExportRowsTest, CenturyRule) {
  const struct {
    const char* date;
    const char* expected;
  } cases[] = {{"51/12/31", "2051/12/31"}, {"52/01/01", "1952/01/01"},
               {"00/01/02", "2000/01/02"}, {"99/12/31", "1999/12/31"}};
  for (const auto& c : cases) EXPECT_EQ(spreadsheet::FourDigitDate(c.date), c.expected) << c.date;
}

TEST(ExportRowsTest, ColumnNamesGoPastZAsTheSpreadsheetDoes) {
  const struct {
    int position;
    const char* name;
  } cases[] = {{1, "A"}, {11, "K"}, {26, "Z"}, {27, "AA"}, {28, "AB"}, {52, "AZ"}, {53, "BA"},
               {702, "ZZ"}, {703, "AAA"}};
  for (const auto& c : cases) EXPECT_EQ(spreadsheet::ColumnName(c.position), c.name) << c.position;
}

// The QSO columns through the real logging library on a small database.
class ExportQsoRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    korvax::MstWriter writer(folder_.Name("log.mst"));
    writer.Append({.call = "JA1AAA", .date = "51/12/31", .time = "12:34:56", .frequency = "7.025", .mode = "CW"});
    writer.Append({.call = "JH2BBB", .date = "52/01/01", .time = "09:05", .frequency = "14.2", .mode = "SSB"});
    writer.Append({.call = "JR3CCC", .date = "20/05/06", .time = "23:59", .frequency = "430", .mode = "FM"});
    ASSERT_TRUE(writer.Finish());
    ASSERT_EQ(library_.KorvaxOpen(0, record_.data(), folder_.Name("log.mst").c_str(), 1), 0);
  }
  void TearDown() override { library_.KorvaxClose(record_.data(), 1); }

  // Data row 1 of the export with QSO columns of a list whose one target is `line`.
  std::string RowFor(const std::string& line) {
    const std::vector<std::string> lines = {"header", line};
    const std::vector<int> row_map = {0, 1};
    const auto rows = BuildExportRows(Input(lines, row_map), {&library_, &record_});
    EXPECT_EQ(rows.size(), 2u);
    return rows.size() > 1 ? rows[1] : std::string();
  }

  TempFolder folder_;
  tally::KorvaxLibrary library_;
  QsoRecord record_;
};

TEST_F(ExportQsoRowsTest, HeaderGetsTheFiveQsoTitlesBeforeTheWorkedTitle) {
  const std::vector<std::string> lines = {"header"};
  const std::vector<int> row_map = {0};
  EXPECT_EQ(BuildExportRows(Input(lines, row_map), {&library_, &record_})[0],
            "No,Code,Name,Pref,City,Call,Date,Time,Freq,Mode,Wkd");
}

TEST_F(ExportQsoRowsTest, QsoOfTheFirstWorkedEntry) {
  const struct {
    const char* line;
    const char* row;
  } cases[] = {
      // One entry: its QSO, column K empty; fields after the worked field follow.
      {"01,A,x,y,JA1AAA<1>,extra", "1,01,A,x,y,JA1AAA,2051/12/31,12:34,7.025,CW,,extra"},
      // Two entries: the first one's QSO, the second unchanged in column K.
      {"01,A,x,y,JH2BBB(2):JA1AAA<1>", "1,01,A,x,y,JH2BBB,1952/01/01,09:05,14.2,SSB,JA1AAA<1>"},
      // The worked bracket is looked for before the confirmed one, wherever they stand.
      {"01,A,x,y,J(2)<3>", "1,01,A,x,y,JR3CCC,2020/05/06,23:59,430,FM,"},
      // Empty worked field, no bracket, a record that cannot be read: empty QSO cells.
      {"01,A,x,y,", "1,01,A,x,y"},
      {"01,A,x,y,,z", "1,01,A,x,y,,,,,,,z"},
      {"01,A,x,y,JA1AAA", "1,01,A,x,y,,,,,,"},
      {"01,A,x,y,JA1AAA<99>:JH2BBB<2>", "1,01,A,x,y,,,,,,JH2BBB<2>"},
      // Fewer than five fields: the plain layout.
      {"01,A,x", "1,01,A,x"},
      // The bracket is searched within the first 30 characters only.
      {"01,A,x,y,ABCDEFGHIJKLMNOPQRSTUVWXYZ1234<1>", "1,01,A,x,y,,,,,,"},
      {"01,A,x,y,ABCDEFGHIJKLMNOPQRSTUVWXYZ<1>", "1,01,A,x,y,JA1AAA,2051/12/31,12:34,7.025,CW,"},
  };
  for (const auto& c : cases) EXPECT_EQ(RowFor(c.line), c.row) << c.line;
}

}  // namespace
