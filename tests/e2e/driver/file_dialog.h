// The common open dialog of another process (a top-level "#32770" window): typing a name
// into its file-name box and pressing its Open button, as the operator does.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Puts `name` into the dialog's file-name box and presses Open; throws when the dialog
// has no file-name box.
void EnterFileName(HWND dialog, const std::wstring& name);

}  // namespace e2e
