// The row set of the spreadsheet export: the rows the grid shows, as comma text, header
// first, optionally with the QSO named by each target's first worked entry in five extra
// columns. Pure: the caller opens and closes the QSO database and passes it in open.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tally/qso_record.h"
#include "tally/qso_source.h"

namespace spreadsheet {

inline constexpr int kTitleCount = 6;  // "No" and header fields 0 to 4

// What the rows are made of: the list's lines, the grid's row-to-line map and its row
// count (the title row included), the six column titles, and the opening brackets of
// worked and confirmed entries.
struct ExportRowsInput {
  const std::vector<std::string>& lines;
  const std::vector<int>& row_map;
  int grid_row_count = 1;
  std::span<const std::string> titles;
  std::string_view worked_open;
  std::string_view confirmed_open;
};

// The open QSO database to take the QSO columns from; both null for the plain export.
struct QsoLookup {
  tally::QsoSource* source = nullptr;
  QsoRecord* record = nullptr;
};

// Line 0 is the header; line n is grid row n, numbered n. With a lookup, the header gets
// "Call", "Date", "Time", "Freq", "Mode" before header field 4, and every record of at
// least five fields gets its first worked entry's QSO there (empty when it cannot be
// read) and the rest of its worked field after them.
std::vector<std::string> BuildExportRows(const ExportRowsInput& input, QsoLookup lookup = {});

// The date of a record ("yy/mm/dd") with four-digit year: 52..99 are 1952..1999, the
// rest 2000..2051.
std::string FourDigitDate(std::string_view record_date);

// The spreadsheet's name of column `position` (1 = "A", 26 = "Z", 27 = "AA", ...).
std::string ColumnName(int position);

}  // namespace spreadsheet
