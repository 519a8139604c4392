// A WM_COPYDATA channel without a window system, for tests: the test names the windows
// that exist, every block sent is recorded, and a hook can answer as the other program
// would (for example by sending an entry record back while it handles a request).
#pragma once

#include "ui/not_in_core.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/copy_data.h"

namespace headless {

class FakeCopyDataChannel : public ui::CopyDataChannel {
 public:
  struct Sent {
    std::uintptr_t to = 0;
    std::uintptr_t from = 0;
    std::uint32_t code = 0;
    std::optional<std::string> data;  // nullopt: a null pointer was sent
    std::size_t size = 0;
  };

  // Top-level windows by class name.
  std::map<std::string, std::uintptr_t> windows;
  std::vector<Sent> sent;
  std::vector<std::uintptr_t> brought_to_front;
  // What every send returns (the other program's entry window).
  std::intptr_t answer = 0;
  // Runs inside Send, after the block was recorded.
  std::function<void(const Sent&)> on_send;

  std::uintptr_t FindTopWindow(std::string_view class_name) override;
  std::intptr_t Send(std::uintptr_t to, std::uintptr_t from, std::uint32_t code, const void* data,
                     std::size_t size) override;
  // Runs inside BringToFront (the program loses the activation there).
  std::function<void(std::uintptr_t window)> on_bring_to_front;
  void BringToFront(std::uintptr_t window) override {
    brought_to_front.push_back(window);
    if (on_bring_to_front) on_bring_to_front(window);
  }
  // The headless backend's handle of the form.
  std::uintptr_t HandleOf(ui::WidgetId form) override;
};

}  // namespace headless
