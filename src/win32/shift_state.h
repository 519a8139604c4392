// The Shift, Ctrl and Alt keys held right now, as the ui::kShift* bits events carry.
#pragma once

namespace win32 {

unsigned ShiftState();

}  // namespace win32
