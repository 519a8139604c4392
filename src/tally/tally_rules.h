// The tally's small rules as pure functions on Shift-JIS text: what kind of list is
// loaded, what the award keyword names, club and special-event calls, the worked entries
// and their brackets, the duplicate rule, and the report the operator reads at the end.
// The tally engine and the dialog use them; none of them touches the database.
#pragma once

#include <cstddef>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "targets/target_list.h"

namespace tally {

inline constexpr size_t kKeywordBytes = targets::kKeywordBytes;  // award keywords: 6 bytes
inline constexpr size_t kStartDateBytes = 8;  // a start date: yy/mm/dd
inline constexpr int kKeywordSlots = 25;         // AwdKeywords: 0..15, 16..23, 24
inline constexpr int kFirstPerCitySlot = 16;     // slots 16..24 name one-target-per-city lists
inline constexpr int kKeywordSlotsChecked = 16;  // ClassifyKeyword looks at slots 0..15
inline constexpr char kHotSpringPrefix[] = "\x93\x92-";  // 湯-
inline constexpr char kStationPrefix[] = "\x81\xa0";     // □
inline constexpr char kDefaultWkdChars[] = "<>";
inline constexpr char kDefaultCfmChars[] = "()";
inline constexpr char kNoStartDate[] = "00/00/00";  // no lower bound
inline constexpr char kDefaultQsoDatabase[] = "Korvax.mst";
inline constexpr char kFixedLastSlot[] = "\x82\xd0-\x96k";  // ひ-北, always slot 24

using KeywordSlots = std::array<std::string, kKeywordSlots>;

// TargetKind values.
inline constexpr int kKindNumbered = 0;    // a code numbered 1..47 follows the keyword
inline constexpr int kKindHotSpring = 1;   // 湯- and a number -1..-50000
inline constexpr int kKindFirstSlot = 3;   // 3..18: the keyword of slot 0..15

// The list type, from the first bytes of the target lines.
struct ListKind {
  bool MixedList = false;
  bool ZaList = false;
  bool PerCityList = false;
  // Check17 ("エクセルに貼り付け可") is enabled only for other lists.
  bool ExcelTableAllowed() const { return !ZaList && !MixedList; }
};

// `lines` as the list holds them (line 0 the header). Slot 24 counts as ひ-北 whatever
// `AwdKeywords` holds there. Fewer than four lines give a plain list.
ListKind ClassifyList(const std::vector<std::string>& lines, const KeywordSlots& AwdKeywords);

// Cuts `AwardKeyword` to the part that names the targets and returns the TargetKind:
// a slot 0..15 keyword it begins with, else "湯-", else its first two bytes (kind 0).
int ClassifyKeyword(std::string& AwardKeyword, const KeywordSlots& AwdKeywords);

// Calls that never count when duplicates are excluded on a ZA list: 8J/8M/8N special
// event stations, JA?RL?-style club calls of five characters and calls of six characters
// with Y or Z in the fourth place.
bool IsClubOrSpecialCall(std::string_view call);

// The leading run of 0-9 and A-Z within the first 30 characters: the call sign of a
// worked entry, and of the first entry of a worked field.
std::string_view LeadingCallRun(std::string_view text);

// Removes the leading entries of a worked field whose call run equals `call_run`. The
// rest of the field is kept byte for byte. True when anything was removed; an empty
// `call_run` removes nothing.
bool DropLeadingCall(std::string_view call_run, std::string& field);

// One bracket pair of WkdChars or CfmChars: the opening and the closing character (one
// or two bytes each).
struct BracketPair {
  std::string open;
  std::string close;
  // The one rule for the brackets, wherever they come from (the dialog, the settings
  // file, the command line): each is one byte that IsBracketByte allows, and the opening
  // one is not blank. Anything else stops the tally before it starts.
  bool IsUsable() const;
};

// Bytes a bracket may be: no digit, ":" or A..Z (they would be taken for a record number,
// an entry separator or a call sign when the worked field is read back) and no half of a
// double-byte character.
bool IsBracketByte(unsigned char byte);

// The first two characters of `text`, padded with blanks to two.
BracketPair ParseBrackets(std::string_view text);

// How entries are written: the two bracket pairs and the give-up marks (QSL marks that
// count as not received).
struct EntryStyle {
  BracketPair worked;
  BracketPair confirmed;
  std::string GiveUpMarks;  // ends with a blank, so a blank mark gives a worked entry
  // The pair for a QSO with this QSL-received mark (one byte; NUL counts as blank).
  const BracketPair& PairFor(char qsl_mark) const;
};

// GiveUpMarks as the dialog builds it from Edit4: trimmed, followed by one blank.
std::string MakeGiveUpMarks(std::string_view edit4_text);

// The text of one worked entry for field 4: ":" when the field already holds an entry,
// then the call sign, the opening bracket, the record number and the closing bracket.
void AppendEntryText(std::string& field4, std::string_view call, char qsl_mark,
                     int32_t record_number, const EntryStyle& style);

// AppendQsoEntry: splits `line`, pads it to five fields, appends the QSO's entry to
// field 4 and joins it again.
void AppendQsoEntry(std::string& line, std::string_view call, char qsl_mark,
                    int32_t record_number, const EntryStyle& style);

// The message the tally ends with (Shift-JIS, "\r" line breaks).
std::string ReportText(int worked, int confirmed, std::string_view award_name, bool table_made);

}  // namespace tally
