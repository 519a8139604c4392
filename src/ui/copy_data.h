// WM_COPYDATA with other programs' windows: the block a form receives, and the channel
// that finds another program's top-level window, sends it blocks and brings it to the
// front. The Win32 channel does it for real; tests install a recording fake.
#pragma once

#include "ui/not_in_core.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/types.h"

namespace ui {

// A received block. `data` is the sender's bytes, valid only while the handler runs;
// it may be null whatever `size` says.
struct CopyData {
  std::uintptr_t code = 0;  // dwData
  const void* data = nullptr;
  std::size_t size = 0;
};

class CopyDataChannel {
 public:
  virtual ~CopyDataChannel() = default;

  // The first top-level window of the class, 0 when there is none.
  virtual std::uintptr_t FindTopWindow(std::string_view class_name) = 0;
  // Sends `to` a block of `size` bytes at `data` (null for none) with `code` as dwData
  // and `from` (a window of ours) as the sender, and returns the receiver's answer; 0
  // when it cannot be delivered or the receiver does not answer in time.
  virtual std::intptr_t Send(std::uintptr_t to, std::uintptr_t from, std::uint32_t code,
                             const void* data, std::size_t size) = 0;
  virtual void BringToFront(std::uintptr_t window) = 0;
  // The window-system handle of a form: what other programs know it by.
  virtual std::uintptr_t HandleOf(WidgetId form) = 0;
};

}  // namespace ui
