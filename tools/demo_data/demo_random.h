// A small seeded random source whose sequence is the same on every compiler and run
// (the standard distributions are not), so the demo files come out byte for byte alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class DemoRandom {
 public:
  explicit DemoRandom(uint64_t seed) : state_(seed) {}

  uint64_t Next();
  // 0 <= result < bound (bound > 0).
  int Below(int bound);
  // True with the given percentage.
  bool Percent(int percent) { return Below(100) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  uint64_t state_;
};
