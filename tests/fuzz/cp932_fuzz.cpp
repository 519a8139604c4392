// Code page 932 conversions never fail, and text that came from Shift-JIS converts back
// to the same UTF-16 (bytes may differ where code page 932 has two codes for a character).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/platform.h"
#include "base/sjis_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string wide = platform::Cp932ToUtf16(bytes);
  const std::string back = platform::Utf16ToCp932(wide);
  if (platform::Cp932ToUtf16(platform::Utf16ToCp932(platform::Cp932ToUtf16(back))) !=
      platform::Cp932ToUtf16(back)) {
    std::abort();
  }
  const std::string utf8 = platform::Cp932ToUtf8(bytes);
  (void)platform::Utf8ToCp932(utf8);
  (void)platform::Utf8ToCp932(bytes);  // the same bytes as broken UTF-8
  for (size_t n = 0; n <= size && n < 64; ++n) {
    const std::string_view cut = sjis::CutToBytes(bytes, n);
    if (cut.size() > n) std::abort();
  }
  return 0;
}
