#include "driver/text_codec.h"

#include <windows.h>

namespace e2e {
namespace {

constexpr UINT kCp932 = 932;

std::wstring ToWide(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string FromWide(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                      length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }
std::string WideToUtf8(std::wstring_view text) { return FromWide(CP_UTF8, text); }
std::wstring Cp932ToWide(std::string_view text) { return ToWide(kCp932, text); }
std::string WideToCp932(std::wstring_view text) { return FromWide(kCp932, text); }

}  // namespace e2e
