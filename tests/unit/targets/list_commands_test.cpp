// The list commands on the real main window (headless): sort, display filters, area
// jump, find, edit mode and the recent-file menus.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/station_fixture.h"
#include "targets/list_texts.h"
#include "ui/keys.h"
#include "ui/message_box.h"

namespace {

std::string Status(int shown, int all) {
  return "Award\x81\x81" + std::to_string(shown) + "\x81^" + std::to_string(all) + "\x8c\x8f";  // Award＝n／m件
}

class ListCommandsTest : public StationTest {
 protected:
  // Ten targets; 2 and 5 worked, 3 and 7 confirmed.
  TStation& StartWithList() {
    WriteFile(Path("list.scsv"), ListText(10, {"", "JA1A<2>", "JA1B(3)", "", "JA1C<5>", "", "JA1D<6>:JA1E(7)"}));
    TStation& station = Start({Path("list.scsv")});
    return station;
  }
  // Line index of each grid row from 1.
  std::vector<int> ShownLines() const {
    return std::vector<int>(station_->RowMap.begin() + 1, station_->RowMap.begin() + station_->dGrid1.RowCount());
  }
  bool ReadOnly(const ui::TEdit& edit) { return backend().At(edit.Id()).read_only; }
  std::string LineOfRow(int row) const {
    return station_->TargetLines[static_cast<size_t>(station_->RowMap[static_cast<size_t>(row)])];
  }
};

TEST_F(ListCommandsTest, FiltersShowTheirRowsAndASecondClickShowsAll) {
  TStation& station = StartWithList();
  station.FindNext1->SetEnabled(true);
  station.N6->Click();
  EXPECT_EQ(ShownLines(), (std::vector<int>{2, 3, 5, 7}));
  EXPECT_TRUE(station.N6->Checked());
  EXPECT_TRUE(station.Filtered);
  EXPECT_FALSE(station.FindNext1->Enabled());
  EXPECT_EQ(station.StatBar1.PanelText(0), Status(4, 10));
  station.N8->Click();
  EXPECT_EQ(ShownLines(), (std::vector<int>{3, 7}));
  EXPECT_FALSE(station.N6->Checked());
  station.N10->Click();
  EXPECT_EQ(ShownLines(), (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 10}));
  station.N10->Click();
  EXPECT_FALSE(station.Filtered);
  EXPECT_FALSE(station.N10->Checked());
  EXPECT_EQ(station.dGrid1.RowCount(), 11);
  EXPECT_EQ(station.StatBar1.PanelText(0), Status(4, 10));
  EXPECT_TRUE(backend().message_boxes.empty());
}

TEST_F(ListCommandsTest, AFilterThatFindsNothingSaysSoAndShowsAll) {
  WriteFile(Path("list.scsv"), ListText(10));
  TStation& station = Start({Path("list.scsv")});
  station.N6->Click();
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  // 交信済みのデータが見つかりません！
  EXPECT_EQ(backend().message_boxes[0].text,
            "\x8c\xf0\x90M\x8d\xcf\x82\xdd\x82\xcc\x83" "f\x81[\x83^\x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81I");
  EXPECT_EQ(backend().message_boxes[0].caption, "Sorvano");
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconInformation);
  EXPECT_FALSE(station.Filtered);
  EXPECT_FALSE(station.N6->Checked());
  EXPECT_EQ(station.dGrid1.RowCount(), 11);
  station.N7->Click();  // every record is unworked
  EXPECT_EQ(station.dGrid1.RowCount(), 11);
  EXPECT_TRUE(station.N7->Checked());
}

