// Finding the controls of another process's windows the way the tests look for them: by
// class and caption at any depth, the status bar's text, a visible message box.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The first child window at any depth of `class_name` (and `caption`, when given), or
// nullptr.
HWND FindControl(HWND parent, const wchar_t* class_name, const wchar_t* caption = nullptr);
inline HWND FindButton(HWND parent, const wchar_t* caption) { return FindControl(parent, L"Button", caption); }

// The text of the window's status bar, empty when it has none.
std::string StatusBarText(HWND window);

// Whether a message box (or another dialog of class #32770) of the process is visible.
bool AnyDialogVisible(DWORD process_id);

}  // namespace e2e
