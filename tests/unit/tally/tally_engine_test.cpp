// The tally engine on small lists and databases written for each test: the rules an
// operator sees (codes, filters, marks, list types, duplicates, the report) and the
// clean-up on every way out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "tally/tally_engine.h"
#include "tally_test_support.h"
#include "targets/comma_text.h"

namespace {

using korvax::MstRecord;
using tally::TallyEnd;
using tally_test::RecordingCallbacks;

const std::string kStation = "\x81\xa0";         // □
const std::string kHotSpring = "\x93\x92-";      // 湯-
const std::string kCity = "\x82\xd0-\x96k";      // ひ-北
const std::string kAward = "\x93\xb9\x82\xcc\x89w";  // 道の駅

MstRecord Qso(const std::string& call, const std::string& remarks, const std::string& date = "21/01/02") {
  return {.call = call, .date = date, .time = "12:34", .qth = "0101", .frequency = "7.025",
          .mode = "CW", .remarks1 = remarks};
}

class TallyTest : public ::testing::Test {
 protected:
  TallyTest() {
    options.AwardName = kAward;
    options.remarks = tally::RemarksChoice::kRemarks1Only;
    options.database_path = folder.Name("log.mst");
  }

  // Writes the QSOs (record 1 first) and tallies `targets` with the header in front.
  tally::TallyResult Tally(const std::vector<std::string>& targets, const std::vector<MstRecord>& qsos) {
    tally_test::WriteDatabase(options.database_path, qsos);
    lines = {"No,Name,Code,Place,Worked," + kAward};
    lines.insert(lines.end(), targets.begin(), targets.end());
    if (options.AwardKeyword.empty() && lines.size() > 1) options.AwardKeyword = lines[1].substr(0, 6);
    return tally::RunTally(lines, library, options, callbacks);
  }

  // Field 4 of every target line, as a split of the line gives it.
  std::vector<std::string> WorkedFields() const {
    std::vector<std::string> fields;
    for (size_t i = 1; i < lines.size(); ++i) {
      const std::vector<std::string> split = targets::SplitCommaText(lines[i]);
      fields.push_back(split.size() > 4 ? split[4] : "");
    }
    return fields;
  }

  void ExpectCleanedUp() const {
    EXPECT_EQ(library.opens, library.closes);
    EXPECT_EQ(callbacks.open_notices, callbacks.close_notices);
    EXPECT_FALSE(callbacks.progress_visible());
  }