TEST_F(ListCommandsTest, SortsChangeTheOrderAndAFilterFollowsTheSortedLines) {
  TStation& station = StartWithList();
  station.N6->Click();
  station.JCG1->Click();  // codes 011, 0110, 012 ... : record 1 then 10 then 2
  EXPECT_TRUE(station.Save1->Enabled());
  EXPECT_EQ(station.TargetLines[2].substr(0, 5), "A-10,");
  // The grid shows the worked records of the new order, never another line in their rows.
  for (int row = 1; row < station.dGrid1.RowCount(); ++row) {
    EXPECT_NE(LineOfRow(row).find('<') + LineOfRow(row).find('('), 2 * std::string::npos) << row;
  }
  EXPECT_EQ(station.dGrid1.RowCount(), 5);
  station.N16->Click();
  EXPECT_EQ(station.TargetLines[2].substr(0, 4), "A-2,");
  EXPECT_EQ(station.TargetLines[10].substr(0, 5), "A-10,");
}

TEST_F(ListCommandsTest, AreaJumpSelectsTheFirstTargetOrSaysThereIsNone) {
  std::string list = "No,Name,Code,Place,Worked,Award\r\n";
  for (int n = 1; n <= 12; ++n) {
    const std::string code = n == 9 ? "0105" : n >= 10 ? "1001" : "2201";
    list += std::to_string(n) + ",Station name " + std::to_string(n) + "," + code + ",Place\r\n";
  }
  WriteFile(Path("list.scsv"), list);
  TStation& station = Start({Path("list.scsv")});
  ui::TMenuItem* tokyo = nullptr;
  ui::TMenuItem* hokkaido = nullptr;
  ui::TMenuItem* niigata = nullptr;
  for (auto& item : station.AreaItems) {
    if (item->Caption().starts_with("10 ")) tokyo = item.get();
    if (item->Tag == 1) hokkaido = item.get();
    if (item->Caption().starts_with("08 ")) niigata = item.get();
  }
  ASSERT_TRUE(tokyo && hokkaido && niigata);
  tokyo->Click();
  EXPECT_EQ(station.dGrid1.Row(), 10);
  EXPECT_EQ(station.dGrid1.Col(), 1);
  hokkaido->Click();
  EXPECT_EQ(station.dGrid1.Row(), 9);
  EXPECT_TRUE(backend().message_boxes.empty());
  niigata->Click();
  EXPECT_EQ(station.dGrid1.Row(), 9);
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_EQ(backend().message_boxes[0].caption, niigata->Caption());
  EXPECT_TRUE(backend().message_boxes[0].text.starts_with("Korvax == 08 "));
}

TEST_F(ListCommandsTest, FindSelectsTheFirstMatchAndFindNextWraps) {
  TStation& station = StartWithList();
  EXPECT_FALSE(station.Group1.Visible());
  station.Find1->Click();
  EXPECT_TRUE(station.Group1.Visible());
  station.Edit1.SetText("Name1");  // Name1 and Name10
  station.BitBtn1.Click();
  EXPECT_FALSE(station.Group1.Visible());
  EXPECT_EQ(station.dGrid1.Row(), 1);
  EXPECT_TRUE(station.FindNext1->Enabled());
  station.FindNext1->Click();
  EXPECT_EQ(station.dGrid1.Row(), 10);
  station.FindNext1->Click();
  EXPECT_EQ(station.dGrid1.Row(), 1);

  station.Find1->Click();
  station.Edit1.SetText("nowhere");
  station.BitBtn1.Click();
  ASSERT_EQ(backend().message_boxes.size(), 1u);
  EXPECT_NE(backend().message_boxes[0].text.find("\x81unowhere\x81v"), std::string::npos);
  EXPECT_FALSE(station.FindNext1->Enabled());
  EXPECT_TRUE(station.Group1.Visible());  // offered again
  station.BitBtn2.Click();
  EXPECT_FALSE(station.Group1.Visible());
  EXPECT_EQ(station.Edit1.Text(), "nowhere");
  EXPECT_EQ(station.dGrid1.Row(), 1);
}

