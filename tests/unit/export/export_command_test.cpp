// The export commands on the headless backend with the recording spreadsheet program:
// the calls in order, the cells read back, the progress bar, Esc, failures and clean-up,
// and the workbook file when no spreadsheet program is installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/file_faults.h"
#include "export/automation.h"
#include "headless/recording_spreadsheet.h"
#include "mst_writer.h"
#include "support/expected_sheet_calls.h"
#include "support/station_fixture.h"
#include "ui/keys.h"
#include "ui/message_box.h"

namespace {

using Cells = std::vector<std::vector<std::string>>;

const std::vector<std::string> kHeader = {"No", "No", "Name", "Code", "Place", "Worked"};

class ExportCommandTest : public StationTest {
 protected:
  static constexpr int kTargets = 12;

  // Row n of the plain export of the list of StartExport.
  static std::vector<std::string> PlainRow(int n) {
    const std::string number = std::to_string(n);
    std::vector<std::string> row = {number, "A-" + number, "Name" + number, "01" + number, "Place"};
    if (n == 3) row.push_back("JA1AAA<2>:JH2BBB(9)");
    return row;
  }

  // A list of twelve targets, the third worked in QSO 2 of the database, and the
  // recording spreadsheet program installed.
  TStation& StartExport() {
    korvax::MstWriter writer(Path("log.mst"));
    writer.Append({.call = "JA0ZZZ", .date = "20/01/01"});
    writer.Append({.call = "JA1AAA", .date = "21/05/01", .time = "12:34:56", .frequency = "7.025", .mode = "CW"});
    EXPECT_TRUE(writer.Finish());
    WriteSettings("[Main]\r\nQSO=" + Path("log.mst") + "\r\n");
    WriteFile(Path("list.scsv"), ListText(kTargets, {"", "", "JA1AAA<2>:JH2BBB(9)"}));
    backend().spreadsheet = spreadsheet_;
    TStation& station = Start({Path("list.scsv")});
    station.KorvaxWnd = 1;
    dialog_->SendLoggerNotice = [this](uint32_t data) { notices_.push_back(data); };
    return station;
  }

  Cells SheetCells(int rows) const {
    Cells cells;
    for (int row = 1; row <= rows; ++row) cells.push_back(spreadsheet_->RowCells(row));
    return cells;
  }

  // Nothing left behind: no object held, the bar hidden, the cursor back.
  void ExpectCleanedUp() {
    EXPECT_EQ(spreadsheet_->live_objects, 0);
    EXPECT_FALSE(station_->Prog1.Visible());
    EXPECT_EQ(backend().cursor, ui::Cursor::kDefault);
  }

  std::shared_ptr<headless::RecordingSpreadsheet> spreadsheet_ =
      std::make_shared<headless::RecordingSpreadsheet>();
  std::vector<uint32_t> notices_;
};

TEST_F(ExportCommandTest, PlainExportWritesTheShownRowsInTheFixedCallOrder) {
  StartExport();
  station_->E2->Click();
  Cells cells = {kHeader};
  for (int n = 1; n <= kTargets; ++n) cells.push_back(PlainRow(n));
  EXPECT_EQ(spreadsheet_->calls, sheet_calls::Expected(cells, kTargets + 1, "F"));
  EXPECT_EQ(SheetCells(kTargets + 1), cells);
  EXPECT_TRUE(spreadsheet_->visible);
  EXPECT_EQ(backend().windows_brought_to_front, std::vector<std::string>{spreadsheet_->caption});
  EXPECT_TRUE(notices_.empty());  // the plain export leaves the QSO database alone
  EXPECT_TRUE(backend().message_boxes.empty());
  ExpectCleanedUp();
}

TEST_F(ExportCommandTest, QsoColumnsForTheShownRowsOfAFilter) {
  StartExport();
  // A filter that shows the third target, then the first.
  station_->RowMap = {0, 3, 1};
  station_->dGrid1.SetRowCount(3);
  station_->N13->Click();
  const Cells cells = {
      {"No", "No", "Name", "Code", "Place", "Call", "Date", "Time", "Freq", "Mode", "Worked"},
      {"1", "A-3", "Name3", "013", "Place", "JA1AAA", "2021/05/01", "12:34", "7.025", "CW", "JH2BBB(9)"},
      {"2", "A-1", "Name1", "011", "Place"}};
  EXPECT_EQ(SheetCells(3), cells);
  EXPECT_EQ(spreadsheet_->calls, sheet_calls::Expected(cells, 3, "K"));
  EXPECT_EQ(notices_, (std::vector<uint32_t>{0x0040001B, 0x0040001C}));
  ExpectCleanedUp();
}

TEST_F(ExportCommandTest, WithoutTheDatabaseTheSecondCommandExportsPlainAndStillClosesTheNotice) {
  StartExport();
  station_->Settings->WriteString("Main", "QSO", Path("missing.mst"));
  station_->N13->Click();
  EXPECT_EQ(spreadsheet_->RowCells(1), kHeader);
  EXPECT_EQ(notices_, (std::vector<uint32_t>{0x0040001B, 0x0040001C}));
  EXPECT_TRUE(backend().message_boxes.empty());
}

TEST_F(ExportCommandTest, AFailedCallShowsTheErrorAndCleansUp) {
  const struct {
    int fail_at_call;
    std::string rejected_member;
    std::string message;
    size_t calls;
  } cases[] = {
      {6, "", "call 6 failed", 6},
      {0, "Borders", spreadsheet::UnknownMemberMessage("Borders"), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    StartExport();
    spreadsheet_->fail_at_call = c.fail_at_call;
    spreadsheet_->rejected_member = c.rejected_member;
    station_->N13->Click();
    ASSERT_EQ(backend().message_boxes.size(), 1u);
    EXPECT_EQ(backend().message_boxes[0].text, c.message);
    EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconError);
    if (c.calls > 0) {
      EXPECT_EQ(spreadsheet_->calls.size(), c.calls);
    }
    EXPECT_FALSE(spreadsheet_->visible);
    EXPECT_EQ(notices_, (std::vector<uint32_t>{0x0040001B, 0x0040001C}));
    ExpectCleanedUp();
    ui::Application().DestroyForms();
    backend().message_boxes.clear();
    notices_.clear();
    spreadsheet_ = std::make_shared<headless::RecordingSpreadsheet>();
  }
}

TEST_F(ExportCommandTest, EscAsksBetweenRowsAndYesKeepsTheRowsWrittenAndStillFormats) {
  StartExport();
  int polls = 0;
  // Esc is down before rows 2 and 3: No goes on, Yes stops.
  backend().on_key_poll = [&](int key) {
    if (key != ui::kVkEscape) return;
    ++polls;
    if (polls == 2) backend().keys_down.insert(key);
    if (polls == 4) backend().keys_down.erase(key);
  };
  backend().message_box_answers = {ui::kIdNo, ui::kIdYes};
  station_->E2->Click();
  ASSERT_EQ(backend().message_boxes.size(), 2u);
  EXPECT_EQ(backend().message_boxes[0].text,
            "\x8f\x88\x97\x9d\x82\xf0\x92\x86\x92\x66\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48");  // 処理を中断しますか？
  EXPECT_EQ(backend().message_boxes[0].caption, "Sorvano");
  EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbYesNo | ui::kMbIconQuestion);
  const Cells written = {kHeader, PlainRow(1)};
  EXPECT_EQ(SheetCells(4), (Cells{written[0], written[1], {}, {}}));
  // The ranges still reach the full row count.
  EXPECT_EQ(spreadsheet_->calls, sheet_calls::Expected(written, kTargets + 1, "F"));
  ExpectCleanedUp();
}

