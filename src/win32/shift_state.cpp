#include "win32/shift_state.h"

#include <windows.h>

#include "ui/event.h"

namespace win32 {

unsigned ShiftState() {
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ui::kShiftShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ui::kShiftCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ui::kShiftAlt;
  return shift;
}

}  // namespace win32
