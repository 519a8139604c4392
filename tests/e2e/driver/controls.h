// What the tests look for in another process's windows: a button by its caption at any
// depth, the status bar's text, a visible message box.
#pragma once

#include <windows.h>

#include <string>

#include "driver/top_windows.h"

namespace e2e {

// A button of `parent`, at any depth, by its caption; nullptr when there is none.
inline HWND FindButton(HWND parent, const wchar_t* caption) { return FindDescendant(parent, L"Button", caption); }

// The text of the window's status bar, empty when it has none.
std::string StatusBarText(HWND window);

// Whether a message box (or another dialog of class #32770) of the process is visible.
bool AnyDialogVisible(DWORD process_id);

}  // namespace e2e
