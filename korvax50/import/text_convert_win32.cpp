#include <windows.h>

#include "text_convert.h"

namespace korvax {

std::string Utf8ToSjis(std::string_view utf8) {
  if (utf8.empty()) return {};
  int size = static_cast<int>(utf8.size());
  int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (wide_length <= 0) return std::string(utf8);
  std::wstring wide(static_cast<size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wide_length);
  int length = WideCharToMultiByte(932, 0, wide.data(), wide_length, nullptr, 0, "?", nullptr);
  if (length <= 0) return std::string(utf8);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(932, 0, wide.data(), wide_length, out.data(), length, "?", nullptr);
  return out;
}

}  // namespace korvax
