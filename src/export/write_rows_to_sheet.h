// WriteRowsToSheet: the row set into a new workbook of the spreadsheet program, with the
// progress bar stepping every ten rows and Esc asking whether to stop. Automation errors
// reach the caller as spreadsheet::AutomationError; the cursor and the progress bar are
// put back on every way out.
#pragma once

#include "ui/not_in_core.h"

#include <string>
#include <vector>

#include "ui/controls.h"

namespace spreadsheet {

inline constexpr const char* kSpreadsheetProgId = "Excel.Application";

// False when no spreadsheet program is registered (nothing was written).
bool WriteRowsToSheet(const std::vector<std::string>& rows, ui::TProgressBar* progress);

}  // namespace spreadsheet
