// Keeps a long job on the GUI thread answering (its abort button, repaints) without a
// round trip to the window system for every item: the job calls Pump() as often as it
// likes, and pending messages are processed only once `interval` has passed since the
// last time. Every round trip costs, under Wine a great deal; 30 ms is far below what an
// operator still takes for "at once".
#pragma once

#include <cstdint>

namespace ui {

class MessagePacer {
 public:
  static constexpr std::uint64_t kDefaultIntervalMs = 30;

  explicit MessagePacer(std::uint64_t interval_ms = kDefaultIntervalMs);

  // Processes pending window messages when the interval is up; true when it did.
  bool Pump();

 private:
  std::uint64_t interval_ms_;
  std::uint64_t last_;
};

}  // namespace ui
