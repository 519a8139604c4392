// Shift-JIS program text to and from the UTF-16 that the W functions take. Everything
// shown, typed or named goes through here, so Japanese shows on any Windows.
#pragma once

#include "ui/not_in_core.h"

#include <string>
#include <string_view>

namespace win32 {

std::wstring Wide(std::string_view cp932_text);
std::string Narrow(std::wstring_view wide_text);

}  // namespace win32
