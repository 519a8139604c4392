// The native stand-in for the locale's case-insensitive comparison: single-byte ASCII
// letters are folded, everything else (double-byte characters included) is compared as
// unsigned bytes. Trail bytes are never folded, so two different katakana never compare
// equal.
#include <algorithm>
#include <numeric>

#include "base/cp932.h"
#include "base/platform.h"

namespace platform {
namespace {

unsigned char Fold(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  // While the bytes so far are equal, both texts have their character boundaries at the
  // same places, so one flag serves both.
  bool in_trail = false;
  for (size_t i = 0; i < common; ++i) {
    auto left = static_cast<unsigned char>(a[i]);
    auto right = static_cast<unsigned char>(b[i]);
    if (!in_trail) {
      left = Fold(left);
      right = Fold(right);
    }
    if (left != right) return left < right ? -1 : 1;
    in_trail = !in_trail && cp932::IsLeadByte(left);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<uint32_t> StableOrderIgnoreCase(const std::vector<std::string>& texts) {
  std::vector<uint32_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return CompareTextIgnoreCase(texts[a], texts[b]) < 0;
  });
  return order;
}

}  // namespace platform