TEST_F(ListCommandsTest, TheSearchBoxOpensTheInputMethodAndASearchClosesIt) {
  TStation& station = StartWithList();
  using Calls = std::vector<std::pair<ui::WidgetId, bool>>;
  for (const char* text : {"Name3", "nowhere"}) {
    SCOPED_TRACE(text);
    backend().input_method_calls.clear();
    station.Find1->Click();
    backend().Fire(station.Edit1.Id(), ui::EventKind::kEnter);  // the focus arrives
    EXPECT_EQ(backend().input_method_calls, (Calls{{station.Edit1.Id(), true}}));
    station.Edit1.SetText(text);
    station.BitBtn1.Click();
    EXPECT_EQ(backend().input_method_calls, (Calls{{station.Edit1.Id(), true}, {station.Id(), false}}));
  }
  EXPECT_EQ(backend().message_boxes.size(), 1u);  // "nowhere" was not found
}

TEST_F(ListCommandsTest, EditModeAddsModifiesDeletesAndResets) {
  TStation& station = StartWithList();
  EXPECT_TRUE(ReadOnly(station.Edit2));
  station.N7->Click();
  station.N5->Click();  // leaves the filter first
  EXPECT_TRUE(station.N5->Checked());
  EXPECT_FALSE(station.Filtered);
  EXPECT_FALSE(station.N7->Checked());
  EXPECT_FALSE(ReadOnly(station.Edit2));
  for (auto* item : {station.A1.get(), station.E1.get(), station.D1.get(), station.W1.get()}) {
    EXPECT_TRUE(item->Enabled());
  }
  station.dGrid1.SetRow(2);
  station.Timer2Timer();
  station.Edit2.SetText("99,New station,AB-999,Town");
  backend().message_box_answers = {ui::kIdNo, ui::kIdYes};
  station.A1->Click();
  EXPECT_EQ(station.TargetLines.size(), 11u);
  station.A1->Click();
  ASSERT_EQ(backend().message_boxes.size(), 2u);
  EXPECT_EQ(backend().message_boxes[1].flags, ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbDefButton2);
  EXPECT_EQ(backend().message_boxes[1].caption, "Award\x82\xcc\x92\xc7\x89\xc1");  // Awardの追加
  EXPECT_EQ(station.TargetLines[3], "99,New station,AB-999,Town");
  EXPECT_EQ(station.dGrid1.RowCount(), 12);
  EXPECT_TRUE(station.Save1->Enabled());

  // Modify the worked record 2: its worked entries go.
  station.Edit2.SetText("2,Renamed,012,Place");
  backend().message_box_answers = {ui::kIdYes};
  station.E1->Click();
  EXPECT_EQ(backend().message_boxes.back().text.substr(0, 21), "A-2,Name2,012,Place,J");
  EXPECT_EQ(station.TargetLines[2], "2,Renamed,012,Place");

  station.dGrid1.SetRow(3);
  backend().message_box_answers = {ui::kIdNo};
  station.D1->Click();
  EXPECT_EQ(station.TargetLines.size(), 12u);
  backend().message_box_answers = {ui::kIdYes};
  station.D1->Click();
  EXPECT_EQ(station.TargetLines.size(), 11u);
  EXPECT_EQ(station.dGrid1.RowCount(), 11);
  EXPECT_EQ(station.TargetLines[3].substr(0, 4), "A-3,");

  station.Settings->WriteInteger("Hist", "C:\\other.scsv", 5);
  station.W1->Click();
  EXPECT_FALSE(station.N5->Checked());
  EXPECT_TRUE(ReadOnly(station.Edit2));
  EXPECT_EQ(station.WorkedCount, 0);
  EXPECT_EQ(station.TargetLines[3], "A-3,Name3,013,Place");
  EXPECT_EQ(station.Settings->ReadInteger("Hist", "C:\\other.scsv", -1), -1);
  EXPECT_EQ(station.StatBar1.PanelText(0), Status(0, 10));

  station.Save1->Click();
  const std::string saved = ReadFile(Path("list.scsv"));
  EXPECT_EQ(saved.find('<'), std::string::npos);
  EXPECT_NE(saved.find("\r\n2,Renamed,012,Place\r\nA-3,Name3,013,Place\r\n"), std::string::npos);

  station.Edit2.SetText("");
  station.Copy1->Click();
  EXPECT_EQ(backend().clipboard, "");
}

