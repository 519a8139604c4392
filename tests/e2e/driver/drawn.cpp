#include "driver/drawn.h"

namespace e2e {

namespace {

constexpr UINT kResponseMilliseconds = 1000;

bool NothingToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && !NothingToPaint(child)) return false;
  }
  return true;
}

}  // namespace

bool IsDrawn(HWND window) {
  if (!IsWindow(window) || !IsWindowVisible(window)) return false;
  // The window's thread has handled what was queued before this message; paints are
  // made only once its queue is empty, so the update regions are looked at after it.
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kResponseMilliseconds, &ignored)) {
    return false;
  }
  return NothingToPaint(window);
}

void WaitDrawn(HWND window, Timeout timeout) {
  int drawn_looks = 0;
  WaitFor("the window drawn", [&] {
    drawn_looks = IsDrawn(window) ? drawn_looks + 1 : 0;
    return drawn_looks >= 2;
  }, timeout);
}

}  // namespace e2e
