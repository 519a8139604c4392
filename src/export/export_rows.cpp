#include "export/export_rows.h"

#include <algorithm>
#include <string>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "targets/comma_text.h"
#include "targets/worked_field.h"

namespace spreadsheet {

namespace {

constexpr size_t kSearchKeyChars = 30;
constexpr size_t kQsoColumn = 5;      // "Call" .. "Mode" are entries 5 to 9
constexpr size_t kQsoColumnCount = 5;
constexpr size_t kRestOfWorked = 10;  // the worked field's later entries

// Value of the leading digits, as the logging library's StrToLong reads it.
int32_t LeadingNumber(std::string_view text) {
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    if (value > 200000000) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Byte offset of `needle` in `text`, never starting on a trail byte; npos if absent.
size_t FindChar(std::string_view text, std::string_view needle) {
  if (needle.empty()) return std::string_view::npos;
  return cp932::Find(text, needle);
}

// Fills entries 5 to 9 of `row` from the QSO named by `search_key`; leaves them empty
// when the key names none that can be read.
void FillQso(std::vector<std::string>& row, std::string_view search_key,
             const ExportRowsInput& input, QsoLookup lookup) {
  std::string_view opening = input.worked_open;
  size_t at = FindChar(search_key, opening);
  if (at == std::string_view::npos) {
    opening = input.confirmed_open;
    at = FindChar(search_key, opening);
  }
  if (at == std::string_view::npos) return;
  const std::string number_text(search_key.substr(at + opening.size()));
  const int32_t number = lookup.source->StrToLong(number_text.c_str());
  if (lookup.source->KRX_read(lookup.record->data(), number, 3) != 0) return;
  const QsoRecord& qso = *lookup.record;
  row[kQsoColumn] = sjis::PrintableText(qso.Text(qso_field::kCall));
  row[kQsoColumn + 1] = FourDigitDate(qso.Text(qso_field::kDate));
  row[kQsoColumn + 2] = sjis::PrintableText(sjis::FirstChars(qso.Text(qso_field::kTime), 5));
  row[kQsoColumn + 3] = sjis::PrintableText(qso.Text(qso_field::kFrequency));
  row[kQsoColumn + 4] = sjis::PrintableText(qso.Text(qso_field::kMode));
}

void InsertQsoColumns(std::vector<std::string>& row, const ExportRowsInput& input,
                      QsoLookup lookup) {
  const std::string worked = row[kQsoColumn];
  const size_t colon = worked.find(':');
  std::string_view search_key = sjis::FirstChars(worked, kSearchKeyChars);
  search_key = search_key.substr(0, std::min(search_key.size(), colon));
  row.insert(row.begin() + kQsoColumn, kQsoColumnCount, std::string());
  row[kRestOfWorked] = colon == std::string::npos ? std::string() : worked.substr(colon + 1);
  FillQso(row, search_key, input, lookup);
}

}  // namespace

std::string FourDigitDate(std::string_view record_date) {
  const std::string_view date = sjis::FirstChars(record_date, 8);
  const bool last_century = LeadingNumber(date) >= 52;
  return (last_century ? "19" : "20") + sjis::PrintableText(date);
}

std::string ColumnName(int position) {
  std::string name;
  for (int n = position; n > 0; n = (n - 1) / 26) {
    name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return name;
}

std::vector<std::string> BuildExportRows(const ExportRowsInput& input, QsoLookup lookup) {
  const bool with_qso = lookup.source != nullptr && lookup.record != nullptr;
  std::vector<std::string> header(input.titles.begin(), input.titles.end());
  header.resize(kTitleCount);
  if (with_qso) {
    header.insert(header.begin() + kQsoColumn, {"Call", "Date", "Time", "Freq", "Mode"});
  }
  std::vector<std::string> rows;
  rows.reserve(static_cast<size_t>(std::max(input.grid_row_count, 1)));
  rows.push_back(targets::JoinCommaText(header));

  std::vector<std::string> row;
  for (int n = 1; n < input.grid_row_count; ++n) {
    const size_t map_index = static_cast<size_t>(n);
    const int line = map_index < input.row_map.size() ? input.row_map[map_index] : -1;
    if (line < 0 || static_cast<size_t>(line) >= input.lines.size()) {
      row.clear();
    } else {
      targets::SplitCommaText(input.lines[static_cast<size_t>(line)], row);
    }
    row.insert(row.begin(), std::to_string(n));
    if (with_qso && row.size() > targets::kWorkedField + 1) InsertQsoColumns(row, input, lookup);
    rows.push_back(targets::JoinCommaText(row));
  }
  return rows;
}

}  // namespace spreadsheet
