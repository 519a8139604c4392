// The main window's layout after font changes and resizes, its caption, and where Tab
// takes the focus.
#include <filesystem>

#include "app/texts.h"
#include "support/station_fixture.h"
#include "ui/keys.h"

namespace {

class WindowLayoutTest : public StationTest {
 protected:
  TStation& StartWithList(const std::string& settings = {}) {
    if (!settings.empty()) WriteSettings(settings);
    WriteFile(Path("list.scsv"), ListText(60));
    return Start({Path("list.scsv")});
  }

  // The user sizes the window.
  void Resize(int width, int height) {
    station_->SetBounds({9, 9, width, height});
    backend().Fire(station_->Id(), ui::EventKind::kResize);
  }

  // Panel on top, status bar at the bottom, the grid exactly in between, all full width,
  // and the QSO box at the panel's right edge.
  void ExpectFilled() const {
    const ui::Rect client = station_->ClientRect();
    const ui::Rect panel = station_->Panel1.Bounds();
    const ui::Rect grid = station_->dGrid1.Bounds();
    const ui::Rect status = station_->StatBar1.Bounds();
    EXPECT_EQ(panel.top, 0);
    EXPECT_EQ(grid.top, panel.top + panel.height);
    EXPECT_EQ(status.top, grid.top + grid.height);
    EXPECT_EQ(status.top + status.height, client.height);
    for (const ui::Rect& part : {panel, grid, status}) EXPECT_EQ(part.width, client.width);
    const ui::Rect combo = station_->Combo1.Bounds();
    EXPECT_EQ(client.width - (combo.left + combo.width), 8);
    const ui::Rect edit = station_->Edit2.Bounds();
    EXPECT_LT(edit.left + edit.width, combo.left);
  }

  int ShownWidthOfLastColumn() const {
    const ui::GridModel& model = station_->dGrid1.Model();
    const ui::Rect bounds = station_->dGrid1.Bounds();
    return ui::ShownColumnWidth(model, {bounds.width, bounds.height}, 5);
  }
};

TEST_F(WindowLayoutTest, TheGridFillsWhatIsLeftAfterFontChangesAndResizes) {
  TStation& station = StartWithList();
  ExpectFilled();
  // A 20-point list font makes the status bar higher, a 20-point window font the panel.
  const ui::Font big{"Big", 20, 0, 0};
  for (const char* section : {"Font2", "Font1"}) {
    SCOPED_TRACE(section);
    const ui::Rect panel_before = station.Panel1.Bounds();
    const ui::Rect status_before = station.StatBar1.Bounds();
    station.SetWindowFont(big);
    station.ApplyFontLayout(section == std::string("Font2") ? 0 : 1);
    EXPECT_TRUE(station.StatBar1.Bounds().height > status_before.height ||
                station.Panel1.Bounds().height > panel_before.height);
    ExpectFilled();
  }
  // Maximised and back: the QSO box follows the right edge, without a move or resize
  // loop ending (a maximise has none).
  Resize(1200, 900);
  ExpectFilled();
  Resize(500, 400);
  ExpectFilled();
  // The smallest window keeps the panel, the status bar and a few rows of the grid.
  const ui::Rect least = backend().At(station.Id()).min_client;
  EXPECT_GE(least.height, station.Panel1.Bounds().height + station.StatBar1.Bounds().height +
                              4 * station.dGrid1.DefaultRowHeight());
  EXPECT_GE(least.width, 320);
}

TEST_F(WindowLayoutTest, TheLastColumnTakesTheWidthThatIsLeftButKeepsItsOwn) {
  TStation& station = StartWithList("[Main]\r\nPos=9,9,640,480,100,150,56,120,99\r\n");
  Resize(1000, 600);
  const ui::Rect grid = station.dGrid1.Bounds();
  int others = 0;
  for (int col = 0; col < 5; ++col) others += station.dGrid1.ColWidths(col);
  EXPECT_EQ(ShownWidthOfLastColumn(), grid.width - others);
  // Narrower than the columns need: the last one keeps its own width and the grid scrolls.
  Resize(400, 600);
  EXPECT_EQ(ShownWidthOfLastColumn(), 99);
  // What is saved is the width set, not the stretched one.
  Resize(1000, 600);
  ASSERT_TRUE(CloseAndEnd());
  EXPECT_NE(Settings().find("Pos=9,9,1000,600,100,150,56,120,99,"), std::string::npos) << Settings();
}

TEST_F(WindowLayoutTest, TheCaptionNamesTheFullPathAtStartAsAfterOpen) {
  WriteFile(Path("list.scsv"), ListText(12));
  WriteFile(Path("other.scsv"), ListText(12));
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  TStation& station = Start({"list.scsv"});
  std::filesystem::current_path(previous);
  const std::string full = Path("list.scsv");
  EXPECT_EQ(station.Caption(), std::string(app::kVersionText) + full);
  EXPECT_EQ(station.FF[0]->Caption(), full);

  backend().open_dialog_answers.push_back(Path("other.scsv"));
  station.O1->Click();
  EXPECT_EQ(station.Caption(), std::string(app::kVersionText) + Path("other.scsv"));
  EXPECT_EQ(station.FF[1]->Caption(), full);  // the same name, not a second entry
  EXPECT_FALSE(station.FF[2]->Visible());
  ASSERT_TRUE(CloseAndEnd());
  EXPECT_NE(Settings().find("[Hist]\r\n" + full + "="), std::string::npos) << Settings();
}

TEST_F(WindowLayoutTest, TabAndShiftTabGoRoundTheGridTheLineAndTheQsoBox) {
  TStation& station = StartWithList();
  headless::GridDriver(backend(), station.dGrid1).PressKey(ui::kVkTab);
  EXPECT_EQ(backend().focused, station.Edit2.Id());
  const auto press = [](ui::Widget& control, unsigned shift) {
    ui::Event down{ui::EventKind::kKeyDown};
    down.key = ui::kVkTab;
    down.shift = shift;
    control.Dispatch(down);
    ui::Event character{ui::EventKind::kKeyPress};
    character.key = '\t';
    control.Dispatch(character);
    return down.key + character.key;  // both consumed: 0
  };
  EXPECT_EQ(press(station.Edit2, 0), 0);
  EXPECT_EQ(backend().focused, station.Combo1.Id());
  EXPECT_EQ(press(station.Combo1, 0), 0);
  EXPECT_EQ(backend().focused, station.dGrid1.Id());
  EXPECT_EQ(press(station.Edit2, ui::kShiftShift), 0);
  EXPECT_EQ(backend().focused, station.dGrid1.Id());
  EXPECT_EQ(press(station.dGrid1, ui::kShiftShift), 0);
  EXPECT_EQ(backend().focused, station.Combo1.Id());
  // Ctrl+Tab is not the form's.
  ui::Event ctrl_tab{ui::EventKind::kKeyDown};
  ctrl_tab.key = ui::kVkTab;
  ctrl_tab.shift = ui::kShiftCtrl;
  station.Combo1.Dispatch(ctrl_tab);
  EXPECT_EQ(ctrl_tab.key, ui::kVkTab);
}

}  // namespace
