// korvax_import: ADIF and the text form in, the text form out through --dump.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "import_tool.h"
#include "mst_writer.h"
#include "qso_text_form.h"
#include "support/temp_folder.h"

namespace {

struct ToolRun {
  int code;
  std::string out;
  std::string err;
};

ToolRun Tool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  int code = korvax::RunImportTool(args, out, err);
  return {code, out.str(), err.str()};
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ImportTool, MapsAdifFieldsAndOrdersQsosByTime) {
  // Written newest first, with a header, lower-case tags, a QSO without a call, a
  // UTF-8 comment (道の駅 □10-001,) and a QSO that gives only its band.
  const std::string adif =
      "Exported log\r\n<ADIF_VER:5>3.1.0 <EOH>\r\n"
      "<CALL:8>JH2ZZB/2 <QSO_DATE:8>20210103 <TIME_ON:6>080059 <BAND:4>70cm <MODE:2>FM "
      "<CNTY:7>JA:1801 <QSL_RCVD:1>Y <COMMENT:20>\xe9\x81\x93\xe3\x81\xae\xe9\xa7\x85 "
      "\xe2\x96\xa1\x31\x30-001, <NOTES:9>line\r\ntwo <EOR>\r\n"
      "<qso_date:8>20210102 <time_on:4>1200 <eor>\r\n"
      "<call:6>ja1zza <qso_date:8>20210102 <time_on:4>1234 <freq:5>7.025 <mode:4>MFSK "
      "<submode:3>FT4 <qsl_rcvd:1>N <eor>\r\n";
  TempFolder folder;
  std::string input = folder.WriteBytes("log.adi", adif);
  std::string output = folder.Name("log.mst");
  ToolRun import = Tool({"--utf8", input, output});
  ASSERT_EQ(import.code, 0) << import.err;
  EXPECT_NE(import.err.find("1 QSOs skipped"), std::string::npos) << import.err;

  ToolRun dump = Tool({"--dump", output});
  ASSERT_EQ(dump.code, 0) << dump.err;
  EXPECT_EQ(dump.out,
            "JA1ZZA\t21/01/02\t12:34\t\t\t7.025\tFT4\t\t\t\r\n"
            "JH2ZZB/2\t21/01/03\t08:00\t1801\tJ\t430\tFM\tP\t"
            "\x93\xb9\x82\xcc\x89\x77 \x81\xa0\x31\x30-001,\tline  two\r\n");
}

TEST(ImportTool, TextFormRoundTripsThroughADatabase) {
  const std::string first =
      "JA1ZZA\t21/01/02\t12:34\t100105\tJ\t7.025\tCW\tP\t\x81\xa0\x31\x30-001,\tx\r\n";
  const std::string second = "JH2ZZB\t21/01/03\t08:00\t\t\t430\tFM\t\t\t\r\n";
  const std::string text = "# a comment\r\n" + first + "\r\n" + second;
  TempFolder folder;
  std::string output = folder.Name("log.mst");
  ASSERT_EQ(Tool({folder.WriteBytes("log.txt", text), output}).code, 0);
  EXPECT_EQ(Tool({"--dump", output}).out, first + second);
}

