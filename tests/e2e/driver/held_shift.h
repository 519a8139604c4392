// Holding Shift for the program's GUI thread while a test posts it commands. A key sent
// as input and a posted message race (the program takes posted messages before input),
// so instead the test's thread shares the input state of the program's thread and sets
// Shift there: GetKeyState in the program then reads it held, whatever the order.
#pragma once

#include <windows.h>

namespace e2e {

class HeldShift {
 public:
  // Throws E2eError when the input state of `window`'s thread cannot be shared.
  explicit HeldShift(HWND window);
  // Releases Shift, then separates the two threads' input again.
  ~HeldShift();
  HeldShift(const HeldShift&) = delete;
  HeldShift& operator=(const HeldShift&) = delete;

 private:
  DWORD program_thread_ = 0;
};

}  // namespace e2e
