// The real outside world of the start sequence: the program's path and command line,
// the named single-instance mutex, and the logging library's version.
#pragma once

#include "ui/not_in_core.h"

#include "app/startup.h"

namespace win32 {

class Win32StartupEnvironment : public app::StartupEnvironment {
 public:
  std::string ProgramPath() const override;
  std::vector<std::string> Arguments() const override;
  bool AcquireInstanceLock(const std::string& name) override;
  int32_t LibraryVersion() override;
};

}  // namespace win32
