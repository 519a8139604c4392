// Reading other processes' windows: finding top-level windows by process and class,
// and reading captions and control texts through WM_GETTEXT (the W function, so the
// text arrives as UTF-16 whatever the ANSI code page is), returned as UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// Top-level windows of class `class_name`, in z-order; `process_id` 0 means any process.
std::vector<HWND> TopLevelWindows(DWORD process_id, std::wstring_view class_name);

// The first window of `class_name` (with `caption`, when not null) among the children of
// `parent` at any depth, or nullptr.
HWND FindDescendant(HWND parent, std::wstring_view class_name, const wchar_t* caption = nullptr);

std::wstring ClassNameOf(HWND window);
std::string WindowTextUtf8(HWND window);
// The text of the child control `control_id` of `parent`; throws when it is missing.
std::string ControlTextUtf8(HWND parent, int control_id);

}  // namespace e2e
