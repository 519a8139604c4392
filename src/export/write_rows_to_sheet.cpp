#include "export/write_rows_to_sheet.h"

#include "export/sheet_writer.h"
#include "ui/application.h"
#include "ui/keys.h"
#include "ui/message_box.h"

namespace spreadsheet {

namespace {

// 処理を中断しますか？
constexpr const char* kStopQuestion =
    "\x8f\x88\x97\x9d\x82\xf0\x92\x86\x92\x66\x82\xb5\x82\xdc\x82\xb7\x82\xa9\x81\x48";

class BarProgress : public SheetProgress {
 public:
  explicit BarProgress(ui::TProgressBar& bar) : bar_(bar) {}
  void SetMax(int maximum) override {
    bar_.SetMax(maximum);
    bar_.SetVisible(true);
  }
  void SetPosition(int position) override { bar_.SetPosition(position); }

 private:
  ui::TProgressBar& bar_;
};

// Esc held down (read from the keyboard: the loop takes no messages) and the operator
// confirms.
bool EscapeStops() {
  ui::TApplication& application = ui::Application();
  if (!application.backend().IsKeyPressedNow(ui::kVkEscape)) return false;
  return application.ShowMessage(kStopQuestion, application.Title, ui::kMbYesNo | ui::kMbIconQuestion) ==
         ui::kIdYes;
}

// The cursor back to the default and the bar hidden, however the writing ended.
class RestoreOnExit {
 public:
  explicit RestoreOnExit(ui::TProgressBar* bar) : bar_(bar) {}
  ~RestoreOnExit() {
    if (bar_) bar_->SetVisible(false);
    ui::Application().SetCursor(ui::Cursor::kDefault);
  }
  RestoreOnExit(const RestoreOnExit&) = delete;
  RestoreOnExit& operator=(const RestoreOnExit&) = delete;

 private:
  ui::TProgressBar* bar_;
};

}  // namespace

bool WriteRowsToSheet(const std::vector<std::string>& rows, ui::TProgressBar* progress) {
  RestoreOnExit restore(progress);
  ui::TApplication& application = ui::Application();
  application.SetCursor(ui::Cursor::kHourGlass);
  std::unique_ptr<AutomationObject> spreadsheet =
      application.backend().CreateAutomationObject(kSpreadsheetProgId);
  if (!spreadsheet) return false;
  std::unique_ptr<BarProgress> bar;
  if (progress) bar = std::make_unique<BarProgress>(*progress);
  const std::string caption = WriteSheet(*spreadsheet, rows, bar.get(), EscapeStops);
  if (progress) progress->SetVisible(false);
  application.backend().BringWindowToFront(caption);
  return true;
}

}  // namespace spreadsheet
