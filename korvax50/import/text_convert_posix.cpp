#include <iconv.h>

#include <cerrno>

#include "text_convert.h"

namespace korvax {
namespace {

// Bytes of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xf0 && lead <= 0xf4) return 4;
  if (lead >= 0xe0) return lead <= 0xef ? 3 : 1;
  if (lead >= 0xc2) return 2;
  return 1;
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
    size_t skip = SequenceLength(static_cast<unsigned char>(*in));
    if (skip > in_left) skip = in_left;
    in += skip;
    in_left -= skip;
    out.push_back('?');
  }
  iconv_close(converter);
  return out;
}

}  // namespace korvax
