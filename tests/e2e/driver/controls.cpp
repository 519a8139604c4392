#include "driver/controls.h"

#include "driver/top_windows.h"

namespace e2e {

std::string StatusBarText(HWND window) {
  HWND status = FindWindowExW(window, nullptr, L"msctls_statusbar32", nullptr);
  return status ? WindowTextUtf8(status) : std::string();
}

bool AnyDialogVisible(DWORD process_id) {
  for (HWND box : TopLevelWindows(process_id, L"#32770")) {
    if (IsWindowVisible(box)) return true;
  }
  return false;
}

}  // namespace e2e
