// sorvano-tally through its entry function: settings and flags become the tally's
// options, an ADIF log is converted on the way, and the list is written only when asked.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "tally_cli.h"
#include "tally_test_support.h"
#include "targets/list_file_io.h"

namespace {

const std::string kStation = "\x81\xa0";  // □

std::string Same(std::string_view text) { return std::string(text); }
std::string SamePath(const std::string& name) { return name; }

class TallyCliTest : public ::testing::Test {
 protected:
  TallyCliTest() {
    list = folder.Name("list.scsv");
    std::vector<std::string> lines = {"No,Name,Code,Place,Worked,Award,,0"};
    for (int i = 1; i <= 9; ++i) lines.push_back(kStation + "01-00" + std::to_string(i) + ",a,0101,x");
    targets::WriteListFile(list, lines);
    std::vector<korvax::MstRecord> qsos(2, {.call = "JA1AAA", .date = "21/01/02", .frequency = "7.025",
                                            .mode = "CW", .remarks1 = kStation + "01-002,",
                                            .remarks2 = kStation + "01-003,"});
    qsos[1].call = "JA1BBB";
    qsos[1].mode = "FM";
    database = tally_test::WriteDatabase(folder.Name("log.mst"), qsos);
  }

  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return tally_cli::Run(args, out, err, {Same, SamePath});
  }

  std::string Line(size_t i) const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(list, bytes).ok());
    return SplitLines(bytes)[i];
  }

  tally_test::TempFolder folder;
  std::string list;
  std::string database;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(TallyCliTest, SettingsAndFlagsChooseWhatIsCounted) {
  const std::string settings = folder.Name("sorvano.ini");
  // Rmks bit 7: Remarks1 only; Mode: FM; the worked brackets [].
  ASSERT_TRUE(WriteFileAtomic(settings, "[Set]\r\nRmks=128\r\nMode=FM\r\nWkdChr=[]\r\n").ok());
  ASSERT_EQ(Run({"--settings", settings, "--write", list, database}), tally_cli::kExitDone);
  EXPECT_EQ(Line(2), kStation + "01-002,a,0101,x,JA1BBB[2]");
  EXPECT_EQ(Line(3), kStation + "01-003,a,0101,x,");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(settings, bytes).ok());
  EXPECT_EQ(bytes, "[Set]\r\nRmks=128\r\nMode=FM\r\nWkdChr=[]\r\n");  // never rewritten

  ASSERT_EQ(Run({"--settings", settings, "--mode", "", "--remarks", "2", "--write", list, database}), 0);
  EXPECT_EQ(Line(3), kStation + "01-003,a,0101,x,JA1BBB[2]:JA1AAA[1]");
  EXPECT_NE(out.str().find("\n\n"), std::string::npos);  // the report's "\r\r" as line ends
}

TEST_F(TallyCliTest, TheListIsWrittenOnlyWhenAsked) {
  ASSERT_EQ(Run({"--remarks", "1", list, database}), tally_cli::kExitDone);
  EXPECT_EQ(Line(2), kStation + "01-002,a,0101,x");
  ASSERT_EQ(Run({"--remarks", "1", "--from-date", "22/01/01", "--write", list, database}), 0);
  EXPECT_EQ(Line(2), kStation + "01-002,a,0101,x");  // nothing worked: left as it was
  EXPECT_NE(err.str().find("left as it was"), std::string::npos);
}

TEST_F(TallyCliTest, AnAdifLogIsConvertedFirst) {
  const std::string adif = folder.Name("log.adi");
  const std::string comment = kStation + "01-004,";
  ASSERT_TRUE(WriteFileAtomic(adif, "<EOH><CALL:6>JA1CCC<QSO_DATE:8>20210102<COMMENT:" +
                                        std::to_string(comment.size()) + ">" + comment + "<EOR>")
                  .ok());
  ASSERT_EQ(Run({"--remarks", "1", "--write", list, adif}), tally_cli::kExitDone);
  EXPECT_EQ(Line(4), kStation + "01-004,a,0101,x,JA1CCC<1>");
}

