#include "win32/wide_text.h"

#include "base/platform.h"

namespace win32 {

std::wstring Wide(std::string_view cp932_text) {
  const std::u16string utf16 = platform::Cp932ToUtf16(cp932_text);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view wide_text) {
  const std::u16string utf16(wide_text.begin(), wide_text.end());
  return platform::Utf16ToCp932(utf16);
}

}  // namespace win32
