// The tally dialog's show and close: section "Set" of the settings into the controls on
// every show, and every control back into the settings on every close.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "app/number_text.h"
#include "app/rmks_bits.h"
#include "app/sorva_b.h"
#include "tally/tally_rules.h"
#include "app/station.h"
#include "app/texts.h"
#include "base/cp932.h"
#include "tally/sorva_b_texts.h"
#include "targets/comma_text.h"

namespace {

constexpr char kSection[] = "Set";
constexpr char kNoStartDate[] = "00/00/00";
constexpr int kAllBands = 0x8000;
constexpr int kBandBoxBits = 0xFFFF;  // Check1..Check16
constexpr int kBandCheck17 = 1 << 16;
constexpr int kBandCheck18 = 1 << 17;

// The send combo item stored when the box has none selected.
constexpr int kRmksDefaultCombo = 1;

// Without blanks and control characters at either end (such bytes are never part of a
// double-byte character at the ends of a text).
std::string Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

// At most `bytes` bytes, never ending inside a double-byte character.
std::string CutToBytes(const std::string& text, size_t bytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + cp932::CharLength(text, end);
    if (next > bytes) break;
    end = next;
  }
  return text.substr(0, end);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "yy/mm/dd": the only form the tally's date comparison understands.
bool IsStartDate(std::string_view text) {
  if (text.size() != 8 || text[2] != '/' || text[5] != '/') return false;
  for (size_t i : {0, 1, 3, 4, 6, 7}) {
    if (!IsDigit(text[i])) return false;
  }
  return true;
}

// A bracket pair whose opening character is blank or missing.
bool IsBlankPair(const std::string& pair) {
  return pair.empty() || static_cast<unsigned char>(pair[0]) < '!';
}

}  // namespace

std::string TSorvaB::KeywordOf(int n) const {
  return CutToBytes(Trim(Awd[static_cast<size_t>(n)]->Text()), tally::kKeywordBytes);
}

std::string TSorvaB::ListStartDate() const {
  if (Station == nullptr || Station->TargetLines.empty()) return {};
  const std::vector<std::string> header = targets::SplitCommaText(Station->TargetLines[0]);
  if (header.size() <= 6 || !IsStartDate(header[6])) return {};
  return header[6];
}

void TSorvaB::FormShow() {
  TKrxIni& settings = *Station->Settings;
  SetCaption(std::string(tally::dialog_texts::kCaptionHead) + app::kBuildDate +
             tally::dialog_texts::kCaptionTail);

  int band = settings.ReadInteger(kSection, "Band", 0);
  // No band box set (also a value holding only the Check17/Check18 bits) means all bands,
  // which is what the tally counts then.
  if ((band & kBandBoxBits) == 0) band |= kAllBands;
  int rec = settings.ReadInteger(kSection, "Rec", 1);
  if (rec < 1) rec = 1;
  Spin1.SetText(std::to_string(rec));
  spin1_caret_ = 0;
  for (int n = 1; n <= kBandCount + 1; ++n) Check(n).SetChecked(band & (1 << (n - 1)));
  Check17.SetChecked(band & kBandCheck17);
  Check18.SetChecked(band & kBandCheck18);

  Button1.SetCaption(tally::dialog_texts::kStartButton);
  Button1.Tag = 0;

  ModeFilter = settings.ReadString(kSection, "Mode", "");
  GiveUpMarks = settings.ReadString(kSection, "Akiram", "");
  if (IsBlankPair(WkdChars)) WkdChars = "<>";
  if (IsBlankPair(CfmChars)) CfmChars = "()";
  Edit1.SetText(ModeFilter);
  Edit2.SetText(WkdChars);
  Edit3.SetText(CfmChars);
  Edit4.SetText(Trim(GiveUpMarks));

  std::string start_date = ListStartDate();
  if (start_date.empty()) start_date = settings.ReadString(kSection, "Date", kNoStartDate);
  // A damaged value would reach the date comparison of every record.
  if (!IsStartDate(start_date)) start_date = kNoStartDate;
  Edit5.SetText(start_date);
  edit5_caret_ = 0;

  for (int n = 0; n < kAwardSlots; ++n) {
    Awd[static_cast<size_t>(n)]->SetText(AwdKeywords[static_cast<size_t>(n)]);
  }
  RefreshKoteiCaption();
  ClassifyList();
}

void TSorvaB::FormCloseQuery(bool&) {
  // Closing while a tally runs stops it; it ends through its clean-up at the next record.
  if (Button1.Tag == 1) CancelRequested = true;
}

void TSorvaB::FormClose() {
  TKrxIni& settings = *Station->Settings;

  const int combo = Combo1.ItemIndex();
  int rmks = combo >= 0 ? combo & app::kRmksComboMask : kRmksDefaultCombo;
  const std::pair<bool, int> boxes[] = {
      {Radio8.Checked(), app::kRmksRadio8}, {Radio0.Checked(), app::kRmksRadio0},
      {Radio1.Checked(), app::kRmksRadio1}, {Radio2.Checked(), app::kRmksRadio2},
      {Radio3.Checked(), app::kRmksRadio3}, {Radio4.Checked(), app::kRmksRadio4},
      {Radio5.Checked(), app::kRmksRadio5}, {Radio6.Checked(), app::kRmksRadio6},
      {Radio7.Checked(), app::kRmksRadio7}, {KoteiChk.Checked(), app::kRmksKoteiChecked},
      {KoteiChk.State() == ui::CheckState::kGrayed, app::kRmksKoteiGrayed},
  };
  for (const auto& [checked, bit] : boxes) {
    if (checked) rmks |= bit;
  }
  settings.WriteInteger(kSection, "Rmks", rmks);
  std::string mode = Edit1.Text();
  for (size_t i = 0; i < mode.size(); i += cp932::CharLength(mode, i)) {
    if (mode[i] >= 'a' && mode[i] <= 'z') mode[i] = static_cast<char>(mode[i] - 'a' + 'A');
  }
  settings.WriteOrDelete(kSection, "Mode", mode);

  int band = 0;
  for (int n = 1; n <= kBandCount + 1; ++n) {
    if (Check(n).Checked()) band |= 1 << (n - 1);
  }
  if (Check17.Checked()) band |= kBandCheck17;
  if (Check18.Checked()) band |= kBandCheck18;
  settings.WriteInteger(kSection, "Band", band);
  settings.WriteString(kSection, "Rec", Spin1.Text());

  WkdChars = app::CopyPadded(Edit2.Text(), 2);
  CfmChars = app::CopyPadded(Edit3.Text(), 2);
  GiveUpMarks = Trim(Edit4.Text());

  for (int n = 0; n < kAwardSlots; ++n) {
    std::string& slot = AwdKeywords[static_cast<size_t>(n)];
    slot = KeywordOf(n);
    settings.WriteOrDelete(kSection, "Awd" + std::to_string(n), slot);
  }

  settings.WriteOrDelete(kSection, "WkdChr", WkdChars);
  settings.WriteOrDelete(kSection, "CfmChr", CfmChars);
  settings.WriteOrDelete(kSection, "Akiram", GiveUpMarks);
  if (ListStartDate().empty()) settings.WriteOrDelete(kSection, "Date", Edit5.Text());

  Station->Timer2.SetTimerEnabled(true);
  Station->ApplyFontLayout(1);
}
