#include <sstream>

#include "support/station_fixture.h"
#include "ui/message_box.h"

namespace {

// The numbers of "Main"/"Pos" in the settings file after a run.
std::vector<int> SavedPos(const std::string& settings) {
  const size_t start = settings.find("Pos=");
  std::vector<int> numbers;
  if (start == std::string::npos) return numbers;
  std::istringstream in(settings.substr(start + 4, settings.find('\r', start) - start - 4));
  std::string item;
  while (std::getline(in, item, ',')) numbers.push_back(std::stoi(item));
  return numbers;
}

struct PosCase {
  const char* name;
  const char* pos;  // nullptr: no settings file
  ui::Rect bounds;
  std::vector<int> widths;
  ui::WindowState state;
  int top_row;
};

TEST_F(StationTest, RestoresPositionWidthsStateAndTopRow) {
  const PosCase cases[] = {
      {"defaults", nullptr, {9, 9, 800, 560}, {100, 196, 56, 230, 99}, ui::WindowState::kNormal, 1},
      {"four numbers keep the designed widths", "1,2,300,200", {1, 2, 300, 200}, {40, 40, 40, 40, 40},
       ui::WindowState::kNormal, 1},
      {"state 7 is normal, top row restored", "5,6,700,500,10,20,30,40,50,7,30", {5, 6, 700, 500},
       {10, 20, 30, 40, 50}, ui::WindowState::kNormal, 30},
      {"state -1 is normal, width 1 is ignored", "5,6,700,500,1,20,30,40,50,-1",
       {5, 6, 700, 500}, {40, 20, 30, 40, 50}, ui::WindowState::kNormal, 1},
      {"maximised", "5,6,700,500,10,20,30,40,50,2,0", {5, 6, 700, 500}, {10, 20, 30, 40, 50},
       ui::WindowState::kMaximized, 1},
      {"a colon stops the reading", "9,9:640,480,100", {9, 9, 0, 0}, {40, 40, 40, 40, 40},
       ui::WindowState::kNormal, 1},
  };
  for (const PosCase& test : cases) {
    SCOPED_TRACE(test.name);
    ui::Application().DestroyForms();
    std::filesystem::remove(Path("Sorvano.ini"));
    if (test.pos) WriteSettings(std::string("[Main]\r\nPos=") + test.pos + "\r\n");
    WriteFile(Path("list.scsv"), ListText(60));
    TStation& station = Start({Path("list.scsv")});
    EXPECT_EQ(station.Bounds(), test.bounds);
    for (int col = 1; col <= 5; ++col) {
      EXPECT_EQ(station.dGrid1.ColWidths(col), test.widths[static_cast<size_t>(col - 1)]) << col;
    }
    EXPECT_EQ(station.GetWindowState(), test.state);
    EXPECT_EQ(station.dGrid1.TopRow(), test.top_row);
  }
}

TEST_F(StationTest, StartMinimisedWithoutTheLoggerOpensNormalAndKeepsTheBox) {
  WriteSettings("[Main]\r\nPos=9,9,640,480,100,196,56,230,99,1,0\r\n");
  WriteFile(Path("list.scsv"), ListText(9));
  TStation& station = Start({Path("list.scsv")});
  EXPECT_EQ(station.GetWindowState(), ui::WindowState::kNormal);
  EXPECT_TRUE(dialog_->Check29.Checked());
  ASSERT_TRUE(CloseAndEnd());
  EXPECT_EQ(SavedPos(Settings()).at(9), 1);
}

TEST_F(StationTest, ClosingWritesElevenNumbersAndTheCurrentRow) {
  WriteFile(Path("list.scsv"), ListText(30));
  TStation& station = Start({Path("list.scsv")});
  station.dGrid1.SetColWidths(2, 150);
  station.dGrid1.SetRow(12);
  station.SetWindowState(ui::WindowState::kMaximized);
  ASSERT_TRUE(CloseAndEnd());
  const std::string settings = Settings();
  // Maximised: the state is 2 and the normal bounds read at start-up are kept.
  EXPECT_EQ(SavedPos(settings),
            (std::vector<int>{9, 9, 800, 560, 100, 150, 56, 230, 99, 2, SavedPos(settings).at(10)}));
  EXPECT_NE(settings.find("[Hist]\r\n" + Path("list.scsv") + "=12\r\n"), std::string::npos);
}

TEST_F(StationTest, CloseQuestionWithUnsavedChanges) {
  struct Case {
    int answer;
    bool closes;
    bool list_saved;
  };
  for (const Case& test : {Case{ui::kIdCancel, false, false}, Case{ui::kIdNo, true, false},
                           Case{ui::kIdYes, true, true}}) {
    SCOPED_TRACE(test.answer);
    ui::Application().DestroyForms();
    std::filesystem::remove(Path("Sorvano.ini"));
    const std::string original = ListText(12);
    WriteFile(Path("list.scsv"), original);
    TStation& station = Start({Path("list.scsv")});
    station.TargetLines[1] += ",X<1>";
    station.Save1->SetEnabled(true);
    backend().message_boxes.clear();
    backend().message_box_answers = {test.answer};

    EXPECT_EQ(CloseAndEnd(), test.closes);
    ASSERT_EQ(backend().message_boxes.size(), 1u);
    EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbYesNoCancel | ui::kMbIconQuestion);
    EXPECT_EQ(backend().message_boxes[0].caption, "Sorvano");
    // The award name (header field 5) starts the question.
    EXPECT_EQ(backend().message_boxes[0].text.rfind("Award", 0), 0u);
    EXPECT_EQ(std::filesystem::exists(Path("Sorvano.ini")), test.closes);
    EXPECT_EQ(ReadFile(Path("list.scsv")) != original, test.list_saved);
  }
}

TEST_F(StationTest, UnreadableSettingsFileIsReportedAndNeverOverwritten) {
  const std::string binary("[Main]\r\nPos=1\0garbage", 20);
  WriteSettings(binary);
  WriteFile(Path("list.scsv"), ListText(9));
  Start({Path("list.scsv")});
  ASSERT_FALSE(backend().message_boxes.empty());
  EXPECT_NE(backend().message_boxes[0].text.find("Sorvano.ini"), std::string::npos);
  ASSERT_TRUE(CloseAndEnd());
  EXPECT_EQ(Settings(), binary);
}

}  // namespace
