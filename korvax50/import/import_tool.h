// The korvax_import command: builds a QSO database from an ADIF file or the QSO text
// form, or dumps a database as the text form. Arguments are Shift-JIS; the entry points
// for each platform only gather them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvax {

// `args` excludes the program name. Returns the process exit code: 0 done, 1 usage,
// 2 input unreadable or malformed, 3 output not written.
int RunImportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korvax