TEST(ImportTool, BadInputLeavesTheExistingDatabaseAlone) {
  TempFolder folder;
  std::string output = folder.Name("log.mst");
  ASSERT_EQ(Tool({folder.WriteBytes("ok.txt", "JA1ZZA\t21/01/02\r\n"), output}).code, 0);
  std::string before = ReadFile(output);

  struct Case {
    const char* name;
    std::vector<std::string> args;
    int code;
  } cases[] = {
      {"length past the end",
       {"--adif", folder.WriteBytes("cut.adi", "<CALL:20>JA1ZZA<EOR>"), output}, 2},
      {"length not a number", {folder.WriteBytes("x.adi", "<CALL:x>JA1ZZA<EOR>"), output}, 2},
      {"text form with eleven fields",
       {folder.WriteBytes("wide.txt", "A\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK\r\n"), output}, 2},
      {"text form broken after good lines",
       {folder.WriteBytes("late.txt", "JA1AAA\t21/01/02\r\nJA1BBB\t21/01/03\r\nA\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK\r\n"),
        output},
       2},
      {"missing input", {folder.Name("none.adi"), output}, 2},
      {"not a database", {"--dump", folder.WriteBytes("plain.mst", "hello")}, 2},
      {"unknown option", {"--bogus", "a", "b"}, 1},
      {"one file only", {output}, 1},
      {"QSL mark of two characters", {"--qsl-mark", "JJ", "a", "b"}, 1},
  };
  for (const Case& c : cases) {
    ToolRun run = Tool(c.args);
    EXPECT_EQ(run.code, c.code) << c.name;
    EXPECT_FALSE(run.err.empty()) << c.name;
    EXPECT_EQ(ReadFile(output), before) << c.name;
  }
  for (const std::string& name : folder.Entries()) {
    EXPECT_TRUE(name == "log.mst" || !name.starts_with("log")) << name << " left behind";
  }
}

TEST(QsoTextForm, RejectsMalformedLines) {
  struct Case {
    const char* line;
    bool ok;
  } cases[] = {
      {"JA1ZZA", true},
      {"JA1ZZA\t21/01/02\t\t\tJ\t\t\t1", true},
      {"\t21/01/02", false},
      {"JA1ZZA\t\t\t\tJJ", false},
      {"JA1ZZA\t\t\t\t\t\t\tyes", false},
      {"A\tB\tC\tD\tE\tF\tG\tH\tI\tJ\tK", false},
  };
  for (const Case& c : cases) {
    korvax::MstRecord record;
    std::string error;
    EXPECT_EQ(korvax::ParseQsoTextLine(c.line, &record, &error), c.ok) << c.line;
  }
}

// Dates that are not on the calendar are skipped as a missing one is; a tag name of
// control bytes is shown escaped; broken UTF-8 costs one '?' and no valid character.
TEST(ImportTool, AdifBadDatesBrokenUtf8AndControlBytes) {
  TempFolder folder;
  const std::string output = folder.Name("log.mst");
  const std::string adif =
      "<EOH><CALL:6>JA1AAA<QSO_DATE:8>20211399<EOR>"
      "<CALL:6>JA1BBB<QSO_DATE:8>20210229<EOR>"
      "<CALL:6>JA1CCC<QSO_DATE:8>20240229<COMMENT:3>\xe3" "AB<NOTES:5>\xf0" "ABCD<EOR>";
  ToolRun import = Tool({"--utf8", folder.WriteBytes("log.adi", adif), output});
  ASSERT_EQ(import.code, 0) << import.err;
  EXPECT_NE(import.err.find("2 QSOs skipped"), std::string::npos) << import.err;
  EXPECT_EQ(Tool({"--dump", output}).out, "JA1CCC\t24/02/29\t\t\t\t\t\t\t?AB\t?ABCD\r\n");

  ToolRun bad = Tool({folder.WriteBytes("esc.adi", "<\x1b[2J:x>"), output});
  EXPECT_EQ(bad.code, 2);
  EXPECT_EQ(bad.err.find('\x1b'), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("\\x1B[2J"), std::string::npos) << bad.err;
}

// Call signs that the text form would read as a comment or refuse are escaped in a dump,
// so that the dump reads back to the same database.
TEST(ImportTool, ADumpReadsBackToTheSameDatabase) {
  TempFolder folder;
  const std::string first = folder.Name("first.mst");
  {
    korvax::MstWriter writer(first);
    for (const char* call : {"#JA1", "", "\\X", "JA2"}) writer.Append({.call = call, .date = "21/01/02"});
    ASSERT_TRUE(writer.Finish());
  }
  const std::string dump = Tool({"--dump", first}).out;
  const std::string second = folder.Name("second.mst");
  ASSERT_EQ(Tool({"--text", folder.WriteBytes("dump.txt", dump), second}).code, 0);
  EXPECT_EQ(ReadFile(second), ReadFile(first));
}

}  // namespace
