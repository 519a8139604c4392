#include <algorithm>

#include "app/file_names.h"
#include "dialog_fixture.h"
#include "mst_writer.h"
#include "targets/comma_text.h"
#include "ui/message_box.h"

namespace {

constexpr char kAwardName[] = "\x93\xb9\x82\xcc\x89w";  // 道の駅
constexpr char kStartButton[] = "\x8f\x57\x8c\x76\x8a\x4a\x8e\x6e(&S)";  // 集計開始(&S)
constexpr char kAbortButton[] = "\x92\x86\x81\x40\x92\x66";  // 中　断

class TallyCommandTest : public DialogTest {
 protected:
  // Record 1 holds no code; then `records` as given, oldest first, numbered from 2.
  std::string WriteDatabase(const std::vector<korvax::MstRecord>& records) {
    const std::string path = Path("log.mst");
    korvax::MstWriter writer(path);
    EXPECT_TRUE(writer.ok());
    writer.Append({.call = "JA0ZZZ", .date = "20/01/01", .remarks2 = "memo"});
    for (const korvax::MstRecord& record : records) writer.Append(record);
    EXPECT_TRUE(writer.Finish());
    return path;
  }

  static korvax::MstRecord Qso(const char* call, const char* remarks2, char qsl_mark = ' ') {
    return {.call = call, .date = "21/05/01", .time = "12:34", .qsl_mark = qsl_mark,
            .frequency = "7.025", .mode = "CW", .remarks2 = remarks2};
  }

  TStation& StartOn(const std::string& database) {
    return StartWith("[Main]\r\nQSO=" + database + "\r\n", kAwardName);
  }

  std::string Field4(int line) const {
    const auto fields = targets::SplitCommaText(station_->TargetLines[static_cast<size_t>(line)]);
    return fields.size() > 4 ? fields[4] : std::string();
  }
};

TEST_F(TallyCommandTest, ATallyMarksTheTargetsAndReports) {
  StartOn(WriteDatabase({Qso("JA1AAA", "A-1,"), Qso("JA2BBB", "A-2,", 'J'),
                         Qso("JA3CCC", "A-1, memo"),
                         Qso("JA4DDD", "A-4")}));
  WorkDialog([&](TSorvaB& dialog) {
    dialog.Button1.Click();
    EXPECT_EQ(dialog.Button1.Caption(), kStartButton);
    EXPECT_EQ(dialog.Button1.Tag, 0);
    EXPECT_FALSE(dialog.Progress1.Visible());
  });
  EXPECT_EQ(Field4(1), "JA3CCC<4>:JA1AAA<2>");
  EXPECT_EQ(Field4(2), "JA2BBB(3)");
  EXPECT_EQ(Field4(4), "");  // a code without a comma marks nothing
  EXPECT_EQ(station_->WorkedCount, 2);
  EXPECT_TRUE(station_->Save1->Enabled());
  EXPECT_EQ(backend().cursor, ui::Cursor::kDefault);
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].text,
            "2\x89\xd3\x8f\x8a\x82\xcc\x81u\x93\xb9\x82\xcc\x89w\x81v\x82\xc6\x8c\xf0\x90M\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81" "B"
            "\r\r\x82\xa4\x82\xbf 1\x89\xd3\x8f\x8a\x82\xcc\x83R\x83\x93\x83t\x83@\x81[\x83\x80\x82\xc5\x82\xb7\x81" "B");  // 2箇所の「道の駅」と交信しています。\r\rうち 1箇所のコンファームです。
  EXPECT_EQ(backend().message_boxes[0].caption, kAwardName);
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconInformation);
  EXPECT_EQ(station_->DrawRow, -1);
}

