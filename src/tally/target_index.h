// Which target lines hold a text, for one tally pass: the code text of a Remarks match,
// the ",QTH," key of a ZA or a one-target-per-city list, or a ward's city. Built at the
// start of the pass and kept true while entries are appended, it answers in the time of
// a hash lookup what a search through every line would answer, and in the same line
// order. Lines whose text could make an appended entry change the answer (a worked field
// that needs quotes, holds the keyword, or ends inside a double-byte character, a stray
// lead byte before it, trailing empty fields) are searched the plain way instead.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tally/split_targets.h"
#include "tally/tally_rules.h"

namespace tally {

class TargetIndex {
 public:
  enum class Mode {
    kCodeText,  // lines that contain a code text (multibyte-aware)
    kZa,        // lines beginning with "ZA" that contain a key (plain bytes)
    kPerCity,   // lines whose first two bytes are the keyword's: a key, or a ward's city
  };

  // `keyword` is AwardKeyword as ClassifyKeyword cut it.
  TargetIndex(SplitTargets& targets, Mode mode, std::string_view keyword);

  // kCodeText: the lines containing `code`, the text from a keyword hit through the first
  // comma after it.
  const std::vector<size_t>& CodeLines(std::string_view code);
  // kZa: the "ZA" lines containing `key` ("," + QTH code + ",").
  const std::vector<size_t>& ZaLines(std::string_view key);
  // kPerCity: with `ward_rule`, the lines whose "," + field 2 occurs in `key`; else the
  // lines containing `key`.
  const std::vector<size_t>& CityLines(std::string_view key, bool ward_rule);

  // AppendQsoEntry on line i.
  void AppendEntry(size_t i, std::string_view call, char qsl_mark, int32_t record_number,
                   const EntryStyle& style);

 private:
  using LineMap = std::unordered_map<std::string, std::vector<size_t>>;

  struct LineState {
    bool in_scope = false;
    bool slow = false;         // searched the plain way
    bool has_suffix = false;   // fields follow field 4
    std::string suffix_head;   // kCodeText: the first bytes after field 4
    // Slow lines: every byte value the line's text may hold. A key with a byte the line
    // lacks is not in it, which spares the search through a long line.
    std::bitset<256> bytes;
  };

  void AddLine(size_t i);
  void IndexCodeText(size_t i, std::string_view head);
  void IndexSegments(size_t i, std::string_view text, bool boundaries_only);
  static void Add(LineMap& map, const std::string& key, size_t i);
  void MarkSlow(size_t i);
  void NoteSlowText(size_t i, std::string_view text);
  void DropDynamic(size_t i, std::string_view worked_field);
  void AddDynamic(size_t i);
  bool GrowthKeepsIndex(size_t i, size_t old_size) const;
  bool SlowLineHolds(size_t i, std::string_view key) const;
  const std::vector<size_t>& Collect(const LineMap& map, std::string_view key, bool with_dynamic);
  const std::vector<size_t>& ScanAll(std::string_view key);

  SplitTargets& targets_;
  Mode mode_;
  std::string keyword_;  // kCodeText: the keyword through its own first comma, if any
  std::vector<LineState> states_;
  LineMap segments_;   // code text or ",xxx," segment -> lines
  LineMap dynamic_;    // kZa, kPerCity: a short worked field followed by more fields
  LineMap city_of_;    // kPerCity: "," + field 2 -> lines
  std::vector<size_t> slow_lines_;  // ascending
  std::vector<size_t> odd_city_lines_;  // kPerCity: lines without field 2
  std::vector<size_t> result_;
  std::string query_;
};

}  // namespace tally
