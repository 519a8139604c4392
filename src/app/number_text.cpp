#include "app/number_text.h"

#include <string>

#include "korvax50.h"

namespace app {
namespace {

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == '-'; }

bool IsStopChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 32 && c != '\t') || c == '"' || c == ':' || c == '\\';
}

}  // namespace

int NextNumber(std::string_view text, size_t& cursor) {
  bool in_number = true;
  while (cursor < text.size()) {
    const char c = text[cursor];
    if (IsStopChar(c)) return 0;
    if (IsNumberChar(c)) {
      if (!in_number) {
        const std::string number(text.substr(cursor, 16));
        return StrToLong(number.c_str());
      }
    } else {
      in_number = false;
    }
    ++cursor;
  }
  return 0;
}

std::string CopyPadded(std::string_view text, size_t width) {
  std::string result(text.substr(0, width));
  result.resize(width, ' ');
  return result;
}

}  // namespace app