TEST_F(TallyCommandTest, AbortFromTheButtonLeavesNoMessageAndNoChangeFlag) {
  std::vector<korvax::MstRecord> records;
  for (int n = 0; n < 40; ++n) records.push_back(Qso("JA1AAA", "A-1,"));
  StartOn(WriteDatabase(records));
  const int worked_before = station_->WorkedCount;
  bool busy_seen = false;
  backend().on_process_messages = [&] {
    busy_seen = backend().cursor == ui::Cursor::kHourGlass &&
                dialog_->Button1.Caption() == kAbortButton && dialog_->Button1.Tag == 1;
    dialog_->Button1.Click();  // the operator clicks 中　断
  };
  WorkDialog([&](TSorvaB& dialog) {
    dialog.Button1.Click();
    EXPECT_EQ(dialog.Button1.Caption(), kStartButton);
    EXPECT_EQ(dialog.Button1.Tag, 0);
    EXPECT_FALSE(dialog.CancelRequested);
    EXPECT_FALSE(dialog.Progress1.Visible());
  });
  EXPECT_TRUE(busy_seen);
  EXPECT_TRUE(backend().message_boxes.empty());
  EXPECT_FALSE(station_->Save1->Enabled());
  EXPECT_EQ(station_->WorkedCount, worked_before);
  EXPECT_EQ(backend().cursor, ui::Cursor::kDefault);
  // Only the records read before the abort left entries.
  const std::string entries = Field4(1);
  EXPECT_LT(std::count(entries.begin(), entries.end(), '<'), 40);
}

TEST_F(TallyCommandTest, TheLoggerHearsTheDatabaseOpenedAndClosed) {
  app_.copy_data().windows["TKrxin"] = 0x4242;
  const std::string database = WriteDatabase({Qso("JA1AAA", "A-1,")});
  StartOn(Path("missing.mst"));
  auto codes = [&] {
    std::vector<std::uint32_t> sent;
    for (const auto& block : app_.copy_data().sent) {
      EXPECT_EQ(block.to, 0x4242u);
      EXPECT_EQ(block.data, std::nullopt);
      sent.push_back(block.code);
    }
    return sent;
  };
  // A cancelled database dialog ends the tally: the close notice still follows.
  WorkDialog([](TSorvaB& dialog) { dialog.Button1.Click(); });
  EXPECT_EQ(codes(), (std::vector<std::uint32_t>{0x0040001B, 0x0040001C}));
  backend().open_dialog_answers.push_back(database);
  WorkDialog([](TSorvaB& dialog) { dialog.Button1.Click(); });
  EXPECT_EQ(codes(), (std::vector<std::uint32_t>{0x0040001B, 0x0040001C, 0x0040001B, 0x0040001C}));
}

TEST_F(TallyCommandTest, MissingDatabaseOffersOpen2) {
  StartOn(Path("missing.mst"));
  WorkDialog([](TSorvaB& dialog) { dialog.Button1.Click(); });
  // Cancelled: the tally ends without a word and nothing changed.
  ASSERT_EQ(backend().open_dialogs.size(), 1u);
  EXPECT_EQ(backend().open_dialogs[0].title, "QSO\x83" "f\x81[\x83^\x82\xf0\x8aJ\x82\xad");  // QSOデータを開く
  EXPECT_EQ(backend().open_dialogs[0].initial_dir, app::ExtractFilePath(Path("missing.mst")));
  EXPECT_TRUE(backend().message_boxes.empty());
  EXPECT_FALSE(station_->Save1->Enabled());

  // Confirmed: the chosen database is kept and tallied.
  const std::string database = WriteDatabase({Qso("JA1AAA", "A-1,")});
  backend().open_dialog_answers.push_back(database);
  WorkDialog([](TSorvaB& dialog) { dialog.Button1.Click(); });
  EXPECT_EQ(station_->Settings->ReadString("Main", "QSO", ""), database);
  EXPECT_EQ(Field4(1), "JA1AAA<2>");
  EXPECT_EQ(backend().message_boxes.size(), 1u);
}

// Brackets against the rule (a blank opening one, or a double-byte pair pasted in past
// the key filter, as the settings file and the command line are held to) close the dialog
// instead of tallying; the next show gives the defaults.
TEST_F(TallyCommandTest, BracketsAgainstTheRuleCloseTheDialogInsteadOfTallying) {
  StartOn(WriteDatabase({Qso("JA1AAA", "A-1,")}));
  for (const char* pair : {" )", "\x81s\x81t"}) {  // 《》
    WorkDialog([&](TSorvaB& dialog) {
      dialog.Edit3.SetText(pair);
      dialog.Button1.Click();
      EXPECT_FALSE(dialog.Visible());
    });
    EXPECT_EQ(Field4(1), "") << pair;
    EXPECT_TRUE(backend().message_boxes.empty());
    EXPECT_EQ(Set("CfmChr"), std::string(pair).substr(0, 2));  // saved by the close
    WorkDialog([](TSorvaB& dialog) { EXPECT_EQ(dialog.Edit3.Text(), "()"); });
  }
}

}  // namespace
