#include "base/cp932.h"

namespace cp932 {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t CharLength(std::string_view text, size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) {
    return 2;
  }
  return 1;
}

size_t Find(std::string_view text, std::string_view pattern, size_t from) {
  if (pattern.empty()) return std::string_view::npos;
  size_t boundary = from;  // always a character boundary at or before the next candidate
  size_t search_from = from;
  while (true) {
    const size_t hit = text.find(pattern, search_from);
    if (hit == std::string_view::npos) return hit;
    while (boundary < hit) boundary += CharLength(text, boundary);
    if (boundary == hit) return hit;
    // The candidate sat on a trail byte; characters are at most two bytes, so the next
    // boundary is the byte after it.
    search_from = boundary;
  }
}

std::string ToLower(std::string_view text) {
  std::string lowered(text);
  for (size_t pos = 0; pos < lowered.size(); pos += CharLength(lowered, pos)) {
    const char byte = lowered[pos];
    if (byte >= 'A' && byte <= 'Z') lowered[pos] = static_cast<char>(byte - 'A' + 'a');
  }
  return lowered;
}

}  // namespace cp932
