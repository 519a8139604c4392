#include "targets/comma_text.h"

#include <algorithm>

// The bytes that give comma text its structure (controls, blank, '"', ',') are all below
// 0x40, and a Shift-JIS trail byte never is. Looking at single bytes therefore finds the
// same boundaries as stepping whole characters, and a stray lead byte (a broken file, a
// cut character at the end of a field) cannot swallow the comma or quote after it.

namespace targets {

namespace {

constexpr unsigned char kBlank = 32;

bool EndsUnquotedField(char byte) {
  return static_cast<unsigned char>(byte) < kBlank || byte == ',';
}

// True when the field, written as it is, would not read back as the same one field.
// Fields that start with a blank or a double quote are quoted as well: written bare, the
// reader would drop the blanks or take the quote as the start of a quoted field and
// split the rest into further fields.
bool NeedsQuotes(std::string_view field) {
  if (field.empty()) return false;
  const auto first = static_cast<unsigned char>(field.front());
  if (first <= kBlank || first == '"') return true;
  return std::any_of(field.begin(), field.end(), EndsUnquotedField);
}

void AppendQuoted(std::string_view field, std::string& out) {
  out += '"';
  for (const char byte : field) {
    if (byte == '"') out += '"';
    out += byte;
  }
  out += '"';
}

size_t SkipCommaBlanks(std::string_view line, size_t pos) {
  while (pos < line.size() && static_cast<unsigned char>(line[pos]) <= kBlank) ++pos;
  return pos;
}

// Reads the field that starts at `pos` (before the end of `line`, which holds no NUL; the
// blanks before it already skipped) into `field`; returns where the next one starts.
size_t ReadCommaField(std::string_view line, size_t pos, std::string& field) {
  const size_t end = line.size();
  field.clear();
  if (line[pos] == '"') {
    ++pos;
    while (pos < end) {
      const size_t quote = line.find('"', pos);
      if (quote == std::string_view::npos) {  // never closed: the rest of the line
        field.append(line.substr(pos));
        pos = end;
        break;
      }
      field.append(line.substr(pos, quote - pos));
      pos = quote + 1;
      if (pos == end || line[pos] != '"') break;
      field += '"';
      ++pos;
    }
  } else {
    const size_t start = pos;
    while (pos < end && !EndsUnquotedField(line[pos])) ++pos;
    field.append(line.substr(start, pos - start));
  }
  pos = SkipCommaBlanks(line, pos);
  if (pos < end && line[pos] == ',') pos = SkipCommaBlanks(line, pos + 1);
  return pos;
}

void AppendCommaField(std::string_view field, std::string& out) {
  if (NeedsQuotes(field)) {
    AppendQuoted(field, out);
  } else {
    out += field;
  }
}

}  // namespace

size_t SplitCommaText(std::string_view line, std::vector<std::string>& fields, size_t max_fields) {
  line = line.substr(0, line.find('\0'));
  size_t pos = SkipCommaBlanks(line, 0);
  size_t count = 0;
  while (pos < line.size() && count < max_fields) {
    if (count == fields.size()) fields.emplace_back();
    pos = ReadCommaField(line, pos, fields[count++]);
  }
  fields.resize(count);
  return pos;
}

std::vector<std::string> SplitCommaText(std::string_view line) {
  std::vector<std::string> fields;
  SplitCommaText(line, fields);
  return fields;
}

size_t AppendCommaFieldsFrom(std::string_view line, size_t pos, std::string& out) {
  line = line.substr(0, line.find('\0'));
  std::string field;
  size_t count = 0;
  while (pos < line.size()) {
    pos = ReadCommaField(line, pos, field);
    out += ',';
    AppendCommaField(field, out);
    ++count;
  }
  return count;
}

std::string JoinCommaText(std::span<const std::string> fields) {
  if (fields.size() == 1 && fields.front().empty()) return "\"\"";
  size_t size = fields.size();
  for (const std::string& field : fields) size += field.size() + 2;
  std::string line;
  line.reserve(size);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    AppendCommaField(fields[i], line);
  }
  return line;
}

std::string JoinCommaText(const std::vector<std::string>& fields) {
  return JoinCommaText(std::span<const std::string>(fields));
}

}  // namespace targets
