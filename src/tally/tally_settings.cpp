#include "tally/tally_settings.h"

#include <algorithm>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "korvax50.h"
#include "settings/settings_store.h"

namespace tally {

namespace {

constexpr char kSection[] = "Set";
constexpr int kSendPositionMask = 0x7;
constexpr uint32_t kBandBoxBits = 0xFFFF;  // Check1..Check16
constexpr int kExcelTableBit = 1 << 16;     // Check17
constexpr int kNoDuplicatesBit = 1 << 17;   // Check18

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string AwardKey(int slot) { return "Awd" + std::to_string(slot); }

void RepairPair(std::string& pair, const char* default_pair) {
  if (!ParseBrackets(pair).IsUsable()) pair = default_pair;
}

}  // namespace

RemarksChoice TallySettings::Remarks() const {
  if (remarks1_only) return RemarksChoice::kRemarks1Only;
  if (remarks2_only) return RemarksChoice::kRemarks2Only;
  if (remarks1_first) return RemarksChoice::kRemarks1First;
  if (remarks2_first) return RemarksChoice::kRemarks2First;
  return RemarksChoice::kRemarks2Only;
}

void TallySettings::SetRemarks(RemarksChoice choice) {
  remarks1_only = choice == RemarksChoice::kRemarks1Only;
  remarks2_only = choice == RemarksChoice::kRemarks2Only;
  remarks1_first = choice == RemarksChoice::kRemarks1First;
  remarks2_first = choice == RemarksChoice::kRemarks2First;
}

PortableChoice TallySettings::Portable() const {
  if (fixed_only) return PortableChoice::kFixedOnly;
  return portable_only ? PortableChoice::kPortableOnly : PortableChoice::kBoth;
}

void TallySettings::SetPortable(PortableChoice choice) {
  portable_only = choice == PortableChoice::kPortableOnly;
  fixed_only = choice == PortableChoice::kFixedOnly;
}

KeywordSlots TallySettings::Slots() const {
  KeywordSlots slots;
  std::copy(AwdKeywords.begin(), AwdKeywords.end(), slots.begin());
  slots[kKeywordSlots - 1] = kFixedLastSlot;
  return slots;
}

void TallySettings::RepairBrackets() {
  RepairPair(WkdChars, kDefaultWkdChars);
  RepairPair(CfmChars, kDefaultCfmChars);
}

int TallySettings::RmksBits() const {
  int bits = send_position & kSendPositionMask;
  for (const RmksBit& entry : kRmksBits) {
    if (this->*entry.option) bits |= 1 << entry.bit;
  }
  return bits;
}

void TallySettings::SetRmksBits(int bits) {
  send_position = bits & kSendPositionMask;
  for (const RmksBit& entry : kRmksBits) this->*entry.option = (bits >> entry.bit & 1) != 0;
  // Korvax.mst is only used together with sending the code and QTH.
  use_korvax_mst = use_korvax_mst && send_code_and_qth;
}

int TallySettings::BandBits() const {
  int bits = static_cast<int>(bands & kBandBoxBits);
  if (excel_table) bits |= kExcelTableBit;
  if (no_duplicates) bits |= kNoDuplicatesBit;
  return bits;
}

void TallySettings::SetBandBoxes(uint32_t boxes) {
  // No band box set (also a value holding only the Check17/Check18 bits) means all bands,
  // which is what the tally counts then.
  bands = (boxes & kBandBoxBits) != 0 ? boxes & kBandBoxBits : kAllBands;
}

void TallySettings::SetBandBits(int bits) {
  SetBandBoxes(static_cast<uint32_t>(bits));
  excel_table = (bits & kExcelTableBit) != 0;
  no_duplicates = (bits & kNoDuplicatesBit) != 0;
}

TallySettings LoadTallySettings(const TKrxIni& store) {
  TallySettings settings;
  settings.SetRmksBits(store.ReadInteger(kSection, "Rmks", settings.RmksBits()));
  settings.SetBandBits(store.ReadInteger(kSection, "Band", 0));
  settings.start_record = std::max(1, store.ReadInteger(kSection, "Rec", settings.start_record));
  const std::string date = store.ReadString(kSection, "Date", settings.start_date);
  // A damaged value would reach the date comparison of every record.
  if (IsStartDate(date)) settings.start_date = date;
  settings.ModeFilter = store.ReadString(kSection, "Mode", "");
  settings.GiveUpMarks = std::string(sjis::TrimBlanks(store.ReadString(kSection, "Akiram", "")));
  settings.WkdChars = BracketText(store.ReadString(kSection, "WkdChr", kDefaultWkdChars));
  settings.CfmChars = BracketText(store.ReadString(kSection, "CfmChr", kDefaultCfmChars));
  settings.RepairBrackets();
  for (int slot = 0; slot < kAwardKeywordSlots; ++slot) {
    settings.AwdKeywords[static_cast<size_t>(slot)] = AwardKeywordOf(store.ReadString(kSection, AwardKey(slot), ""));
  }
  return settings;
}

void SaveTallySettings(const TallySettings& settings, TKrxIni& store, bool with_start_date) {
  store.WriteInteger(kSection, "Rmks", settings.RmksBits());
  store.WriteOrDelete(kSection, "Mode", settings.ModeFilter);
  store.WriteInteger(kSection, "Band", settings.BandBits());
  store.WriteString(kSection, "Rec", std::to_string(settings.start_record));
  for (int slot = 0; slot < kAwardKeywordSlots; ++slot) {
    store.WriteOrDelete(kSection, AwardKey(slot), settings.AwdKeywords[static_cast<size_t>(slot)]);
  }
  store.WriteOrDelete(kSection, "WkdChr", settings.WkdChars);
  store.WriteOrDelete(kSection, "CfmChr", settings.CfmChars);
  store.WriteOrDelete(kSection, "Akiram", settings.GiveUpMarks);
  if (with_start_date) store.WriteOrDelete(kSection, "Date", settings.start_date);
}

std::string AwardKeywordOf(std::string_view text) {
  return std::string(sjis::CutToBytes(sjis::TrimBlanks(text), kKeywordBytes));
}

std::string BracketText(std::string_view text) {
  std::string pair(text.substr(0, 2));
  pair.resize(2, ' ');
  return pair;
}

bool IsStartDate(std::string_view text) {
  if (text.size() != kStartDateBytes || text[2] != '/' || text[5] != '/') return false;
  for (size_t i : {0, 1, 3, 4, 6, 7}) {
    if (!IsDigit(text[i])) return false;
  }
  return true;
}

std::string StartDateFor(const TallySettings& settings, std::string_view list_start_date) {
  if (IsStartDate(list_start_date)) return std::string(list_start_date);
  return IsStartDate(settings.start_date) ? settings.start_date : std::string(kNoStartDate);
}

std::string ModeFilterOf(std::string_view text) {
  std::string mode(text);
  for (size_t i = 0; i < mode.size(); i += cp932::CharLength(mode, i)) {
    if (mode[i] >= 'a' && mode[i] <= 'z') mode[i] = static_cast<char>(mode[i] - 'a' + 'A');
  }
  return mode;
}

std::string QsoDatabasePath(const TKrxIni& store) {
  return store.ReadString("Main", "QSO", kDefaultQsoDatabase);
}

TallyOptions MakeTallyOptions(const TallySettings& settings, const AwardState& award) {
  TallyOptions options;
  options.WkdChars = settings.WkdChars;
  options.CfmChars = settings.CfmChars;
  options.start_date = StartDateFor(settings, award.ListStartDate);
  options.start_record = settings.start_record;
  options.band_mask = settings.bands;
  options.portable = settings.Portable();
  options.remarks = settings.Remarks();
  options.ModeFilter = settings.ModeFilter;
  options.GiveUpMarks = settings.GiveUpMarks;
  options.NoDuplicates = settings.no_duplicates;
  options.ExcelTable = settings.excel_table;
  options.AwardKeyword = award.AwardKeyword.substr(0, kKeywordBytes);
  options.AwdKeywords = settings.Slots();
  options.AwardName = award.AwardName;
  options.AwardOptions = award.AwardOptions;
  return options;
}

}  // namespace tally
