// The two orders of the list's records: by target number and by location code. A sort
// moves whole lines; the header line stays first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace targets {

enum class SortOrder { kByNumber, kByCode };

// <0, 0 or >0 for two texts; the program uses the locale's case-insensitive comparison.
using TextCompare = int (*)(std::string_view, std::string_view);

// The key of a target number: the text before its first hyphen followed by the number
// that starts at the hyphen, written with at least five digits ("A-10" gives "A-00010"),
// or the whole number followed by "00000" when it has no hyphen. Only its first 62
// bytes count.
std::string NumberSortKey(std::string_view number);

// The key of a code: field 2 followed by two blanks, so that a code sorts before the
// same code with more digits; "  " for a record without a code.
std::string CodeSortKey(const std::vector<std::string>& fields);

// Sorts lines 1 and up by their key, comparing the key followed by the whole record as
// comma text with `compare`. Records that compare equal keep their order. The lines are
// moved, not rewritten, so every record keeps its fields exactly as they were read.
void SortRecords(std::vector<std::string>& lines, SortOrder order, TextCompare compare);
// The same with the locale's case-insensitive comparison, each record converted once for
// it (the program's sort).
void SortRecords(std::vector<std::string>& lines, SortOrder order);

}  // namespace targets
