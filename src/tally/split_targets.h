// The target lines kept split into fields while a tally runs, so that appending an entry
// costs the entry and not a split and join of the whole line. Each line always reads as
// JoinCommaText(fields) would write it, and every change follows what a split, change and
// join of that text would give, byte for byte (see ReadBack).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tally {

class SplitTargets {
 public:
  static constexpr size_t kWorkedField = 4;

  // The lines cleared for a tally: each target line (index 1 up) split, padded with
  // empty fields to five, and field 4 emptied. Index 0, the header, is left empty.
  explicit SplitTargets(const std::vector<std::string>& lines);

  // Number of lines, the header included.
  size_t size() const { return fields_.size(); }
  std::vector<std::string>& fields(size_t i) { return fields_[i]; }
  const std::vector<std::string>& fields(size_t i) const { return fields_[i]; }

  // The number of fields a split of line i gives: a trailing empty field is written as a
  // trailing comma and reads back as no field.
  size_t ReadFieldCount(size_t i) const;
  // Field 4 as a split of the line gives it; empty when the line has no field 4.
  std::string_view WorkedField(size_t i) const;

  // Makes the fields those a split of the line gives, before they are changed and the
  // line is joined again: drops the one trailing empty field a split does not see.
  void ReadBack(size_t i);
  // ReadBack, pad to five fields, and field 4 for appending.
  std::string& WorkedFieldForAppend(size_t i);

  // Line i as text.
  std::string Line(size_t i) const;
  // Stores every target line back into `lines` (the same size as at construction).
  void WriteBack(std::vector<std::string>& lines) const;

 private:
  std::vector<std::vector<std::string>> fields_;
};

}  // namespace tally
