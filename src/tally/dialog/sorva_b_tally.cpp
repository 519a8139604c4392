// The tally command of the dialog: Button1 starts a tally over the main window's target
// lines, or asks the running one to stop. The engine does the work; this file turns the
// controls into its options and its results into the main window's state.
#include <optional>
#include <string>

#include "app/station.h"
#include "tally/dialog/sorva_b.h"
#include "tally/dialog/sorva_b_open2.h"
#include "tally/dialog/sorva_b_texts.h"
#include "tally/qso_source.h"
#include "tally/tally_engine.h"
#include "tally/tally_rules.h"
#include "tally/tally_settings.h"
#include "targets/target_list.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/message_pacer.h"

namespace {

constexpr uint32_t kOpenNotice = 0x0040001B;
constexpr uint32_t kCloseNotice = 0x0040001C;
// The dialog's side of a running tally.
class DialogCallbacks : public tally::TallyCallbacks {
 public:
  DialogCallbacks(TSorvaB& dialog, TStation& station) : dialog_(dialog), station_(station) {}

  void ProcessMessages() override { pacer_.Pump(); }
  bool CancelRequested() override { return dialog_.CancelRequested; }
  void ShowProgress(bool visible) override { dialog_.Progress1.SetVisible(visible); }
  void SetProgressMax(int max) override { dialog_.Progress1.SetMax(max); }
  void SetProgressPosition(int position) override { dialog_.Progress1.SetPosition(position); }
  std::optional<std::string> ChooseDatabase(const std::string& failed_path) override {
    return tally::ChooseQsoDatabase(*station_.Settings, failed_path);
  }
  void StartRecordReset() override { dialog_.Spin1.SetText("1"); }
  void SendOpenNotice() override { Send(kOpenNotice); }
  void SendCloseNotice() override { Send(kCloseNotice); }

 private:
  void Send(uint32_t data) {
    if (station_.KorvaxWnd > 0 && dialog_.SendLoggerNotice) dialog_.SendLoggerNotice(data);
  }

  TSorvaB& dialog_;
  TStation& station_;
  ui::MessagePacer pacer_;
};

// Button1 back to "start", the progress bar hidden and the cursor restored, however the
// tally ended.
class IdleOnExit {
 public:
  explicit IdleOnExit(TSorvaB& dialog) : dialog_(dialog) {}
  ~IdleOnExit() {
    dialog_.Progress1.SetVisible(false);
    dialog_.CancelRequested = false;
    dialog_.Button1.SetCaption(tally::dialog_texts::kStartButton);
    dialog_.Button1.Tag = 0;
    ui::Application().SetCursor(ui::Cursor::kDefault);
  }
  IdleOnExit(const IdleOnExit&) = delete;
  IdleOnExit& operator=(const IdleOnExit&) = delete;

 private:
  TSorvaB& dialog_;
};

// The line of the target the operator has selected (the grid may show a filtered list).
std::string SelectedLine(const TStation& station) {
  const int row = station.dGrid1.Row();
  int line = row;
  if (row >= 0 && static_cast<size_t>(row) < station.RowMap.size()) {
    line = station.RowMap[static_cast<size_t>(row)];
  }
  if (line < 0 || static_cast<size_t>(line) >= station.TargetLines.size()) return {};
  return station.TargetLines[static_cast<size_t>(line)];
}

}  // namespace

void TSorvaB::Button1Click(ui::Widget&) {
  if (Button1.Tag == 1) {
    CancelRequested = true;
    return;
  }
  TakeSettings();
  if (!tally::ParseBrackets(settings_.WkdChars).IsUsable() ||
      !tally::ParseBrackets(settings_.CfmChars).IsUsable()) {
    Close();  // the close handler keeps the settings; the next show gives the defaults
    return;
  }

  IdleOnExit idle_on_exit(*this);
  ui::Application().SetCursor(ui::Cursor::kHourGlass);
  ClassifyList();
  Button1.SetCaption(tally::dialog_texts::kAbortButton);
  Button1.Tag = 1;
  // No band box checked counts all bands, and shows it.
  if (settings_.bands == tally::kAllBands) Check(tally::kAllBandsBox).SetChecked(true);

  award_.AwardKeyword = targets::KeywordOfLine(SelectedLine(station_));
  tally::TallyOptions options = tally::MakeTallyOptions(settings_, award_);
  // The date in the box counts, also when it is the list's own and was typed over.
  options.start_date = Edit5.Text().substr(0, tally::kStartDateBytes);
  options.database_path = tally::QsoDatabasePath(*station_.Settings);

  tally::KorvaxLibrary library;
  DialogCallbacks callbacks(*this, station_);
  const tally::TallyResult result =
      tally::RunTally(station_.TargetLines, library, options, callbacks);
  award_.List = result.list;
  if (result.end == tally::TallyEnd::kUnusableBrackets) {
    Close();
    return;
  }
  if (result.end == tally::TallyEnd::kNoDatabase) return;
  award_.AwardKeyword = result.AwardKeyword;
  award_.TargetKind = result.TargetKind;
  if (result.counted) station_.WorkedCount = result.worked;
  if (result.clipboard) ui::Application().backend().SetClipboardText(*result.clipboard);
  if (result.enable_save) station_.Save1->SetEnabled(true);
  ui::Application().SetCursor(ui::Cursor::kDefault);
  if (result.show_report) {
    ui::Application().ShowMessage(result.report, award_.AwardName, ui::kMbOk | ui::kMbIconInformation);
  }
  station_.DrawRow = -1;
  station_.dGrid1.Invalidate();
}
