// Conversion of UTF-8 input to the Shift-JIS the database stores. Characters that code
// page 932 lacks, and broken UTF-8, become '?'.
#pragma once

#include <string>
#include <string_view>

namespace korvax {

std::string Utf8ToSjis(std::string_view utf8);

}  // namespace korvax
