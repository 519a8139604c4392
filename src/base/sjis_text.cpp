#include "base/sjis_text.h"

#include "base/cp932.h"

namespace sjis {

std::string_view TrimBlanks(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

std::string_view FirstChars(std::string_view text, size_t count) {
  size_t pos = 0;
  for (size_t n = 0; n < count && pos < text.size(); ++n) pos += cp932::CharLength(text, pos);
  return text.substr(0, pos);
}

std::string_view CutToBytes(std::string_view text, size_t bytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + cp932::CharLength(text, end);
    if (next > bytes) break;
    end = next;
  }
  return text.substr(0, end);
}

std::string FirstBytesPadded(std::string_view text, size_t count) {
  std::string padded(text.substr(0, count));
  padded.resize(count, '\0');
  return padded;
}

size_t CharCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); pos += cp932::CharLength(text, pos)) ++count;
  return count;
}

std::string PrintableText(std::string_view text) {
  std::string printable(text);
  for (char& byte : printable) {
    if (static_cast<unsigned char>(byte) < ' ') byte = ' ';
  }
  return printable;
}

}  // namespace sjis
