// sorvano-tally: runs the program's tally on a list file and a QSO database without the
// GUI, with the options of the program's settings file and the command line, prints the
// report and the QSO table, and writes the list back only when asked to.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tally_cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitList = 2;
inline constexpr int kExitDatabase = 3;
inline constexpr int kExitWrite = 4;
inline constexpr int kExitSettings = 5;
inline constexpr int kExitWorkbook = 6;
// --write on a list read only in part (a NUL byte or the line limit ended it).
inline constexpr int kExitPartialList = 7;

// What differs between the platforms' entry points.
struct Platform {
  // Shift-JIS text as the console shows it.
  std::string (*ToConsole)(std::string_view cp932);
  // A Shift-JIS file name as the logging library and the import tool open it.
  std::string (*LibraryPath)(const std::string& cp932);
};

// `args` (Shift-JIS, without the program name). Returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const Platform& platform);

}  // namespace tally_cli
