#include <algorithm>
#include <set>

#include "support/station_fixture.h"
#include "ui/keys.h"

namespace {

constexpr char kWorked[] = "\x81\x9f";     // ◆
constexpr char kConfirmed[] = "\x81\xa1";  // ■

class ListViewTest : public StationTest {
 protected:
  TStation& StartWith(const std::string& list, const std::string& settings = {}) {
    if (!settings.empty()) WriteSettings(settings);
    WriteFile(Path("list.scsv"), list);
    TStation& station = Start({Path("list.scsv")});
    station.dGrid1.SetBounds({0, 0, 600, 2000});  // every row of a small list on screen
    return station;
  }
  headless::PaintResult Paint() { return headless::GridDriver(backend(), station_->dGrid1).Paint(); }
};

TEST_F(ListViewTest, MarksComeFromTheWorkedField) {
  // Record 1: no field 4; 2: empty field 4 followed by another field (no entry, so no
  // mark); 3: worked; 4: confirmed; 5: "(" inside a call sign counts as confirmed.
  std::string list = "No,Name,Code,Place,Worked,Award\r\n"
                     "A-1,N,01,P\r\n"
                     "A-2,N,01,P,,x\r\n"
                     "A-3,N,01,P,JA1AAA<12>\r\n"
                     "A-4,N,01,P,JA1AAA<12>:JA2BBB(13)\r\n"
                     "A-5,N,01,P,JA(1\r\n";
  for (int n = 6; n <= 9; ++n) list += "A-" + std::to_string(n) + ",N,01,P\r\n";
  StartWith(list);
  const headless::PaintResult painted = Paint();
  EXPECT_EQ(painted.Text(1, 1), "A-1");
  EXPECT_EQ(painted.Text(1, 2), "A-2");
  EXPECT_EQ(painted.Text(1, 3), std::string(kWorked) + "A-3");
  EXPECT_EQ(painted.Text(1, 4), std::string(kConfirmed) + "A-4");
  EXPECT_EQ(painted.Text(1, 5), std::string(kConfirmed) + "A-5");
  EXPECT_EQ(painted.Text(5, 4), "JA1AAA<12>:JA2BBB(13)");
  EXPECT_EQ(painted.Text(0, 7), "7");
  // Header fields 0..4 title columns 1..5.
  EXPECT_EQ(painted.Text(3, 0), "Code");
}

TEST_F(ListViewTest, OverwriteMarkReplacesTheFirstCharacterOfTheNumber) {
  std::string list = "No,Name\r\n"
                     "AB-1,N,01,P,X<1>\r\n"
                     "\x81\xa0" "01-001,N,01,P,X<1>\r\n";  // □01-001
  for (int n = 3; n <= 9; ++n) list += "A-" + std::to_string(n) + ",N,01,P\r\n";
  StartWith(list, "[Set]\r\nRmks=1024\r\n");
  const headless::PaintResult painted = Paint();
  EXPECT_EQ(painted.Text(1, 1), std::string(kWorked) + "-1");
  EXPECT_EQ(painted.Text(1, 2), std::string(kWorked) + "01-001");
  // A header with two fields leaves the other titles empty.
  EXPECT_EQ(painted.Text(4, 0), "");
}

TEST_F(ListViewTest, BackgroundsFollowTheFocusAndTheMarkedRow) {
  TStation& station = StartWith(ListText(12));
  station.dGrid1.FocusCell(2, 3);
  station.Timer2Timer();  // the selection follow-up marks row 3
  station.dGrid1.FocusCell(2, 5);
  headless::PaintResult painted = Paint();
  EXPECT_EQ(painted.Background(2, 3), ui::kClYellow);
  EXPECT_EQ(painted.Background(2, 5), station.dGrid1.SelectedColor);
  EXPECT_EQ(painted.Background(1, 5), ui::kClWhite);
  EXPECT_EQ(painted.Background(0, 5), station.dGrid1.FixedColor);
  station.dGrid1.FocusCell(2, 3);
  painted = Paint();
  EXPECT_EQ(painted.Background(2, 3), ui::Rgb(128, 0, 0));
}

TEST_F(ListViewTest, StatusLineAndTopPanel) {
  TStation& station = StartWith(ListText(9, {"", "JA1AAA<5>:JA2BBB(7)", "JA3CCC<9>"}));
  EXPECT_EQ(station.StatBar1.PanelText(0), "Award\x81\x81" "2\x81^9\x8c\x8f");  // Award＝2／9件
  station.dGrid1.FocusCell(1, 2);
  station.Timer2Timer();
  EXPECT_EQ(station.Edit2.Text(), "A-2,Name2,012,Place");
  EXPECT_EQ(station.Combo1.Items(), (std::vector<std::string>{"JA1AAA<5>", "JA2BBB(7)"}));
  EXPECT_EQ(station.Combo1.ItemIndex(), 0);
  EXPECT_EQ(station.StatBar1.PanelText(1), "A-2,Name2,012,Place,JA1AAA<5>:JA2BBB(7)");
}

TEST_F(ListViewTest, WheelMovesOneRowWithinTheListOnlyOverTheGrid) {
  TStation& station = StartWith(ListText(9));
  headless::GridDriver grid(backend(), station.dGrid1);
  grid.Wheel(-120);
  EXPECT_EQ(station.dGrid1.Row(), 1);  // the mouse is not over the grid
  grid.MouseEnter();
  grid.Wheel(120);
  EXPECT_EQ(station.dGrid1.Row(), 1);
  grid.Wheel(-360);
  EXPECT_EQ(station.dGrid1.Row(), 2);
  station.dGrid1.SetRow(9);
  grid.Wheel(-120);
  EXPECT_EQ(station.dGrid1.Row(), 9);
}

TEST_F(ListViewTest, ShiftOrAltDownIsConsumedCtrlShiftDownMoves) {
  TStation& station = StartWith(ListText(9));
  headless::GridDriver grid(backend(), station.dGrid1);
  grid.PressKey(ui::kVkDown, ui::kShiftShift);
  grid.PressKey(ui::kVkDown, ui::kShiftAlt);
  EXPECT_EQ(station.dGrid1.Row(), 1);
  grid.PressKey(ui::kVkDown, ui::kShiftShift | ui::kShiftCtrl);
  EXPECT_EQ(station.dGrid1.Row(), 2);
}

}  // namespace

namespace {

TEST_F(ListViewTest, APaintDrawsOnlyTheRowsOnScreenEachOnce) {
  TStation& station = StartWith(ListText(30000));
  station.dGrid1.SetBounds({0, 0, 600, 400});
  station.dGrid1.SetRow(29990);
  const std::vector<int> rows = Paint().Rows();
  ASSERT_FALSE(rows.empty());
  EXPECT_LE(rows.size(), static_cast<size_t>(station.dGrid1.VisibleRowCount() + 2));
  EXPECT_EQ(rows.front(), 0);  // the title row
  EXPECT_NE(std::find(rows.begin(), rows.end(), 29990), rows.end());
  EXPECT_EQ(std::set<int>(rows.begin(), rows.end()).size(), rows.size());
}

}  // namespace
