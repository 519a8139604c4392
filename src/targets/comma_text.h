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
// With `max_fields`, reading stops after that many fields (a caller that needs only the
// first ones). Returns where the next field starts (the end of the text when all were
// read), for ReadCommaField.
size_t SplitCommaText(std::string_view line, std::vector<std::string>& fields,
                      size_t max_fields = static_cast<size_t>(-1));
std::vector<std::string> SplitCommaText(std::string_view line);

// Appends the fields of `line` from `pos` on (where SplitCommaText with `max_fields`
// stopped), each as a comma and the field as JoinCommaText writes it, so that the first
// fields joined plus this text is the whole record joined (for two or more first fields:
// one empty field alone is joined as ""). Returns how many fields it
// appended. A long line is read field by field, without a string for each field.
size_t AppendCommaFieldsFrom(std::string_view line, size_t pos, std::string& out);

// The fields as one line. A record of exactly one empty field is written as "" so that
// it still reads back as one field; an empty last field otherwise leaves a trailing comma,
// which reads back as no field.
std::string JoinCommaText(std::span<const std::string> fields);
std::string JoinCommaText(const std::vector<std::string>& fields);

}  // namespace targets
