#include "driver/top_windows.h"

#include "driver/poll.h"
#include "driver/text_codec.h"

namespace e2e {
namespace {

// A window whose thread is stuck must fail the test, not hang it. (No SMTO_ABORTIFHUNG:
// Wine calls a starting program "hung" before its first GetMessage, which under
// emulation can be seconds after its message queue was made.)
constexpr UINT kSendTimeoutMs = 5000;

struct WindowQuery {
  DWORD process_id;
  std::wstring_view class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  auto& query = *reinterpret_cast<WindowQuery*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((query.process_id == 0 || owner == query.process_id) &&
      ClassNameOf(window) == query.class_name) {
    query.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD process_id, std::wstring_view class_name) {
  WindowQuery query{process_id, class_name, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND FindDescendant(HWND parent, std::wstring_view class_name, const wchar_t* caption) {
  const std::wstring name(class_name);
  if (HWND direct = FindWindowExW(parent, nullptr, name.c_str(), caption)) return direct;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HWND found = FindDescendant(child, class_name, caption)) return found;
  }
  return nullptr;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string WindowTextUtf8(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &length)) {
    throw E2eError("window does not answer WM_GETTEXTLENGTH (error " +
                   std::to_string(GetLastError()) + ")");
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_NORMAL, kSendTimeoutMs, &copied)) {
    throw E2eError("window does not answer WM_GETTEXT (error " + std::to_string(GetLastError()) +
                   ")");
  }
  text.resize(copied);
  return WideToUtf8(text);
}

std::string ControlTextUtf8(HWND parent, int control_id) {
  HWND control = GetDlgItem(parent, control_id);
  if (control == nullptr) {
    throw E2eError("no control with id " + std::to_string(control_id));
  }
  return WindowTextUtf8(control);
}

}  // namespace e2e
