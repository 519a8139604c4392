// The tally dialog's show and close: the main window's tally settings into the controls
// on every show, and every control back into them, and into section "Set", on every close.
#include <algorithm>
#include <string>

#include "app/station.h"
#include "app/texts.h"
#include "base/sjis_text.h"
#include "korvax50.h"
#include "tally/dialog/sorva_b.h"
#include "tally/dialog/sorva_b_texts.h"

namespace {

using Settings = tally::TallySettings;

// The option boxes and the settings they show (Combo1, KoteiChk and the band boxes
// apart): `visit(box, option)` for each.
template <class Visit>
void ForEachOptionBox(TSorvaB& dialog, Visit visit) {
  visit(dialog.Radio8, &Settings::remarks2_first);
  visit(dialog.Radio0, &Settings::send_code_and_qth);
  visit(dialog.Radio1, &Settings::send_to_remarks1);
  visit(dialog.Radio2, &Settings::send_to_remarks2);
  visit(dialog.Radio3, &Settings::remarks1_only);
  visit(dialog.Radio4, &Settings::remarks2_only);
  visit(dialog.Radio5, &Settings::remarks1_first);
  visit(dialog.Radio6, &Settings::overwrite_mark);
  visit(dialog.Radio7, &Settings::use_korvax_mst);
  visit(dialog.Check17, &Settings::excel_table);
  visit(dialog.Check18, &Settings::no_duplicates);
}

}  // namespace

bool TSorvaB::ListHasStartDate() const { return tally::IsStartDate(award_.ListStartDate); }

void TSorvaB::FormShow() {
  SetCaption(std::string(tally::dialog_texts::kCaptionHead) + app::kBuildDate +
             tally::dialog_texts::kCaptionTail);

  settings_.RepairBrackets();
  Combo1.SetItemIndex(settings_.send_position);
  ForEachOptionBox(*this, [this](auto& box, bool Settings::*option) { box.SetChecked(settings_.*option); });
  Radio7.SetEnabled(settings_.send_code_and_qth);
  ShowPortableChoice(settings_.Portable());

  Spin1.SetText(std::to_string(std::max(1, settings_.start_record)));
  spin1_caret_ = 0;
  for (int n = 1; n <= tally::kAllBandsBox; ++n) Check(n).SetChecked(settings_.bands & (1u << (n - 1)));

  Button1.SetCaption(tally::dialog_texts::kStartButton);
  Button1.Tag = 0;

  Edit1.SetText(settings_.ModeFilter);
  Edit2.SetText(settings_.WkdChars);
  Edit3.SetText(settings_.CfmChars);
  Edit4.SetText(settings_.GiveUpMarks);
  Edit5.SetText(tally::StartDateFor(settings_, award_.ListStartDate));
  edit5_caret_ = 0;

  for (int n = 0; n < kAwardSlots; ++n) {
    Awd[static_cast<size_t>(n)]->SetText(settings_.AwdKeywords[static_cast<size_t>(n)]);
  }
  ClassifyList();
}

void TSorvaB::ClassifyList() {
  award_.List = tally::ClassifyList(station_.TargetLines, settings_.Slots());
  Check17.SetEnabled(award_.List.ExcelTableAllowed());
  CancelRequested = false;
}

void TSorvaB::TakeSettings() {
  const int combo = Combo1.ItemIndex();
  settings_.send_position = combo >= 0 ? combo : tally::TallySettings().send_position;
  ForEachOptionBox(*this, [this](auto& box, bool Settings::*option) { settings_.*option = box.Checked(); });
  settings_.SetPortable(PortableChoiceShown());

  settings_.ModeFilter = tally::ModeFilterOf(Edit1.Text());
  uint32_t bands = 0;
  for (int n = 1; n <= tally::kAllBandsBox; ++n) {
    if (Check(n).Checked()) bands |= 1u << (n - 1);
  }
  settings_.SetBandBoxes(bands);
  settings_.start_record = StrToLong(Spin1.Text().c_str());

  settings_.WkdChars = tally::BracketText(Edit2.Text());
  settings_.CfmChars = tally::BracketText(Edit3.Text());
  settings_.GiveUpMarks = std::string(sjis::TrimBlanks(Edit4.Text()));
  for (int n = 0; n < kAwardSlots; ++n) {
    settings_.AwdKeywords[static_cast<size_t>(n)] = tally::AwardKeywordOf(Awd[static_cast<size_t>(n)]->Text());
  }
  // Edit5 shows the list's own start date when it has one; that one is not kept.
  if (!ListHasStartDate()) settings_.start_date = Edit5.Text();
}

void TSorvaB::FormCloseQuery(bool&) {
  // Closing while a tally runs stops it; it ends through its clean-up at the next record.
  if (Button1.Tag == 1) CancelRequested = true;
}

void TSorvaB::FormClose() {
  TakeSettings();
  tally::SaveTallySettings(settings_, *station_.Settings, !ListHasStartDate());
  station_.Timer2.SetTimerEnabled(true);
  station_.ApplyFontLayout(1);
}
