#include "export/sheet_writer.h"

#include <algorithm>

#include "export/export_rows.h"
#include "targets/comma_text.h"

namespace spreadsheet {

namespace {

void SetNumberFormats(AutomationObject& sheet, const std::string& last_row) {
  for (const NumberFormatRange& range : kNumberFormats) {
    sheet.GetChild("Range", {std::string(range.first_cell), range.last_column + last_row})
        ->Put("NumberFormatLocal", std::string(range.format));
  }
}

// Formats the table A1 .. (widest column, last row) in the fixed order of the steps.
void FormatTable(AutomationObject& sheet, int widest, const std::string& last_row) {
  const std::string last_column = ColumnName(std::max(widest, 1));
  const AutomationArgs header = {std::string("A1"), last_column + "1"};
  const AutomationArgs whole = {std::string("A1"), last_column + last_row};
  const AutomationArgs last = {"A" + last_row, last_column + last_row};
  auto range = [&](const AutomationArgs& cells) { return sheet.GetChild("Range", cells); };

  range(header)->Put("HorizontalAlignment", kAlignCenter);
  range(whole)->Put("VerticalAlignment", kAlignCenter);
  range(whole)->GetChild("Rows")->Call("AutoFit");
  range(whole)->GetChild("Columns")->Call("AutoFit");
  for (const BorderStep& step : kBorderSteps) {
    const AutomationArgs& cells =
        step.part == TablePart::kHeader ? header : step.part == TablePart::kLast ? last : whole;
    range(cells)->GetChild("Borders", {step.index})->Put("LineStyle", step.line_style);
    range(cells)->GetChild("Borders", {step.index})->Put("Weight", step.weight);
  }
}

}  // namespace

int WidestRow(const std::vector<std::string>& rows) {
  std::vector<std::string> cells;
  size_t widest = 0;
  for (const std::string& row : rows) {
    targets::SplitCommaText(row, cells);
    widest = std::max(widest, cells.size());
  }
  return static_cast<int>(widest);
}

std::string WriteSheet(AutomationObject& application, const std::vector<std::string>& rows,
                       SheetProgress* progress, const std::function<bool()>& stop_requested) {
  const int row_count = static_cast<int>(rows.size());
  if (progress) {
    progress->SetPosition(0);
    progress->SetMax(row_count / 10);
  }
  const auto book = application.GetChild("WorkBooks")->GetChild("Add");
  const auto sheet = book->GetChild("WorkSheets")->GetChild("Item", {1});
  const std::string last_row = std::to_string(row_count);
  if (progress) SetNumberFormats(*sheet, last_row);

  std::vector<std::string> cells;
  size_t widest = 0;
  for (int i = 1; i <= row_count; ++i) {
    if (stop_requested && stop_requested()) break;
    targets::SplitCommaText(rows[static_cast<size_t>(i - 1)], cells);
    if (progress) progress->SetPosition(i / 10);
    widest = std::max(widest, cells.size());
    for (size_t j = 0; j < cells.size(); ++j) {
      sheet->GetChild("Cells", {i, static_cast<int32_t>(j + 1)})->Put("Value", cells[j]);
    }
  }
  FormatTable(*sheet, static_cast<int>(widest), last_row);
  application.Put("Visible", true);
  return application.GetText("Caption");
}

}  // namespace spreadsheet