TEST_F(ExportCommandTest, TheProgressBarStepsEveryTenRowsAboveTheBottom) {
  WriteFile(Path("list.scsv"), ListText(25));
  backend().spreadsheet = spreadsheet_;
  Start({Path("list.scsv")});
  std::vector<int> positions;
  bool shown_while_writing = false;
  backend().on_key_poll = [&](int) {
    positions.push_back(station_->Prog1.Position());
    shown_while_writing = station_->Prog1.Visible();
  };
  station_->E2->Click();
  EXPECT_TRUE(shown_while_writing);
  EXPECT_EQ(station_->Prog1.Max(), 2);  // 26 rows div 10
  EXPECT_EQ(positions.size(), 26u);
  EXPECT_EQ(positions[9], 0);  // polled before row 10 sets it
  EXPECT_EQ(positions[10], 1);
  EXPECT_EQ(positions[25], 2);
  const ui::Rect client = station_->ClientRect();
  EXPECT_EQ(station_->Prog1.Bounds().top, client.height - 50);
  ExpectCleanedUp();
}

TEST_F(ExportCommandTest, WithoutASpreadsheetProgramAWorkbookIsSavedBesideTheListAndOpened) {
  StartExport();
  backend().spreadsheet = nullptr;
  station_->E2->Click();
  station_->E2->Click();  // never over the first one
  ASSERT_EQ(backend().shell_opens.size(), 2u);
  for (const std::string& opened : backend().shell_opens) {
    EXPECT_TRUE(std::filesystem::exists(opened)) << opened;
    EXPECT_EQ(ReadFile(opened).substr(0, 2), "PK");
  }
  EXPECT_NE(backend().shell_opens[0], backend().shell_opens[1]);
  EXPECT_EQ(backend().shell_opens[0].rfind(Path("list_"), 0), 0u);
  EXPECT_NE(station_->StatBar1.PanelText(1).find(backend().shell_opens[1]), std::string::npos);
  EXPECT_TRUE(backend().message_boxes.empty());
  EXPECT_FALSE(station_->Prog1.Visible());
}

TEST_F(ExportCommandTest, AWorkbookThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
  namespace faults = platform::faults;
  StartExport();
  backend().spreadsheet = nullptr;
  const std::vector<std::string> files_before = folder_.Entries();
  faults::FailStep(0);
  station_->E2->Click();
  const int steps = faults::StepsTaken();
  ASSERT_GE(steps, 4);  // create, write, flush, close, rename
  ASSERT_EQ(backend().shell_opens.size(), 1u);
  PutBytes(backend().shell_opens[0], "");  // taken: the next export picks another name
  for (int step = 1; step <= steps; ++step) {
    SCOPED_TRACE("failing step " + std::to_string(step) + " of " + std::to_string(steps));
    backend().message_boxes.clear();
    faults::FailStep(step);
    station_->E2->Click();
    faults::FailStep(0);
    ASSERT_EQ(backend().message_boxes.size(), 1u);
    EXPECT_EQ(backend().message_boxes[0].flags, ui::kMbOk | ui::kMbIconError);
    EXPECT_NE(backend().message_boxes[0].text.find(Path("list_")), std::string::npos)
        << backend().message_boxes[0].text;
    EXPECT_EQ(backend().shell_opens.size(), 1u);
    EXPECT_EQ(folder_.Entries().size(), files_before.size() + 1);  // only the first workbook
    EXPECT_FALSE(station_->Prog1.Visible());
    EXPECT_EQ(backend().cursor, ui::Cursor::kDefault);
  }
}

}  // namespace
