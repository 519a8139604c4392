// The locale's case-insensitive comparison on Windows: CompareStringW on the UTF-16 form
// of both texts, so the result does not depend on the system's ANSI code page.
#include <windows.h>

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

}  // namespace platform