// A list of fewer than 10 lines is refused when opened: no edit may leave one behind.
enum class ShortListCommand { kDelete, kReset, kModifyToOneField };
struct ShortListCase {
  const char* what;
  int records;
  const char* line1;  // replaces record 1 when set: "A-1" is dropped on reading, "A-1,Name1" by the reset
  int row;
  ShortListCommand command;
  size_t lines_after;  // 0: refused, the list unchanged
};

class ShortListTest : public ListCommandsTest, public ::testing::WithParamInterface<ShortListCase> {};

TEST_P(ShortListTest, EditsThatWouldLeaveAListTooShortToOpenAreRefused) {
  const ShortListCase& c = GetParam();
  WriteFile(Path("list.scsv"), ListText(c.records, {"", "JA1A<2>"}));
  TStation& station = Start({Path("list.scsv")});
  if (c.line1 != nullptr) station.TargetLines[1] = c.line1;
  const std::vector<std::string> before = station.TargetLines;
  station.N5->Click();
  station.dGrid1.SetRow(c.row);
  station.Timer2Timer();
  switch (c.command) {
    case ShortListCommand::kDelete: station.D1->Click(); break;
    case ShortListCommand::kReset: station.W1->Click(); break;
    case ShortListCommand::kModifyToOneField:
      station.Edit2.SetText("");
      station.E1->Click();
      break;
  }
  if (c.lines_after == 0) {
    ASSERT_EQ(backend().message_boxes.size(), 1u);  // told, and not asked first
    EXPECT_EQ(backend().message_boxes[0].text, targets::kTextTooFewRecords);
    EXPECT_EQ(backend().message_boxes[0].caption, "Sorvano");
    EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconInformation);
    EXPECT_EQ(station.TargetLines, before);
    EXPECT_FALSE(station.Save1->Enabled());
  } else {
    for (const auto& box : backend().message_boxes) EXPECT_NE(box.text, targets::kTextTooFewRecords);
    EXPECT_EQ(station.TargetLines.size(), c.lines_after);
    EXPECT_EQ(station.dGrid1.RowCount(), static_cast<int>(c.lines_after));
    EXPECT_TRUE(station.Save1->Enabled());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ShortListTest,
    ::testing::Values(
        ShortListCase{"DeleteAtExactly10Lines", 9, nullptr, 1, ShortListCommand::kDelete, 0},
        ShortListCase{"DeleteAt11Lines", 10, nullptr, 1, ShortListCommand::kDelete, 10},
        ShortListCase{"DeleteBesideAOneFieldRecordAt11Lines", 10, "A-1", 2, ShortListCommand::kDelete, 0},
        ShortListCase{"DeleteOfTheOneFieldRecordAt11Lines", 10, "A-1", 1, ShortListCommand::kDelete, 10},
        ShortListCase{"ResetThatWouldDropTo9Lines", 9, "A-1,Name1", 1, ShortListCommand::kReset, 0},
        ShortListCase{"ResetThatDropsTo10Lines", 10, "A-1,Name1", 1, ShortListCommand::kReset, 10},
        ShortListCase{"ResetThatDropsNothingAt10Lines", 9, nullptr, 1, ShortListCommand::kReset, 10},
        ShortListCase{"ModifyToOneFieldAt10Lines", 9, nullptr, 1, ShortListCommand::kModifyToOneField, 0},
        ShortListCase{"ModifyToOneFieldAt11Lines", 10, nullptr, 1, ShortListCommand::kModifyToOneField, 11}),
    [](const ::testing::TestParamInfo<ShortListCase>& info) { return std::string(info.param.what); });

