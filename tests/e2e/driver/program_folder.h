// Puts the program under test into a test folder: Sorvano.exe, a chosen build of
// Korvax50.dll (or none), an optional settings file and data files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "driver/test_folder.h"

namespace e2e {

enum class Library {
  kCurrent,  // the build's Korvax50.dll
  kOld,      // bin/old/Korvax50.dll, which reports a version the program refuses
  kMissing,  // no Korvax50.dll at all
};

struct DataFile {
  std::wstring source;  // full path
  std::wstring name;    // name in the test folder
};

struct ProgramSetup {
  Library library = Library::kCurrent;
  std::optional<std::string> settings;  // bytes of Sorvano.ini
  std::vector<DataFile> data_files;
};

// Returns the full path of the installed Sorvano.exe.
std::wstring InstallProgram(TestFolder& folder, const ProgramSetup& setup);

}  // namespace e2e
