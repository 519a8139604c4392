// The calls the export makes into the spreadsheet program, in order, as a table: the
// workbook and sheet, the four number formats, one Cells/Value pair per cell, the ten
// formatting steps with each range and border fetched anew, then Visible and Caption.
// Written out here from what the export must do, not from its code; unit tests compare
// the recording object model's log with it, end-to-end tests the stand-in server's.
#pragma once

#include <string>
#include <vector>

namespace sheet_calls {

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// `cells`: the rows written (each a list of cell texts); `row_count`: the rows of the row
// set (the ranges reach it even when fewer were written); `last_column`: the widest row's
// column name.
inline std::vector<std::string> Expected(const std::vector<std::vector<std::string>>& cells,
                                         int row_count, const std::string& last_column) {
  const std::string n = std::to_string(row_count);
  std::vector<std::string> calls = {
      "Application.WorkBooks()",
      "Workbooks.Add()",
      "Workbook.WorkSheets()",
      "Sheets.Item(1)",
      "Sheet.Range(\"B1\",\"F" + n + "\")", "Range.NumberFormatLocal=\"@\"",
      "Sheet.Range(\"G2\",\"G" + n + "\")", "Range.NumberFormatLocal=\"yy/mm/dd\"",
      "Sheet.Range(\"H2\",\"H" + n + "\")", "Range.NumberFormatLocal=\"hh:mm\"",
      "Sheet.Range(\"I1\",\"K" + n + "\")", "Range.NumberFormatLocal=\"@\"",
  };
  for (size_t i = 0; i < cells.size(); ++i) {
    for (size_t j = 0; j < cells[i].size(); ++j) {
      calls.push_back("Sheet.Cells(" + std::to_string(i + 1) + "," + std::to_string(j + 1) + ")");
      calls.push_back("Range.Value=" + Quoted(cells[i][j]));
    }
  }
  const std::string header = "Sheet.Range(\"A1\",\"" + last_column + "1\")";
  const std::string whole = "Sheet.Range(\"A1\",\"" + last_column + n + "\")";
  const std::string last = "Sheet.Range(\"A" + n + "\",\"" + last_column + n + "\")";
  const std::vector<std::string> formatting = {
      header, "Range.HorizontalAlignment=-4108",
      whole, "Range.VerticalAlignment=-4108",
      whole, "Range.Rows()", "Range.AutoFit()",
      whole, "Range.Columns()", "Range.AutoFit()",
      whole, "Range.Borders(11)", "Border.LineStyle=0",
      whole, "Range.Borders(11)", "Border.Weight=1",
      whole, "Range.Borders(12)", "Border.LineStyle=0",
      whole, "Range.Borders(12)", "Border.Weight=1",
      header, "Range.Borders(8)", "Border.LineStyle=1",
      header, "Range.Borders(8)", "Border.Weight=3",
      header, "Range.Borders(9)", "Border.LineStyle=1",
      header, "Range.Borders(9)", "Border.Weight=2",
      last, "Range.Borders(9)", "Border.LineStyle=1",
      last, "Range.Borders(9)", "Border.Weight=3",
      whole, "Range.Borders(7)", "Border.LineStyle=1",
      whole, "Range.Borders(7)", "Border.Weight=3",
      whole, "Range.Borders(10)", "Border.LineStyle=1",
      whole, "Range.Borders(10)", "Border.Weight=3",
      "Application.Visible=true",
      "Application.Caption()",
  };
  calls.insert(calls.end(), formatting.begin(), formatting.end());
  return calls;
}

}  // namespace sheet_calls
