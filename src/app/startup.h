// The program's entry sequence before any window exists: the "-Inst" registration in
// the logging program's settings file, the single-instance lock and the library version
// check, then the two forms and the message loop.
#pragma once

#include "ui/not_in_core.h"

#include <cstdint>
#include <string>
#include <vector>

namespace app {

inline constexpr int32_t kMinimumLibraryVersion = 337920;

// What the start sequence needs from the outside world.
class StartupEnvironment {
 public:
  virtual ~StartupEnvironment() = default;
  // Full path of the program file, Shift-JIS.
  virtual std::string ProgramPath() const = 0;
  // Command-line arguments after the program name, Shift-JIS.
  virtual std::vector<std::string> Arguments() const = 0;
  // Takes the named single-instance lock for the rest of the process; false when
  // another process holds it.
  virtual bool AcquireInstanceLock(const std::string& name) = 0;
  // GetKrdllVersion of the logging library.
  virtual int32_t LibraryVersion() = 0;
};

// "C:\Korvax\Sorvano.exe" gives "C:_Korvax_Sorvano.exe_Awd_Mutex".
std::string InstanceMutexName(const std::string& program_path);

// Handles "-Inst": registers the program in "Korvaxw.ini" beside it and opens the help
// page. Returns true when it handled the switch.
bool RegisterWithLogger(const std::string& program_path, const std::vector<std::string>& args);

// Returns true when the program must stop: another instance of the same program file
// runs, or the logging library is too old (after telling the operator).
bool CheckInstanceAndLibrary(StartupEnvironment& environment);

// The whole start sequence; returns the process exit code.
int RunProgram(StartupEnvironment& environment);

}  // namespace app
