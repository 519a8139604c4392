// The QSO text form: one QSO per line, ten tab-separated fields (call, date, time, QTH
// code, QSL mark, frequency, mode, portable flag, Remarks1, Remarks2), Shift-JIS. The
// import tool reads it, its dump writes it, and tests and the demo use it to describe
// databases in plain text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "mst_format.h"

namespace korvax {

// A call sign that is empty or begins with '#' or '\' is written with a '\' before it,
// which the reader drops: every QSO's line reads back as that QSO.
//
// One line without its line end. Tabs and line breaks inside texts become blanks.
std::string FormatQsoTextLine(const MstRecord& record);
// Parses one line (a trailing CR is ignored). Missing trailing fields are empty.
bool ParseQsoTextLine(std::string_view line, MstRecord* record, std::string* error);
// Parses a whole text; empty lines and lines starting with '#' are skipped. On an error
// `error` names the line.
bool ParseQsoText(std::string_view text, std::vector<MstRecord>* records, std::string* error);
// The same, handing each QSO to `on_record` in turn instead of holding them all.
bool ForEachQsoTextRecord(std::string_view text, const std::function<void(const MstRecord&)>& on_record,
                          std::string* error);

}  // namespace korvax
