#include "driver/controls.h"

#include "driver/top_windows.h"

namespace e2e {

HWND FindControl(HWND parent, const wchar_t* class_name, const wchar_t* caption) {
  if (HWND direct = FindWindowExW(parent, nullptr, class_name, caption)) return direct;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HWND found = FindControl(child, class_name, caption)) return found;
  }
  return nullptr;
}

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
