// The workbook file written when no spreadsheet program is installed: read back, it holds
// the same cells and look as the sheet, and its name never takes an existing file's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "base/platform.h"
#include "export/workbook_file.h"
#include "support/temp_folder.h"
#include "targets/comma_text.h"

namespace {

TEST(WorkbookFileTest, NamedAfterTheListAndTheDateNeverOverAnExistingFile) {
  std::set<std::string> taken;
  auto exists = [&](const std::string& name) { return taken.count(name) > 0; };
  // 道の駅.scsv in a folder whose name has a dot and a "\" as a trail byte (表).
  const std::string list = "C:\\a.b\\\x95\\\\\x93\xb9\x82\xcc\x89w.scsv";
  const std::string stem = "C:\\a.b\\\x95\\\\\x93\xb9\x82\xcc\x89w_20260101";
  EXPECT_EQ(spreadsheet::WorkbookFileName(list, "20260101", exists), stem + ".xlsx");
  taken = {stem + ".xlsx", stem + "_2.xlsx"};
  EXPECT_EQ(spreadsheet::WorkbookFileName(list, "20260101", exists), stem + "_3.xlsx");
  EXPECT_EQ(spreadsheet::WorkbookFileName("C:\\x.y\\list", "20260101", exists), "C:\\x.y\\list_20260101.xlsx");
}

TEST(WorkbookFileTest, ReadBackItHoldsTheCellsAndTheLookOfTheSheet) {
#ifdef _WIN32
  GTEST_SKIP() << "read back by the native build";
#else
  const std::vector<std::string> rows = {
      "No,\x83R\x81[\x83h,Name,Pref,City,Call,Date,Time,Freq,Mode,Wkd",  // コード
      "1,01,\x93\xb9\x82\xcc\x89w,x,y,JA1AAA,2021/05/01,12:34,7.025,CW,JH2BBB(9)",  // 道の駅
      "2,02,\"a,b\",x",
      "3,03,,,,,,,,,,extra"};
  TempFolder folder;
  const std::string workbook = folder.Name("list.xlsx");
  ASSERT_TRUE(spreadsheet::WriteWorkbookFile(platform::PathFromCp932(workbook), rows).ok());
  const std::string expected = folder.Name("expected.tsv");
  {
    std::ofstream tsv(expected, std::ios::binary);
    for (const std::string& row : rows) {
      const std::vector<std::string> cells = targets::SplitCommaText(row);
      for (size_t i = 0; i < cells.size(); ++i) tsv << (i ? "\t" : "") << platform::Cp932ToUtf8(cells[i]);
      tsv << "\n";
    }
  }
  const std::string command = "python3 " SORVANO_FIXTURES "/../xlsx/check_workbook.py '" + workbook +
                              "' '" + expected + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
#endif
}

TEST(WorkbookFileTest, AFolderThatIsNotThereIsAnError) {
  TempFolder folder;
  const Status written = spreadsheet::WriteWorkbookFile(folder.path() / "missing" / "list.xlsx", {"No"});
  EXPECT_FALSE(written.ok());
  EXPECT_FALSE(written.message().empty());
}

}  // namespace
