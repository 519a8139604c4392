// Knowing that another process's window is drawn: it is visible, its thread takes
// messages, and neither it nor any of its child windows has anything left to paint, on
// two looks in a row. Used before a picture is taken, instead of a guessed sleep.
#pragma once

#include <windows.h>

#include "driver/poll.h"

namespace e2e {

bool IsDrawn(HWND window);

// Waits until IsDrawn held twice in a row; throws E2eError on time-out.
void WaitDrawn(HWND window, Timeout timeout = kDefaultTimeout);

}  // namespace e2e