  tally_test::TempFolder folder;
  tally_test::HookedLibrary library;
  RecordingCallbacks callbacks;
  tally::TallyOptions options;
  std::vector<std::string> lines;
};

TEST_F(TallyTest, NumberedCodesNeedTheirCommaAndARangeOf1To47) {
  const tally::TallyResult result = Tally(
      {kStation + "01-001,a,0101,x", kStation + "01-002,b,0102,y", kStation + "47-001,c,4701,z",
       kStation + "02-001,d,0201,w,,see " + kStation + "01-001,too"},
      {Qso("JA1AAA", kStation + "01-001,"), Qso("JA1BBB", kStation + "01-002"),
       Qso("JA1CCC", kStation + "48-001,"), Qso("JA1DDD", "QSL " + kStation + "47-001,thanks"),
       Qso("JA1EEE", kStation + "01001,")});
  EXPECT_EQ(result.end, TallyEnd::kDone);
  // Newest first: record 4 before record 1; the line holding the code in field 5 counts too.
  EXPECT_EQ(WorkedFields(), (std::vector<std::string>{"JA1AAA<1>", "", "JA1DDD<4>", "JA1AAA<1>"}));
  EXPECT_EQ(result.worked, 3);
  EXPECT_EQ(result.confirmed, 0);
  EXPECT_TRUE(result.enable_save);
  EXPECT_TRUE(result.show_report);
  ExpectCleanedUp();
}

TEST_F(TallyTest, HotSpringCodesAreNegativeNumbers) {
  Tally({kHotSpring + "123,a,0101,x", kHotSpring + "0,b,0101,y", kHotSpring + "50001,c,0101,z"},
        {Qso("JA1AAA", kHotSpring + "123,"), Qso("JA1BBB", kHotSpring + "0,"),
         Qso("JA1CCC", kHotSpring + "50001,")});
  EXPECT_EQ(WorkedFields(), (std::vector<std::string>{"JA1AAA<1>", "", ""}));
}

TEST_F(TallyTest, MarksAndBracketsFollowTheQslMark) {
  options.WkdChars = "[";
  options.CfmChars = "{}";
  options.GiveUpMarks = "N";
  std::vector<MstRecord> qsos = {Qso("JA1AAA", kStation + "01-001,"), Qso("JA1BBB", kStation + "01-001,"),
                                 Qso("JA1CCC", kStation + "01-001,")};
  qsos[0].qsl_mark = 'J';
  qsos[1].qsl_mark = 'N';
  qsos[2].qsl_mark = ' ';
  const tally::TallyResult result = Tally({kStation + "01-001,a,0101,x"}, qsos);
  EXPECT_EQ(WorkedFields()[0], "JA1CCC[3 :JA1BBB[2 :JA1AAA{1}");
  EXPECT_EQ(result.confirmed, 1);
}

TEST_F(TallyTest, StartRecordAndStartDateLimitTheScan) {
  std::vector<MstRecord> qsos;
  for (int i = 1; i <= 6; ++i) qsos.push_back(Qso("JA1A" + std::string(1, static_cast<char>('A' + i)), kStation + "01-001,"));
  struct Case {
    int32_t start;
    const char* start_date;
    std::string expected;
    bool reset;
  };
  const std::vector<Case> cases = {
      {3, "00/00/00", "JA1AG<6>:JA1AF<5>:JA1AE<4>:JA1AD<3>", false},
      {0, "00/00/00", "JA1AG<6>:JA1AF<5>:JA1AE<4>:JA1AD<3>:JA1AC<2>:JA1AB<1>", true},
      {6, "00/00/00", "JA1AG<6>:JA1AF<5>:JA1AE<4>:JA1AD<3>:JA1AC<2>:JA1AB<1>", true},
      {1, "21/01/03", "", false},
  };
  for (const Case& c : cases) {
    callbacks = RecordingCallbacks();
    options.start_record = c.start;
    options.start_date = c.start_date;
    Tally({kStation + "01-001,a,0101,x"}, qsos);
    EXPECT_EQ(WorkedFields()[0], c.expected) << c.start;
    EXPECT_EQ(std::count(callbacks.events.begin(), callbacks.events.end(), "spin1 := 1") > 0, c.reset) << c.start;
  }
}

TEST_F(TallyTest, TenRecordsOlderThanTheStartDateEndThePass) {
  for (int older : {9, 10}) {
    std::vector<MstRecord> qsos = {Qso("JA1OLD", kStation + "01-001,", "21/06/01")};
    for (int i = 0; i < older; ++i) qsos.push_back(Qso("JA1X", "", "19/01/01"));
    qsos.push_back(Qso("JA1NEW", kStation + "01-001,", "21/06/01"));
    options.start_date = "20/01/01";
    Tally({kStation + "01-001,a,0101,x"}, qsos);
    EXPECT_EQ(WorkedFields()[0], older == 9 ? "JA1NEW<" + std::to_string(older + 2) + ">:JA1OLD<1>"
                                            : "JA1NEW<12>")
        << older;
  }
}

TEST_F(TallyTest, BandModeAndPortableFilters) {
  std::vector<MstRecord> qsos = {Qso("A1", kStation + "01-001,"), Qso("A2", kStation + "01-001,"),
                                 Qso("A3", kStation + "01-001,"), Qso("A4", kStation + "01-001,")};
  qsos[0].frequency = "1.9";
  qsos[1].frequency = "";  // no band: counts as 1.9MHz
  qsos[2].frequency = "430";
  qsos[2].mode = "FM";
  qsos[3].mode = "SSB";
  qsos[3].portable = true;
  struct Case {
    uint32_t mask;
    const char* mode;
    tally::PortableChoice portable;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {0, "", tally::PortableChoice::kBoth, "A4<4>:A3<3>:A2<2>:A1<1>"},
      {1, "", tally::PortableChoice::kBoth, "A2<2>:A1<1>"},
      {1u << 11, "", tally::PortableChoice::kBoth, "A3<3>"},
      {tally::kAllBands | 1, "CW SSB", tally::PortableChoice::kBoth, "A4<4>:A2<2>:A1<1>"},
      {tally::kAllBands, "", tally::PortableChoice::kPortableOnly, "A4<4>"},
      {tally::kAllBands, "", tally::PortableChoice::kFixedOnly, "A3<3>:A2<2>:A1<1>"},
  };
  for (const Case& c : cases) {
    options.band_mask = c.mask;
    options.ModeFilter = c.mode;
    options.portable = c.portable;
    Tally({kStation + "01-001,a,0101,x"}, qsos);
    EXPECT_EQ(WorkedFields()[0], c.expected) << c.mask << " " << c.mode;
  }
}

TEST_F(TallyTest, RemarksChoiceSearchesTheChosenFieldsInOrder) {
  MstRecord both = Qso("A1", kStation + "01-001,");
  both.remarks2 = kStation + "01-002,";
  MstRecord second_only = Qso("A2", "");
  second_only.remarks2 = kStation + "01-001,";
  struct Case {
    tally::RemarksChoice choice;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {tally::RemarksChoice::kRemarks1Only, {"A1<1>", ""}},
      {tally::RemarksChoice::kRemarks2Only, {"A2<2>", "A1<1>"}},
      {tally::RemarksChoice::kRemarks1First, {"A2<2>:A1<1>", ""}},
      {tally::RemarksChoice::kRemarks2First, {"A2<2>", "A1<1>"}},
  };
  for (const Case& c : cases) {
    options.remarks = c.choice;
    Tally({kStation + "01-001,a,0101,x", kStation + "01-002,b,0102,y"}, {both, second_only});
    EXPECT_EQ(WorkedFields(), c.expected);
  }
}

std::vector<std::string> ZaLines() {
  std::vector<std::string> targets;
  for (int i = 1; i <= 60; ++i) {
    const std::string number = std::to_string(1000 + i).substr(1);
    targets.push_back("ZA-0" + number + ",a,10" + number + ",x");
  }
  return targets;
}

TEST_F(TallyTest, ZaCountsFromSeptember2014AndMakesTheTable) {
  std::vector<MstRecord> qsos = {Qso("JA1AAA", "", "14/08/31"), Qso("JA1BBB", "", "14/09/01"),
                                 Qso("JA1CCC", "", "51/01/01"), Qso("JA1DDD", "", "50/01/01"),
                                 Qso("8J1ZZZ", "", "21/01/01"), Qso("JA1EEE", "", "21/01/01")};
  for (MstRecord& qso : qsos) qso.qth = "10001";
  qsos[5].qth = "10002  ";
  options.NoDuplicates = true;
  const tally::TallyResult result = Tally(ZaLines(), qsos);
  ASSERT_TRUE(result.list.ZaList);
  EXPECT_EQ(WorkedFields()[0], "JA1DDD<4>:JA1BBB<2>");
  EXPECT_EQ(WorkedFields()[1], "JA1EEE<6>");
  ASSERT_TRUE(result.clipboard);
  EXPECT_EQ(result.clipboard->substr(0, 54), "JA1DDD\t50/01/01\t7.025\tCW\r\nJA1EEE\t21/01/01\t7.025\tCW\r\n\r\n");
  EXPECT_EQ(result.clipboard->size(), 52 + 58 * 2u);  // one row for each of the 60 lines
  EXPECT_NE(result.report.find("\r\r\x83" "A"), std::string::npos);
}

TEST_F(TallyTest, PerCityListsCountWardsForTheirCity) {
  std::vector<std::string> targets;
  for (int i = 1; i <= 12; ++i) {
    const std::string city = std::to_string(1000 + i);  // 1001..1012
    targets.push_back(kCity + std::to_string(i) + ",a," + city + ",x");
  }
  std::vector<MstRecord> qsos = {Qso("JA1AAA", ""), Qso("JA1BBB", ""), Qso("JA1CCC", "")};
  qsos[0].qth = "100201";  // a ward of city 1002
  qsos[1].qth = "100101";  // wards of 1001 are left to their own codes
  qsos[2].qth = "1003";
  options.AwardOptions = 1;
  Tally(targets, qsos);
  std::vector<std::string> worked = WorkedFields();
  EXPECT_EQ(worked[0], "");
  EXPECT_EQ(worked[1], "JA1AAA<1>");
  EXPECT_EQ(worked[2], "JA1CCC<3>");
  options.AwardOptions = 0;
  Tally(targets, qsos);
  EXPECT_EQ(WorkedFields()[1], "");
}

TEST_F(TallyTest, ElevenCityQsosBefore2015EndThePass) {
  std::vector<std::string> targets(12, kCity + "1,a,1001,x");
  for (int old : {10, 11}) {
    std::vector<MstRecord> qsos = {Qso("JA1OLD", "", "21/01/01")};
    qsos[0].qth = "1001";
    for (int i = 0; i < old; ++i) qsos.push_back(Qso("JA1X", "", "14/01/01"));
    qsos.push_back(Qso("JA1NEW", "", "21/01/01"));
    qsos.back().qth = "1001";
    Tally(targets, qsos);
    EXPECT_EQ(WorkedFields()[0].find("JA1OLD") != std::string::npos, old == 10) << old;
  }
}

TEST_F(TallyTest, NoDuplicatesLeavesEachStationToOneTarget) {
  options.NoDuplicates = true;
  // Newest first: line 1 gets S first; line 2 gets S twice and then T; line 3 only S.
  const tally::TallyResult result =
      Tally({kStation + "01-001,a,0101,x", kStation + "01-002,b,0102,y", kStation + "01-003,c,0103,z"},
            {Qso("T", kStation + "01-002,"), Qso("S", kStation + "01-002,"), Qso("S", kStation + "01-002,"),
             Qso("S", kStation + "01-003,"), Qso("S", kStation + "01-001,")});
  EXPECT_EQ(WorkedFields(), (std::vector<std::string>{"S<5>", "T<1>", ""}));
  EXPECT_EQ(result.worked, 2);
}

TEST_F(TallyTest, MixedListsRunOnePassPerKeyword) {
  options.AwdKeywords[0] = "JCC";
  std::vector<std::string> targets(8, kStation + "01-001,a,0101,x");
  targets.push_back(kHotSpring + "5,b,0101,y");
  targets.push_back("JCC1001,c,1001,z");
  const tally::TallyResult result =
      Tally(targets, {Qso("A1", kStation + "01-001,"), Qso("A2", kHotSpring + "5,"), Qso("A3", "JCC1001,")});
  ASSERT_TRUE(result.list.MixedList);
  const std::vector<std::string> worked = WorkedFields();
  EXPECT_EQ(worked[0], "A1<1>");
  EXPECT_EQ(worked[8], "A2<2>");
  EXPECT_EQ(worked[9], "A3<3>");
  EXPECT_EQ(result.AwardKeyword, kCity.substr(0, 2));  // the last pass was slot 24's
}

TEST_F(TallyTest, NothingWorkedReportsSoAndLeavesSave1Alone) {
  const tally::TallyResult result = Tally({kStation + "01-001,a,0101,x,old<3>"}, {Qso("A1", "")});
  EXPECT_EQ(result.worked, 0);
  EXPECT_EQ(result.report, tally::ReportText(0, 0, kAward, false));
  EXPECT_FALSE(result.enable_save);
  EXPECT_TRUE(result.show_report);
  EXPECT_EQ(lines[1], kStation + "01-001,a,0101,x,");  // the old entries were cleared
}

TEST_F(TallyTest, EveryWayOutCleansUp) {
  std::vector<MstRecord> qsos(30, Qso("JA1AAA", kStation + "01-001,"));
  const std::vector<std::string> targets = {kStation + "01-001,a,0101,x", kStation + "01-002,b,0102,y"};

  options.WkdChars = " >";
  EXPECT_EQ(Tally(targets, qsos).end, TallyEnd::kUnusableBrackets);
  EXPECT_EQ(callbacks.open_notices, 0);
  EXPECT_EQ(library.opens, 0);
  options.WkdChars = "<>";

  callbacks = RecordingCallbacks();
  options.database_path = folder.Name("missing.mst");
  tally::TallyResult result = tally::RunTally(lines, library, options, callbacks);
  EXPECT_EQ(result.end, TallyEnd::kNoDatabase);
  EXPECT_EQ(callbacks.failed_paths, std::vector<std::string>{folder.Name("missing.mst")});
  ExpectCleanedUp();
  EXPECT_EQ(callbacks.close_notices, 1);

  // The operator picks a database in the file dialog after the first one failed.
  callbacks = RecordingCallbacks();
  tally_test::WriteDatabase(folder.Name("other.mst"), qsos);
  callbacks.database_choices = {folder.Name("other.mst")};
  result = tally::RunTally(lines, library, options, callbacks);
  EXPECT_EQ(result.end, TallyEnd::kDone);
  options.database_path = folder.Name("log.mst");

  callbacks = RecordingCallbacks();
  callbacks.cancel_at_message = 2;
  result = Tally(targets, qsos);
  EXPECT_EQ(result.end, TallyEnd::kAborted);
  EXPECT_FALSE(result.counted);
  EXPECT_FALSE(result.show_report);
  EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), ':'), 19);  // 20 records met
  ExpectCleanedUp();

  // Aborted while duplicates are removed: counted, but no message and Save1 untouched.
  callbacks = RecordingCallbacks();
  options.NoDuplicates = true;
  callbacks.cancel_at_message = 4;  // three during the pass, then the duplicates' first
  result = Tally(std::vector<std::string>(25, kStation + "01-001,a,0101,x"), qsos);
  EXPECT_EQ(result.end, TallyEnd::kAborted);
  EXPECT_TRUE(result.counted);
  EXPECT_FALSE(result.show_report);
  EXPECT_FALSE(result.enable_save);
  ExpectCleanedUp();
  options.NoDuplicates = false;

  callbacks = RecordingCallbacks();
  callbacks.on_message = [] { throw std::runtime_error("window gone"); };
  EXPECT_THROW(Tally(targets, qsos), std::runtime_error);
  EXPECT_EQ(lines[1].substr(0, 36), kStation + "01-001,a,0101,x,JA1AAA<30>:JA1AAA<");
  ExpectCleanedUp();
}