class RecentFilesTest : public StationTest {
 protected:
  TStation& StartWithFiles(int count) {
    std::string settings = "[fHist]\r\n";
    for (int n = 1; n <= count; ++n) {
      WriteFile(Path("list" + std::to_string(n) + ".scsv"), ListText(9 + n));
      settings += "FF" + std::to_string(n) + "=" + Path("list" + std::to_string(n) + ".scsv") + "\r\n";
    }
    WriteSettings(settings);
    WriteFile(Path("open.scsv"), ListText(9));
    return Start({Path("open.scsv")});
  }
};

TEST_F(RecentFilesTest, FilledFromTheSettingsAndSwitchedWithOneClick) {
  TStation& station = StartWithFiles(3);
  EXPECT_FALSE(station.FF[0]->Visible());
  EXPECT_EQ(station.FF[0]->Caption(), Path("open.scsv"));
  EXPECT_EQ(station.FF[1]->Caption(), Path("list1.scsv"));
  EXPECT_EQ(station.FX[1]->Caption(), "list(&1)");
  EXPECT_TRUE(station.FX[3]->Visible());
  EXPECT_FALSE(station.FX[4]->Visible());

  station.FX[2]->Click();
  EXPECT_EQ(station.ListFileName, Path("list2.scsv"));
  EXPECT_EQ(station.FF[1]->Caption(), Path("open.scsv"));
  EXPECT_EQ(station.FF[2]->Caption(), Path("list1.scsv"));
  EXPECT_EQ(station.FF[3]->Caption(), Path("list3.scsv"));

  backend().keys_down = {ui::kVkShift};
  station.FF[2]->Click();  // Shift: removed, list3 moves up
  backend().keys_down.clear();
  EXPECT_EQ(station.ListFileName, Path("list2.scsv"));
  EXPECT_EQ(station.FF[2]->Caption(), Path("list3.scsv"));
  EXPECT_FALSE(station.FF[3]->Visible());

  ASSERT_TRUE(CloseAndEnd());
  const std::string settings = Settings();
  const std::string expected = "[fHist]\r\nFF1=" + Path("open.scsv") + "\r\nFF2=" + Path("list3.scsv") + "\r\n";
  EXPECT_NE(settings.find(expected), std::string::npos) << settings;
}

TEST_F(RecentFilesTest, AMissingFileIsTakenOffWithoutAWord) {
  TStation& station = StartWithFiles(2);
  std::filesystem::remove(Path("list1.scsv"));
  station.FF[1]->Click();
  EXPECT_EQ(station.ListFileName, Path("open.scsv"));
  EXPECT_FALSE(station.FF[1]->Visible());
  EXPECT_FALSE(station.FX[1]->Visible());
  EXPECT_TRUE(backend().message_boxes.empty());
}

TEST_F(RecentFilesTest, AFailedSaveOfTheChangesKeepsTheListAndItsChanges) {
  TStation& station = StartWithFiles(1);
  station.TargetLines[1] += ",JA1AAA<1>";
  station.Save1->SetEnabled(true);
  chmod(Path("open.scsv").c_str(), 0444);
  backend().message_box_answers = {ui::kIdYes};
  station.FF[1]->Click();
  chmod(Path("open.scsv").c_str(), 0644);
  ASSERT_EQ(backend().message_boxes.size(), 2u);  // the question, then the failure
  EXPECT_EQ(station.ListFileName, Path("open.scsv"));
  EXPECT_TRUE(station.Save1->Enabled());
  EXPECT_NE(station.TargetLines[1].find("JA1AAA<1>"), std::string::npos);
  EXPECT_EQ(station.FF[1]->Caption(), Path("list1.scsv"));

  backend().message_box_answers = {ui::kIdNo};
  station.FF[1]->Click();
  EXPECT_EQ(station.ListFileName, Path("list1.scsv"));
  EXPECT_FALSE(station.Save1->Enabled());
  EXPECT_EQ(ReadFile(Path("open.scsv")), ListText(9));
}

}  // namespace
