// Code page 932 conversions for Windows, through MultiByteToWideChar and
// WideCharToMultiByte with code page 932 itself, whatever the system's ANSI code page.
#include <windows.h>

#include "base/platform.h"

namespace platform {
namespace {

constexpr UINT kCodePage932 = 932;

std::u16string ToUtf16(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(code_page, 0, text.data(), length, nullptr, 0);
  if (units <= 0) return std::u16string(text.size(), u'\uFFFD');
  std::u16string result(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(code_page, 0, text.data(), length,
                      reinterpret_cast<wchar_t*>(result.data()), units);
  return result;
}

std::string FromUtf16(UINT code_page, std::u16string_view text) {
  if (text.empty()) return {};
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(code_page, 0, units, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string(text.size(), '?');
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(code_page, 0, units, length, result.data(), bytes, nullptr, nullptr);
  return result;
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) { return ToUtf16(kCodePage932, text); }

std::string Utf16ToCp932(std::u16string_view text) { return FromUtf16(kCodePage932, text); }

std::string Cp932ToUtf8(std::string_view text) { return FromUtf16(CP_UTF8, Cp932ToUtf16(text)); }

std::string Utf8ToCp932(std::string_view text) { return Utf16ToCp932(ToUtf16(CP_UTF8, text)); }

}  // namespace platform
