// A spreadsheet program in memory for tests: an automation object model of application,
// workbooks, workbook, sheets, sheet, ranges and borders that records every call in order
// (in the call-log form of export/automation.h) and keeps the cells and number formats it
// was given. It can fail at the n-th call or reject a member name, as a real server may.
#pragma once

#include "ui/not_in_core.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "export/automation.h"

namespace headless {

class RecordingSpreadsheet : public std::enable_shared_from_this<RecordingSpreadsheet> {
 public:
  // The caption of its main window.
  std::string caption = "Microsoft Excel - Book1";
  std::vector<std::string> calls;
  // Text of each cell given, by (row, column) from 1.
  std::map<std::pair<int, int>, std::string> cells;
  bool visible = false;
  int live_objects = 0;  // objects handed out and not yet released
  // Failure injection: the call with this number (from 1) fails; a member with this name
  // is unknown.
  int fail_at_call = 0;
  std::string rejected_member;

  std::unique_ptr<spreadsheet::AutomationObject> Application();

  // Called by its objects: records the call and throws when it is to fail.
  void Record(const std::string& kind, std::string_view member, const std::string& what);

  // The cells of `row` from column 1 up to its last given cell.
  std::vector<std::string> RowCells(int row) const;
};

}  // namespace headless
