// The Shift, Ctrl and Alt keys held right now, as the ui::kShift* bits events carry.
#pragma once

#include "ui/not_in_core.h"

namespace win32 {

unsigned ShiftState();

}  // namespace win32
