// WM_COPYDATA with other programs' windows, for real. The bytes go as they are (Shift-JIS
// for the logging program); a send waits for the receiver's answer, handling what is sent
// to us meanwhile, but not for a receiver that has stopped answering.
#pragma once

#include "ui/not_in_core.h"

#include <windows.h>

#include "ui/copy_data.h"

namespace win32 {

class Win32CopyDataChannel : public ui::CopyDataChannel {
 public:
  // Long enough for a busy logging program, short enough that a hung one does not freeze us.
  static constexpr UINT kAnswerTimeoutMs = 10000;

  std::uintptr_t FindTopWindow(std::string_view class_name) override;
  std::intptr_t Send(std::uintptr_t to, std::uintptr_t from, std::uint32_t code, const void* data,
                     std::size_t size) override;
  void BringToFront(std::uintptr_t window) override;
  std::uintptr_t HandleOf(ui::WidgetId form) override;
};

// The COPYDATASTRUCT of a WM_COPYDATA as the component layer's block (no copy).
ui::CopyData CopyDataOf(LPARAM lparam);

}  // namespace win32
