#include "win32/startup_environment.h"

#include <windows.h>
#include <shellapi.h>

#include "korvax50.h"
#include "win32/wide_text.h"

namespace win32 {

std::string Win32StartupEnvironment::ProgramPath() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> Win32StartupEnvironment::Arguments() const {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int n = 1; arguments && n < count; ++n) result.push_back(Narrow(arguments[n]));
  LocalFree(arguments);
  return result;
}

bool Win32StartupEnvironment::AcquireInstanceLock(const std::string& name) {
  // The handle stays open for the life of the process; Windows releases it at the end.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name).c_str());
  if (mutex == nullptr) return true;
  // An abandoned mutex or a failed wait also count as ours.
  return WaitForSingleObject(mutex, 0) != WAIT_TIMEOUT;
}

int32_t Win32StartupEnvironment::LibraryVersion() { return GetKrdllVersion(); }

}  // namespace win32
