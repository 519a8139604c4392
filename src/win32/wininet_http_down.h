// THTTPDown over WinInet in asynchronous mode, without a thread of its own: the GUI
// thread waits for WinInet's events in 50 ms slices and services window messages in
// between. Two slots; each object sits in its slot's entry of the slot table, where its
// slot's status callback finds it.
#pragma once

#include "ui/not_in_core.h"

#include <memory>

#include "update/http_down.h"

namespace win32 {

// A WinInet client entered in `slot` (0 or 1), replacing what was there.
std::unique_ptr<update::THTTPDown> MakeWinInetHttpDown(int slot);

}  // namespace win32
