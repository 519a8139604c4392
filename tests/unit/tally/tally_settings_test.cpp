// The tally settings model: defaults, the "Rmks" and "Band" tables, and the rules that
// every path (the dialog, the settings file, the command line) shares.
#include <gtest/gtest.h>

#include <string>

#include "settings/settings_store.h"
#include "tally/tally_settings.h"

namespace {

using tally::TallySettings;

TallySettings LoadFrom(const std::string& set_lines) {
  TKrxIni store{std::string()};
  size_t start = 0;
  while (start < set_lines.size()) {
    const size_t end = set_lines.find('\n', start);
    const std::string line = set_lines.substr(start, end - start);
    const size_t equals = line.find('=');
    store.WriteString("Set", line.substr(0, equals), line.substr(equals + 1));
    start = end == std::string::npos ? set_lines.size() : end + 1;
  }
  return tally::LoadTallySettings(store);
}

TEST(TallySettings, DefaultsComeBackFromAnEmptyFileAndAreWrittenOnce) {
  const TallySettings loaded = LoadFrom("");
  EXPECT_EQ(loaded.RmksBits(), 337);
  EXPECT_EQ(loaded.BandBits(), 0x8000);
  EXPECT_EQ(loaded.start_record, 1);
  EXPECT_EQ(loaded.start_date, "00/00/00");
  EXPECT_EQ(loaded.WkdChars, "<>");
  EXPECT_EQ(loaded.CfmChars, "()");
  EXPECT_EQ(loaded.Remarks(), tally::RemarksChoice::kRemarks2Only);
  EXPECT_EQ(loaded.Portable(), tally::PortableChoice::kBoth);

  TKrxIni store{std::string()};
  tally::SaveTallySettings(loaded, store, true);
  EXPECT_EQ(store.Text(), "[Set]\r\nRmks=337\r\nBand=32768\r\nRec=1\r\nWkdChr=<>\r\nCfmChr=()\r\nDate=00/00/00\r\n\r\n");
  EXPECT_EQ(tally::QsoDatabasePath(store), "Korvax.mst");
}

TEST(TallySettings, RmksAndBandBitsGoBothWays) {
  TallySettings settings;
  const int every_bit = 2 | 0x3FF8;
  settings.SetRmksBits(every_bit);
  EXPECT_EQ(settings.RmksBits(), every_bit);
  EXPECT_EQ(settings.Portable(), tally::PortableChoice::kFixedOnly);  // grayed wins
  // Korvax.mst without sending the code and QTH is dropped.
  settings.SetRmksBits(1 << 11);
  EXPECT_FALSE(settings.use_korvax_mst);
  EXPECT_EQ(settings.RmksBits(), 0);

  settings.SetBandBits(1 << 16 | 1 << 17);  // no band box: all bands
  EXPECT_EQ(settings.bands, tally::kAllBands);
  EXPECT_TRUE(settings.excel_table && settings.no_duplicates);
  settings.SetBandBits(4 | 1);
  EXPECT_EQ(settings.BandBits(), 5);

  // The first of Radio3, Radio4, Radio5, Radio8 names the remarks field.
  settings.SetRmksBits(1 << 3 | 1 << 9);
  EXPECT_EQ(settings.Remarks(), tally::RemarksChoice::kRemarks1First);
  settings.SetRemarks(tally::RemarksChoice::kRemarks2First);
  EXPECT_EQ(settings.RmksBits(), 1 << 3);
}

// "A北海道" cut to 6 bytes would end in the lead byte of 道, which then matched any
// character that shares it ("A北海島02").
TEST(TallySettings, KeywordsFromTheFileAreCutOnACharacterBoundary) {
  const TallySettings loaded = LoadFrom("Awd0=A\x96k\x8a" "C\x93\xb9\nAwd23=  JCC-12345 ");
  EXPECT_EQ(loaded.AwdKeywords[0], "A\x96k\x8a" "C");
  EXPECT_EQ(loaded.AwdKeywords[23], "JCC-12");
  EXPECT_EQ(loaded.Slots()[24], "\x82\xd0-\x96k");  // ひ-北
  EXPECT_EQ(tally::AwardKeywordOf("\x82\xd0-\x96k\x8a" "C\x93\xb9"), "\x82\xd0-\x96k");
}

TEST(TallySettings, BracketsFollowOneRuleWhereverTheyComeFrom) {
  struct Case {
    const char* wkd;
    const char* loaded;
  };
  const Case cases[] = {
      {"[]", "[]"},
      {"{", "{ "},
      {"\x81s\x81t", "<>"},  // 《》: double-byte
      {"  ", "<>"},
      {"1>", "<>"},
      {"<A", "<>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadFrom(std::string("WkdChr=") + c.wkd).WkdChars, c.loaded) << c.wkd;
  }
  EXPECT_EQ(LoadFrom("CfmChr=\x81i\x81j").CfmChars, "()");  // （）
}

TEST(TallySettings, OnlyAWholeDateIsAStartDate) {
  EXPECT_EQ(LoadFrom("Date=21/03/04").start_date, "21/03/04");
  for (const char* damaged : {"2021/01/01", "21/1/1", "21-03-04", "ab/cd/ef"}) {
    EXPECT_EQ(LoadFrom(std::string("Date=") + damaged).start_date, "00/00/00") << damaged;
  }
  const TallySettings settings = LoadFrom("Date=21/03/04");
  EXPECT_EQ(tally::StartDateFor(settings, "22/01/01"), "22/01/01");  // the list's own wins
  EXPECT_EQ(tally::StartDateFor(settings, "22/1/1"), "21/03/04");
}

TEST(TallySettings, OptionsForATally) {
  TallySettings settings = LoadFrom("Rmks=128\nMode=cw\nAkiram= N \nAwd3=ABC");
  tally::AwardState award;
  award.AwardName = "Award";
  award.AwardOptions = 1;
  award.AwardKeyword = "\x81\xa0" "01-001";
  award.ListStartDate = "";
  const tally::TallyOptions options = tally::MakeTallyOptions(settings, award);
  EXPECT_EQ(options.remarks, tally::RemarksChoice::kRemarks1Only);
  EXPECT_EQ(options.ModeFilter, "cw");  // as stored; the dialog upper-cases what it takes
  EXPECT_EQ(options.GiveUpMarks, "N");
  EXPECT_EQ(options.AwdKeywords[3], "ABC");
  EXPECT_EQ(options.AwdKeywords[24], "\x82\xd0-\x96k");
  EXPECT_EQ(options.AwardKeyword, "\x81\xa0" "01-0");
  EXPECT_EQ(options.AwardOptions, 1);
  EXPECT_EQ(tally::ModeFilterOf("cw ssb"), "CW SSB");
}

}  // namespace
