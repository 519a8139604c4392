// The tally settings: every option of the tally dialog that section "Set" of the settings
// file keeps, as one value. The main window loads it once when it is first shown, the
// dialog shows it and takes it back from its controls, the tally and the command-line
// tally turn it into TallyOptions, and the link to the logging program reads its send
// options. The defaults, the bit tables and the rules for cutting the texts are here and
// nowhere else.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "tally/award_state.h"
#include "tally/tally_engine.h"

class TKrxIni;

namespace tally {

inline constexpr int kAwardKeywordSlots = 24;  // "Awd0".."Awd23"

// The band boxes Check1..Check16 in the order of their bits in "Band" and in a band
// mask: the name on the command line and the caption in the dialog.
struct BandBox {
  const char* name;
  const char* caption;
};
inline constexpr std::array<BandBox, 16> kBandBoxes = {{
    {"1.9", "1.9MHz"}, {"3.5", "3.5MHz"}, {"7", "7 MHz"}, {"10", "10MHz"}, {"14", "14MHz"},
    {"18", "18MHz"}, {"21", "21MHz"}, {"24", "24MHz"}, {"28", "28MHz"}, {"50", "50MHz"},
    {"144", "144MHz"}, {"430", "430MHz"}, {"1200", "1200MHz"}, {"2400", "2400MHz"},
    {"5600", "5600MHz"}, {"all", "AllBand"},
}};
inline constexpr int kAllBandsBox = 16;  // Check16 "AllBand", bit 15 (kAllBands)

struct TallySettings {
  // "Rmks": bits 0..2 the send position, then one bit per option (see kRmksBits).
  int send_position = 1;          // Combo1: 0 over, 1 right of, 2 left of the remarks text
  bool remarks2_first = false;    // Radio8
  bool send_code_and_qth = true;  // Radio0
  bool send_to_remarks1 = false;  // Radio1
  bool send_to_remarks2 = true;   // Radio2
  bool remarks1_only = false;     // Radio3
  bool remarks2_only = true;      // Radio4
  bool remarks1_first = false;    // Radio5
  bool overwrite_mark = false;    // Radio6: the number's first character makes way for the mark
  bool use_korvax_mst = false;    // Radio7: only together with send_code_and_qth
  bool portable_only = false;     // KoteiChk checked
  bool fixed_only = false;        // KoteiChk grayed; wins over portable_only

  // "Band": bits 0..15 the band boxes, 16 and 17 the two check boxes below them.
  uint32_t bands = kAllBands;  // bit n-1 for Check n; no band box set means all bands
  bool excel_table = false;    // Check17
  bool no_duplicates = false;  // Check18

  int32_t start_record = 1;                // "Rec"
  std::string start_date = kNoStartDate;   // "Date", yy/mm/dd
  std::string ModeFilter;                  // "Mode"
  std::string GiveUpMarks;                 // "Akiram", trimmed
  std::string WkdChars = kDefaultWkdChars;  // "WkdChr", two bytes
  std::string CfmChars = kDefaultCfmChars;  // "CfmChr", two bytes
  std::array<std::string, kAwardKeywordSlots> AwdKeywords;  // "Awd0".."Awd23"

  // The remarks field the tally reads: the first of Radio3, Radio4, Radio5, Radio8 that
  // is set; Remarks2 only when none is.
  RemarksChoice Remarks() const;
  void SetRemarks(RemarksChoice choice);
  PortableChoice Portable() const;
  void SetPortable(PortableChoice choice);

  // AwdKeywords with slot 24, which always names ひ-北.
  KeywordSlots Slots() const;
  // Unusable bracket pairs (see BracketPair::IsUsable) back to the defaults.
  void RepairBrackets();

  // The values as the settings file holds them.
  int RmksBits() const;
  void SetRmksBits(int bits);
  // The band boxes' bits; none set means all bands.
  void SetBandBoxes(uint32_t boxes);
  int BandBits() const;
  void SetBandBits(int bits);
};

// One option bit of "Rmks" and the field it keeps.
struct RmksBit {
  bool TallySettings::*option;
  int bit;
};
inline constexpr std::array<RmksBit, 11> kRmksBits = {{
    {&TallySettings::remarks2_first, 3},
    {&TallySettings::send_code_and_qth, 4},
    {&TallySettings::send_to_remarks1, 5},
    {&TallySettings::send_to_remarks2, 6},
    {&TallySettings::remarks1_only, 7},
    {&TallySettings::remarks2_only, 8},
    {&TallySettings::remarks1_first, 9},
    {&TallySettings::overwrite_mark, 10},
    {&TallySettings::use_korvax_mst, 11},
    {&TallySettings::portable_only, 12},
    {&TallySettings::fixed_only, 13},
}};

// Section "Set" of `store`: missing keys give the defaults above, damaged values the
// defaults too (a start date that is not yy/mm/dd, unusable brackets).
TallySettings LoadTallySettings(const TKrxIni& store);
// Writes every key of section "Set"; texts that are empty are deleted instead. "Date" is
// written only when `with_start_date` (the list in use carries no start date of its own).
void SaveTallySettings(const TallySettings& settings, TKrxIni& store, bool with_start_date);

// An award keyword as it is kept: trimmed, at most 6 bytes, never ending inside a
// double-byte character.
std::string AwardKeywordOf(std::string_view text);
// A bracket pair as it is kept: the first two bytes, padded with blanks.
std::string BracketText(std::string_view text);
// "yy/mm/dd": the only form the tally's date comparison understands.
bool IsStartDate(std::string_view text);
// The start date the tally uses: the list's own (header field 6) when it is a date,
// else the saved one.
std::string StartDateFor(const TallySettings& settings, std::string_view list_start_date);
// The mode filter as it is kept: a..z as A..Z (double-byte characters left whole).
std::string ModeFilterOf(std::string_view text);

// The QSO database named by "Main"/"QSO".
std::string QsoDatabasePath(const TKrxIni& store);

// The tally's options from the settings and the award of the open list; the database
// path is left to the caller.
TallyOptions MakeTallyOptions(const TallySettings& settings, const AwardState& award);

}  // namespace tally
