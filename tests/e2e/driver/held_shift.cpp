#include "driver/held_shift.h"

#include "driver/poll.h"

namespace e2e {
namespace {

void SetShiftState(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  for (int key : {VK_SHIFT, VK_LSHIFT}) keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace

HeldShift::HeldShift(HWND window) : program_thread_(GetWindowThreadProcessId(window, nullptr)) {
  // Our thread needs a message queue before it can share another thread's input.
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
  if (program_thread_ == 0 || !AttachThreadInput(GetCurrentThreadId(), program_thread_, TRUE)) {
    throw E2eError("cannot share the input state of the program's thread");
  }
  SetShiftState(true);
  if (GetKeyState(VK_SHIFT) >= 0) {
    AttachThreadInput(GetCurrentThreadId(), program_thread_, FALSE);
    throw E2eError("Shift not held in the shared input state");
  }
}

HeldShift::~HeldShift() {
  // Released first: the program keeps the shared state when the threads part.
  SetShiftState(false);
  AttachThreadInput(GetCurrentThreadId(), program_thread_, FALSE);
}

}  // namespace e2e
