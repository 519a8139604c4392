// The target lines kept split into fields while a tally runs, so that appending an entry
// costs the entry and not a split and join of the whole line. Each line always reads as
// JoinCommaText(fields) would write it, and every change follows what a split, change and
// join of that text would give, byte for byte (see ReadBack). Only the first five fields
// are held as strings; the fields after them, which a tally never changes, are held as
// the text a join gives them, so that a line of millions of fields costs its bytes and
// not a string for each field.
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
  // The first five fields of line i (four after ReadBack took an empty field 4 away).
  std::vector<std::string>& fields(size_t i) { return fields_[i]; }
  const std::vector<std::string>& fields(size_t i) const { return fields_[i]; }
  // True when line i has fields after field 4 and the last of them is empty.
  bool LastExtraFieldEmpty(size_t i) const { return extras_[i].trailing_empty > 0; }

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
  // The fields after field 4, as a join writes them: each as a comma and its text.
  struct Extras {
    std::string text;
    size_t count = 0;
    size_t trailing_empty = 0;  // of them, the empty ones at the end (each just a comma)
  };

  std::vector<std::vector<std::string>> fields_;
  std::vector<Extras> extras_;
};

}  // namespace tally
