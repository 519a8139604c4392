// The tally command of the dialog: Button1 starts a tally over the main window's target
// lines, or asks the running one to stop. The engine does the work; this file turns the
// controls into its options and its results into the main window's state.
#include <optional>
#include <string>

#include "app/forms.h"
#include "app/number_text.h"
#include "app/sorva_b.h"
#include "app/station.h"
#include "tally/qso_source.h"
#include "tally/sorva_b_open2.h"
#include "tally/sorva_b_texts.h"
#include "tally/tally_engine.h"
#include "tally/tally_rules.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/message_pacer.h"

namespace {

constexpr uint32_t kOpenNotice = 0x0040001B;
constexpr uint32_t kCloseNotice = 0x0040001C;
constexpr int kAllBandsCheck = 16;

// The dialog's side of a running tally.
class DialogCallbacks : public tally::TallyCallbacks {
 public:
  explicit DialogCallbacks(TSorvaB& dialog) : dialog_(dialog) {}

  void ProcessMessages() override { pacer_.Pump(); }
  bool CancelRequested() override { return dialog_.CancelRequested; }
  void ShowProgress(bool visible) override { dialog_.Progress1.SetVisible(visible); }
  void SetProgressMax(int max) override { dialog_.Progress1.SetMax(max); }
  void SetProgressPosition(int position) override { dialog_.Progress1.SetPosition(position); }
  std::optional<std::string> ChooseDatabase(const std::string& failed_path) override {
    return tally::ChooseQsoDatabase(*Station->Settings, failed_path);
  }
  void StartRecordReset() override { dialog_.Spin1.SetText("1"); }
  void SendOpenNotice() override { Send(kOpenNotice); }
  void SendCloseNotice() override { Send(kCloseNotice); }

 private:
  void Send(uint32_t data) {
    if (Station->KorvaxWnd > 0 && dialog_.SendLoggerNotice) dialog_.SendLoggerNotice(data);
  }

  TSorvaB& dialog_;
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

tally::RemarksChoice RemarksChoiceOf(const TSorvaB& dialog) {
  if (dialog.Radio3.Checked()) return tally::RemarksChoice::kRemarks1Only;
  if (dialog.Radio4.Checked()) return tally::RemarksChoice::kRemarks2Only;
  if (dialog.Radio5.Checked()) return tally::RemarksChoice::kRemarks1First;
  if (dialog.Radio8.Checked()) return tally::RemarksChoice::kRemarks2First;
  return tally::RemarksChoice::kRemarks2Only;
}

tally::PortableChoice PortableChoiceOf(const TSorvaB& dialog) {
  switch (dialog.KoteiChk.State()) {
    case ui::CheckState::kChecked:
      return tally::PortableChoice::kPortableOnly;
    case ui::CheckState::kGrayed:
      return tally::PortableChoice::kFixedOnly;
    default:
      return tally::PortableChoice::kBoth;
  }
}

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

void TSorvaB::ClassifyList() {
  AwdKeywords[kAwardSlots] = tally::kFixedLastSlot;
  const tally::ListKind kind = tally::ClassifyList(Station->TargetLines, AwdKeywords);
  MixedList = kind.MixedList;
  ZaList = kind.ZaList;
  PerCityList = kind.PerCityList;
  Check17.SetEnabled(kind.ExcelTableAllowed());
  CancelRequested = false;
}

void TSorvaB::Button1Click(ui::Widget&) {
  if (Button1.Tag == 1) {
    CancelRequested = true;
    return;
  }
  TStation& station = *Station;
  WkdChars = app::CopyPadded(Edit2.Text(), 2);
  CfmChars = app::CopyPadded(Edit3.Text(), 2);
  if (!tally::ParseBrackets(WkdChars).IsUsable() || !tally::ParseBrackets(CfmChars).IsUsable()) {
    Close();  // the close handler keeps the settings; the operator sees the blank box again
    return;
  }

  IdleOnExit idle_on_exit(*this);
  ui::Application().SetCursor(ui::Cursor::kHourGlass);
  ClassifyList();
  ExcelTable = Check17.Enabled() && Check17.Checked();
  Button1.SetCaption(tally::dialog_texts::kAbortButton);
  Button1.Tag = 1;

  tally::TallyOptions options;
  options.WkdChars = WkdChars;
  options.CfmChars = CfmChars;
  options.start_date = Edit5.Text().substr(0, tally::kStartDateBytes);
  for (int n = 0; n < kAwardSlots; ++n) {
    AwdKeywords[static_cast<size_t>(n)] = KeywordOf(n);
  }
  options.AwdKeywords = AwdKeywords;
  tally::KorvaxLibrary library;
  options.start_record = library.StrToLong(Spin1.Text().c_str());
  NoDuplicates = Check18.Checked();
  options.NoDuplicates = NoDuplicates;
  options.ExcelTable = ExcelTable;
  GiveUpMarks = tally::MakeGiveUpMarks(Edit4.Text());
  options.GiveUpMarks = GiveUpMarks;
  ModeFilter = std::string(tally::TrimBlanks(Edit1.Text()));
  options.ModeFilter = ModeFilter;
  AwardKeyword = SelectedLine(station).substr(0, tally::kKeywordBytes);
  options.AwardKeyword = AwardKeyword;
  options.AwardName = AwardName;
  options.AwardOptions = AwardOptions;
  options.remarks = RemarksChoiceOf(*this);
  options.portable = PortableChoiceOf(*this);

  uint32_t band_mask = 0;
  for (int n = 1; n <= kAllBandsCheck; ++n) {
    if (Check(n).Checked()) band_mask |= 1u << (n - 1);
  }
  if (band_mask == 0) {
    Check(kAllBandsCheck).SetChecked(true);
    band_mask = tally::kAllBands;
  }
  options.band_mask = band_mask;
  options.database_path = tally::QsoDatabasePath(*station.Settings);

  DialogCallbacks callbacks(*this);
  const tally::TallyResult result =
      tally::RunTally(station.TargetLines, library, options, callbacks);
  MixedList = result.list.MixedList;
  ZaList = result.list.ZaList;
  PerCityList = result.list.PerCityList;
  if (result.end == tally::TallyEnd::kBlankBrackets) {
    Close();
    return;
  }
  if (result.end == tally::TallyEnd::kNoDatabase) return;
  AwardKeyword = result.AwardKeyword;
  TargetKind = result.TargetKind;
  if (result.counted) station.WorkedCount = result.worked;
  if (result.clipboard) ui::Application().backend().SetClipboardText(*result.clipboard);
  if (result.enable_save) station.Save1->SetEnabled(true);
  ui::Application().SetCursor(ui::Cursor::kDefault);
  if (result.show_report) {
    ui::Application().MessageBox(result.report, AwardName, ui::kMbOk | ui::kMbIconInformation);
  }
  station.DrawRow = -1;
  station.dGrid1.Invalidate();
}
