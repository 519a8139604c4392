#include "targets/list_search.h"

#include <algorithm>

#include "base/cp932.h"
#include "targets/comma_text.h"
#include "targets/worked_field.h"

namespace targets {
namespace {

// Area codes stand after the number and the name: the first bytes are never searched.
constexpr size_t kAreaSearchFrom = 14;

bool Holds(std::string_view text, std::string_view pattern) {
  return !pattern.empty() && cp932::Find(text, pattern) != std::string_view::npos;
}

// Field `index` of a comma-text line as it stands in the line, quotes included, or
// nothing when the line has fewer fields. Reads as SplitCommaText does, without copying.
std::optional<std::string_view> RawField(std::string_view line, size_t index) {
  // A NUL byte ends the line; it is looked for only where a field may hold one.
  size_t end = line.size();
  size_t pos = 0;
  const auto skip_blanks = [&] {
    while (pos < end && static_cast<unsigned char>(line[pos]) <= 32) {
      if (line[pos] == '\0') end = pos;
      else ++pos;
    }
  };
  skip_blanks();
  for (size_t count = 0; pos < end; ++count) {
    const size_t start = pos;
    if (line[pos] == '"') {
      line = line.substr(0, line.find('\0'));
      end = line.size();
      ++pos;
      for (;;) {
        const size_t quote = line.find('"', pos);
        if (quote == std::string_view::npos) {
          pos = end;
          break;
        }
        pos = quote + 1;
        if (pos == end || line[pos] != '"') break;
        ++pos;
      }
    } else {
      while (pos < end && static_cast<unsigned char>(line[pos]) >= 32 && line[pos] != ',') ++pos;
    }
    if (count == index) return line.substr(start, pos - start);
    skip_blanks();
    if (pos < end && line[pos] == ',') {
      ++pos;
      skip_blanks();
    }
  }
  return std::nullopt;
}

// The class by the line itself: the opening brackets are looked for in the worked field
// as written (a bracket is never a quote, so quoting does not change what is found).
RecordClass ClassOfLine(std::string_view line, std::string_view worked_open,
                        std::string_view confirmed_open) {
  const std::optional<std::string_view> worked = RawField(line, kWorkedField);
  if (!worked) return RecordClass::kUnworked;
  if (Holds(*worked, confirmed_open)) return RecordClass::kConfirmed;
  if (Holds(*worked, worked_open)) return RecordClass::kWorkedOnly;
  return RecordClass::kUnworked;
}

}  // namespace

RecordClass ClassOfRecord(const std::vector<std::string>& fields, std::string_view worked_open,
                          std::string_view confirmed_open) {
  if (fields.size() <= kWorkedField) return RecordClass::kUnworked;
  const std::string& worked = fields[kWorkedField];
  if (Holds(worked, confirmed_open)) return RecordClass::kConfirmed;
  if (Holds(worked, worked_open)) return RecordClass::kWorkedOnly;
  return RecordClass::kUnworked;
}

bool FilterKeeps(DisplayFilter filter, RecordClass record_class) {
  switch (filter) {
    case DisplayFilter::kWorked:
      return record_class != RecordClass::kUnworked;
    case DisplayFilter::kUnworked:
      return record_class == RecordClass::kUnworked;
    case DisplayFilter::kConfirmed:
      return record_class == RecordClass::kConfirmed;
    case DisplayFilter::kUnconfirmed:
      return record_class != RecordClass::kConfirmed;
  }
  return false;
}

std::vector<int> FilteredRowMap(const std::vector<std::string>& lines, DisplayFilter filter,
                                std::string_view worked_open, std::string_view confirmed_open) {
  std::vector<int> row_map{0};
  for (size_t n = 1; n < lines.size(); ++n) {
    if (FilterKeeps(filter, ClassOfLine(lines[n], worked_open, confirmed_open))) {
      row_map.push_back(static_cast<int>(n));
    }
  }
  return row_map;
}

std::vector<int> IdentityRowMap(size_t line_count) {
  std::vector<int> row_map(line_count + 1);
  for (size_t n = 0; n < row_map.size(); ++n) row_map[n] = static_cast<int>(n);
  return row_map;
}

std::string AreaKey(std::string_view area_name) {
  return "," + std::string(area_name.substr(0, 2));
}

std::optional<int> FindAreaRow(const std::vector<std::string>& lines, const std::vector<int>& row_map,
                               int row_count, std::string_view key) {
  for (int row = 1; row < row_count; ++row) {
    const std::string* line = LineOfRow(lines, row_map, row);
    if (line == nullptr || line->size() <= kAreaSearchFrom) continue;
    // A comma and digits are never the second byte of a double-byte character.
    if (std::string_view(*line).substr(kAreaSearchFrom).find(key) != std::string_view::npos) {
      return row;
    }
  }
  return std::nullopt;
}

std::optional<int> FindTextRow(const std::vector<std::string>& lines, const std::vector<int>& row_map,
                               int row_count, std::string_view text, int first) {
  for (int row = std::max(first, 1); row < row_count; ++row) {
    const std::string* line = LineOfRow(lines, row_map, row);
    if (line != nullptr && Holds(*line, text)) return row;
  }
  return std::nullopt;
}

std::optional<int> FindNextTextRow(const std::vector<std::string>& lines,
                                   const std::vector<int>& row_map, int row_count, int current,
                                   std::string_view text) {
  int start = current + 1;
  if (start >= row_count || start < 1) start = 1;
  if (auto row = FindTextRow(lines, row_map, row_count, text, start)) return row;
  for (int row = 1; row < start; ++row) {
    const std::string* line = LineOfRow(lines, row_map, row);
    if (line != nullptr && Holds(*line, text)) return row;
  }
  return std::nullopt;
}

const std::string* LineOfRow(const std::vector<std::string>& lines, const std::vector<int>& row_map,
                             int row) {
  if (row < 0 || static_cast<size_t>(row) >= row_map.size()) return nullptr;
  const int index = row_map[static_cast<size_t>(row)];
  if (index < 0 || static_cast<size_t>(index) >= lines.size()) return nullptr;
  return &lines[static_cast<size_t>(index)];
}

}  // namespace targets
