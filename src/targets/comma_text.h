// Comma text: the one way the program splits a line into fields and joins fields into a
// line (list records, the line above the grid, sort keys, export rows). Blanks do not end
// a field, a trailing comma adds no field, and only fields that would not read back as
// they are get quoted. Text is Shift-JIS; no function here reads past its input.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace targets {

// Splits `line` into `fields` (replaced). The vector's strings are reused, so splitting
// line after line into the same vector allocates only when a field outgrows its string.
// A NUL byte ends the line.
void SplitCommaText(std::string_view line, std::vector<std::string>& fields);
// The first `max_fields` fields only (the rest of the line is not looked at), so that a
// long line costs no string per field beyond those asked for.
void SplitCommaText(std::string_view line, std::vector<std::string>& fields, size_t max_fields);
std::vector<std::string> SplitCommaText(std::string_view line);

// The fields as one line. A record of exactly one empty field is written as "" so that
// it still reads back as one field; an empty last field otherwise leaves a trailing comma,
// which reads back as no field.
std::string JoinCommaText(std::span<const std::string> fields);
std::string JoinCommaText(const std::vector<std::string>& fields);

}  // namespace targets
