// The locale's case-insensitive comparison on Windows: CompareStringW on the UTF-16 form
// of both texts, so the result does not depend on the system's ANSI code page.
#include <windows.h>

#include <algorithm>
#include <numeric>

#include "base/platform.h"

namespace platform {

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  const std::u16string wide_a = Cp932ToUtf16(a);
  const std::u16string wide_b = Cp932ToUtf16(b);
  const int result = CompareStringW(
      LOCALE_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<const wchar_t*>(wide_a.data()),
      static_cast<int>(wide_a.size()), reinterpret_cast<const wchar_t*>(wide_b.data()),
      static_cast<int>(wide_b.size()));
  if (result == 0) return a.compare(b);  // invalid arguments; cannot happen with lengths given
  return result - CSTR_EQUAL;
}

std::vector<uint32_t> StableOrderIgnoreCase(const std::vector<std::string>& texts) {
  std::vector<std::u16string> wide(texts.size());
  for (size_t n = 0; n < texts.size(); ++n) wide[n] = Cp932ToUtf16(texts[n]);
  std::vector<uint32_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    const int result = CompareStringW(
        LOCALE_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<const wchar_t*>(wide[a].data()),
        static_cast<int>(wide[a].size()), reinterpret_cast<const wchar_t*>(wide[b].data()),
        static_cast<int>(wide[b].size()));
    return result != 0 ? result == CSTR_LESS_THAN : texts[a] < texts[b];
  });
  return order;
}

}  // namespace platform