// The list is prepared as the program prepares it after opening it: one-field and empty
// lines go, short records are padded, and a list of fewer than nine targets is refused.
TEST_F(TallyCliTest, TheListIsPreparedAsTheProgramPreparesIt) {
  std::vector<std::string> lines = targets::ReadListFile(list);
  lines.insert(lines.begin() + 2, {"lonely", ""});
  lines[1] = kStation + "01-001,a";
  targets::WriteListFile(list, lines);
  ASSERT_EQ(Run({"--remarks", "1", "--write", list, database}), tally_cli::kExitDone);
  EXPECT_EQ(Line(1), kStation + "01-001,a,,,");  // padded, then its worked field emptied
  EXPECT_EQ(Line(2), kStation + "01-002,a,0101,x,JA1BBB<2>:JA1AAA<1>");

  lines.resize(9);
  targets::WriteListFile(list, lines);
  EXPECT_EQ(Run({"--remarks", "1", list, database}), tally_cli::kExitList);
  EXPECT_NE(err.str().find("not a usable list"), std::string::npos);
}

TEST_F(TallyCliTest, TheExportWorkbookIsWrittenFromTheTalliedList) {
  const std::string workbook = folder.Name("list.xlsx");
  ASSERT_EQ(Run({"--remarks", "1", "--xlsx", workbook, list, database}), tally_cli::kExitDone);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(workbook, bytes).ok());
  EXPECT_EQ(bytes.substr(0, 2), "PK");
  EXPECT_EQ(Run({"--xlsx", folder.Name("missing/list.xlsx"), list, database}), tally_cli::kExitWorkbook);
}

// A NUL byte ends the list's text where the program reads it: --write would cut the file
// short there, so it is refused and the file keeps every byte.
TEST_F(TallyCliTest, WriteRefusesAListWhoseTextANulByteEnded) {
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(list, bytes).ok());
  bytes += std::string(1, '\0') + "tail that the program never reads\r\n";
  ASSERT_TRUE(WriteFileAtomic(list, bytes).ok());
  EXPECT_EQ(Run({"--remarks", "1", list, database}), tally_cli::kExitDone);
  EXPECT_NE(err.str().find("line 11"), std::string::npos) << err.str();
  EXPECT_EQ(Run({"--remarks", "1", "--write", list, database}), tally_cli::kExitPartialList);
  std::string after;
  ASSERT_TRUE(ReadWholeFile(list, after).ok());
  EXPECT_EQ(after, bytes);
}

// A missing, foreign, empty or cut-short database each get their own words.
TEST_F(TallyCliTest, DatabaseMessagesSayWhatIsWrong) {
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(database, bytes).ok());
  const std::string cut = folder.Name("cut.mst");
  ASSERT_TRUE(WriteFileAtomic(cut, bytes.substr(0, bytes.size() - 10)).ok());
  const std::string empty = folder.Name("empty.mst");
  ASSERT_TRUE(WriteFileAtomic(empty, "").ok());
  const std::pair<std::string, std::string> cases[] = {
      {folder.Name("none.mst"), "cannot be opened"},
      {list, "is not a QSO database"},
      {empty, "is not a QSO database"},
      {cut, "is cut short"},
  };
  for (const auto& [file, words] : cases) {
    EXPECT_EQ(Run({list, file}), tally_cli::kExitDatabase) << file;
    EXPECT_NE(err.str().find(file + ": " + words), std::string::npos) << err.str();
  }
}

TEST_F(TallyCliTest, ExitCodesSayWhatWentWrong) {
  struct Case {
    std::vector<std::string> args;
    int code;
  };
  const std::vector<Case> cases = {
      {{"--bands", "6m", list, database}, tally_cli::kExitUsage},
      {{}, tally_cli::kExitUsage},
      {{"--wkd", " >", list, database}, tally_cli::kExitUsage},
      {{"--wkd", "\x81s\x81t", list, database}, tally_cli::kExitUsage},  // 《》: double-byte
      {{"--cfm", "1)", list, database}, tally_cli::kExitUsage},
      {{"--from-date", "2021/01/01", list, database}, tally_cli::kExitUsage},
      {{"--from-date", "2021-01-01", list, database}, tally_cli::kExitUsage},
      {{folder.Name("none.scsv"), database}, tally_cli::kExitList},
      {{"--keyword-row", "10", list, database}, tally_cli::kExitList},
      {{list, folder.Name("none.mst")}, tally_cli::kExitDatabase},
      {{list, list}, tally_cli::kExitDatabase},
      {{"--settings", folder.Name("none.ini"), list, database}, tally_cli::kExitSettings},
      {{"--help"}, tally_cli::kExitDone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << (c.args.empty() ? "" : c.args[0]);
  }
}

}  // namespace