TEST_F(TallyTest, HostileRecordTextsAreHarmless) {
  // Remarks of 1000 bytes without a comma ending in a lead byte, a keyword one byte from
  // the end, and text references that point outside the buffer.
  library.after_read = [](char* record, int32_t number) {
    if (number == 3) {
      tally_test::PutText(record, qso_field::kRemarks1, 2100, kStation + "01-" + std::string(994, '1') + "\x81");
    } else if (number == 2) {
      tally_test::PutText(record, qso_field::kRemarks1, 3900, std::string(24, 'x') + kStation);
    } else {
      const uint32_t nowhere = 0xfffffff0u;
      std::memcpy(record + qso_field::kRemarks1, &nowhere, 4);
      std::memcpy(record + qso_field::kMode, &nowhere, 4);
      std::memcpy(record + qso_field::kFrequency, &nowhere, 4);
    }
  };
  options.band_mask = 1 | 4;  // 1.9 and 7MHz
  const tally::TallyResult result =
      Tally({kStation + "01-001,a,0101,x"}, std::vector<MstRecord>(3, Qso("A1", kStation + "01-001,")));
  EXPECT_EQ(result.end, TallyEnd::kDone);
  EXPECT_EQ(result.worked, 0);
}

TEST_F(TallyTest, ExcelTableHasATimeColumnAndOneRowPerLine) {
  options.ExcelTable = true;
  MstRecord qso = Qso("JA1AAA", kStation + "01-002,");
  qso.qsl_mark = 'J';
  const tally::TallyResult result = Tally({kStation + "01-001,a,0101,x", kStation + "01-002,b,0102,y"}, {qso});
  ASSERT_TRUE(result.clipboard);
  EXPECT_EQ(*result.clipboard, "\r\nJA1AAA\t21/01/02\t12:34\t7.025\tCW\r\n");
}

}  // namespace
