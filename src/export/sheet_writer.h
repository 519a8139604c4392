// The sheet the export builds in the spreadsheet program: the four number formats, every
// cell of the row set as text, then the table's alignment, fitting and borders, in one
// fixed order, and the program made visible. Each range and border is fetched anew for
// each assignment. Pure: the caller supplies the application object and the progress.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/automation.h"

namespace spreadsheet {

class SheetProgress {
 public:
  virtual ~SheetProgress() = default;
  // Called with the maximum (rows div 10) once, then with i div 10 before row i.
  virtual void SetMax(int maximum) = 0;
  virtual void SetPosition(int position) = 0;
};

// The number format of each column range of the sheet: first cell, last column, format.
struct NumberFormatRange {
  const char* first_cell;
  const char* last_column;
  const char* format;
};
inline constexpr NumberFormatRange kNumberFormats[] = {
    {"B1", "F", "@"}, {"G2", "G", "yy/mm/dd"}, {"H2", "H", "hh:mm"}, {"I1", "K", "@"}};

// Border indexes, line styles and weights of the automation object model.
namespace border {
inline constexpr int kLeft = 7, kTop = 8, kBottom = 9, kRight = 10, kInsideVertical = 11,
                     kInsideHorizontal = 12;
inline constexpr int kNone = 0, kContinuous = 1;
inline constexpr int kHairline = 1, kThin = 2, kMedium = 3;
}  // namespace border
inline constexpr int kAlignCenter = -4108;

// Which part of the table a border of the formatting steps goes round.
enum class TablePart { kHeader, kWhole, kLast };
struct BorderStep {
  TablePart part;
  int index;
  int line_style;
  int weight;
};
// The border steps, in the order they are applied.
inline constexpr BorderStep kBorderSteps[] = {
    {TablePart::kWhole, border::kInsideVertical, border::kNone, border::kHairline},
    {TablePart::kWhole, border::kInsideHorizontal, border::kNone, border::kHairline},
    {TablePart::kHeader, border::kTop, border::kContinuous, border::kMedium},
    {TablePart::kHeader, border::kBottom, border::kContinuous, border::kThin},
    {TablePart::kLast, border::kBottom, border::kContinuous, border::kMedium},
    {TablePart::kWhole, border::kLeft, border::kContinuous, border::kMedium},
    {TablePart::kWhole, border::kRight, border::kContinuous, border::kMedium}};

// Writes `rows` (comma text, header first) into a new workbook of `application`. With
// no progress the number formats are skipped. `stop_requested` is asked before each row;
// true ends the rows there (the table is still formatted to its full size). Returns the
// application's caption.
std::string WriteSheet(AutomationObject& application, const std::vector<std::string>& rows,
                       SheetProgress* progress, const std::function<bool()>& stop_requested);

// The number of cells of the widest row.
int WidestRow(const std::vector<std::string>& rows);

}  // namespace spreadsheet
