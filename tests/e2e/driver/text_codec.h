// Conversions between the texts the end-to-end tests handle: UTF-8 (test sources and
// messages), UTF-16 (window texts and file names through the W functions) and
// Shift-JIS, code page 932 (the program's files).
#pragma once

#include <string>
#include <string_view>

namespace e2e {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::wstring Cp932ToWide(std::string_view text);
std::string WideToCp932(std::wstring_view text);

}  // namespace e2e
