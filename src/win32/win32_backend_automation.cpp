// The Win32 backend's automation services: the spreadsheet program's object, bringing its
// window to the front, and the keyboard read while a long job takes no messages.
#include "win32/win32_backend.h"

#include "win32/com_automation.h"
#include "win32/wide_text.h"

namespace win32 {

std::unique_ptr<spreadsheet::AutomationObject> Win32Backend::CreateAutomationObject(std::string_view prog_id) {
  return win32::CreateAutomationObject(prog_id);
}

bool Win32Backend::BringWindowToFront(std::string_view title) {
  const HWND window = FindWindowW(nullptr, Wide(title).c_str());
  if (window == nullptr) return false;
  SetForegroundWindow(window);
  return true;
}

bool Win32Backend::IsKeyPressedNow(int virtual_key) { return (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

}  // namespace win32
