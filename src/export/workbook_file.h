// The export's sheet as an .xlsx file, for machines without a spreadsheet program: the
// same cell texts, number formats, header alignment and borders as the sheet that
// WriteSheet builds, with columns as wide as their texts. Written with libxlsxwriter.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace spreadsheet {

// Writes `rows` (comma text, header first, Shift-JIS) as a workbook of one sheet.
Status WriteWorkbookFile(const std::filesystem::path& path, const std::vector<std::string>& rows);

// Where the workbook of list `list_file` (a Shift-JIS path) made on `date` (yyyymmdd) goes:
// beside the list, "<list name>_<date>.xlsx", or with "_2", "_3" ... before the extension
// while `exists` says a name is taken. Shift-JIS.
std::string WorkbookFileName(std::string_view list_file, std::string_view date,
                             const std::function<bool(const std::string&)>& exists);

}  // namespace spreadsheet
