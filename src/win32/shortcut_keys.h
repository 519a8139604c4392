// Menu shortcut texts ("Ctrl+S", "F3") as accelerator-table entries.
#pragma once

#include "ui/not_in_core.h"

#include <windows.h>

#include <string_view>

namespace win32 {

// False when the text is empty or not a shortcut this program uses.
bool ParseShortcut(std::string_view text, int command, ACCEL& accelerator);

}  // namespace win32
