// The tally dialog's controls that keep each other consistent (band boxes, the send
// options, the portable/fixed box) and the key filters of its edit boxes.
#include <algorithm>
#include <string>
#include <vector>

#include "app/station.h"
#include "tally/dialog/sorva_b.h"
#include "tally/dialog/sorva_b_key_filters.h"
#include "tally/dialog/sorva_b_texts.h"
#include "ui/keys.h"

namespace {

constexpr int kAllBandsCheck = 16;

// Follows the caret of a typed-over box on the keys that move it.
void MoveCaret(int key, const std::string& text, int& caret) {
  const int length = static_cast<int>(text.size());
  switch (key) {
    case ui::kVkLeft:
      caret = std::max(0, std::min(caret, length) - 1);
      break;
    case ui::kVkRight:
      caret = std::min(length, caret + 1);
      break;
    case ui::kVkHome:
      caret = 0;
      break;
    case ui::kVkEnd:
      caret = length;
      break;
    default:
      break;
  }
}

// KoteiChk's three states are the three portable choices, each with its caption.
struct KoteiLook {
  tally::PortableChoice choice;
  ui::CheckState state;
  const char* caption;
};
constexpr KoteiLook kKoteiLooks[] = {
    {tally::PortableChoice::kBoth, ui::CheckState::kUnchecked, tally::dialog_texts::kPortableAndFixed},
    {tally::PortableChoice::kPortableOnly, ui::CheckState::kChecked, tally::dialog_texts::kPortableOnly},
    {tally::PortableChoice::kFixedOnly, ui::CheckState::kGrayed, tally::dialog_texts::kFixedOnly},
};

// A typed-over box: the key goes through `type`, the box shows the result and the caret.
void TypeOver(ui::TEdit& box, int& caret, int& key, void (*type)(tally::CaretText&, int)) {
  tally::CaretText typed{box.Text(), caret};
  type(typed, key);
  key = 0;
  if (typed.text != box.Text()) box.SetText(typed.text);
  caret = typed.caret;
  box.SetCaret(typed.caret);  // setting the text put the visible caret at the start
}

}  // namespace

void TSorvaB::BitBtn1Click(ui::Widget&) { Close(); }

void TSorvaB::RefreshKoteiCaption() {
  for (const KoteiLook& look : kKoteiLooks) {
    if (look.state == KoteiChk.State()) KoteiChk.SetCaption(look.caption);
  }
}

void TSorvaB::ShowPortableChoice(tally::PortableChoice choice) {
  for (const KoteiLook& look : kKoteiLooks) {
    if (look.choice == choice) KoteiChk.SetState(look.state);
  }
  RefreshKoteiCaption();
}

tally::PortableChoice TSorvaB::PortableChoiceShown() const {
  for (const KoteiLook& look : kKoteiLooks) {
    if (look.state == KoteiChk.State()) return look.choice;
  }
  return tally::PortableChoice::kBoth;
}

void TSorvaB::KoteiChkClick(ui::Widget&) { RefreshKoteiCaption(); }

// Korvax.mst is only used together with sending the code and QTH.
void TSorvaB::Radio0Click(ui::Widget&) {
  const bool sending_code = Radio0.Checked();
  if (!sending_code) Radio7.SetChecked(false);
  Radio7.SetEnabled(sending_code);
}

// A band box and "AllBand" exclude each other.
void TSorvaB::BandCheckClick(ui::Widget& sender) {
  auto& box = static_cast<ui::TCheckBox&>(sender);
  if (!box.Checked()) return;
  if (&box == &Check(kAllBandsCheck)) {
    for (int n = 1; n < kAllBandsCheck; ++n) Check(n).SetChecked(false);
  } else {
    Check(kAllBandsCheck).SetChecked(false);
  }
}

void TSorvaB::Edit1KeyPress(ui::Widget&, int& key) { key = tally::UpperCaseKey(key); }

void TSorvaB::BracketKeyPress(ui::Widget&, int& key) {
  if (!tally::BracketKeyAllowed(key)) key = 0;
}

void TSorvaB::Spin1KeyPress(ui::Widget&, int& key) {
  TypeOver(Spin1, spin1_caret_, key, tally::TypeStartRecordKey);
}

void TSorvaB::Edit5KeyPress(ui::Widget&, int& key) {
  TypeOver(Edit5, edit5_caret_, key, tally::TypeStartDateKey);
}

void TSorvaB::Spin1KeyDown(ui::Widget&, int& key, unsigned) { MoveCaret(key, Spin1.Text(), spin1_caret_); }

// Delete would break the yy/mm/dd form.
void TSorvaB::Edit5KeyDown(ui::Widget&, int& key, unsigned) {
  if (key == ui::kVkDelete) {
    key = 0;
    return;
  }
  MoveCaret(key, Edit5.Text(), edit5_caret_);
}
