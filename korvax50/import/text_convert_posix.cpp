#include <iconv.h>

#include <cerrno>

#include "text_convert.h"

namespace korvax {
namespace {

// Bytes to replace at `pos`, where iconv stopped: the whole character when it is
// complete, else the lead byte alone, so that a broken sequence never swallows the valid
// characters after it (as the program's own converter does).
size_t SkipUtf8(const char* input, size_t left) {
  const auto lead = static_cast<unsigned char>(input[0]);
  size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (left < length) return 1;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(input[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::string Utf8ToSjis(std::string_view utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
  std::string out;
  char chunk[256];
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  while (in_left > 0) {
    char* put = chunk;
    size_t put_left = sizeof chunk;
    size_t done = iconv(converter, &in, &in_left, &put, &put_left);
    out.append(chunk, static_cast<size_t>(put - chunk));
    if (done != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace one character and go on.
    const size_t skip = SkipUtf8(in, in_left);
    in += skip;
    in_left -= skip;
    out.push_back('?');
  }
  iconv_close(converter);
  return out;
}

}  // namespace korvax
