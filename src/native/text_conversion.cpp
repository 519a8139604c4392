// Code page 932 conversions for the native build, through glibc's iconv "CP932" module.
// iconv stops at a sequence it cannot convert; we then write a replacement and step
// over the bad sequence, so a conversion never fails.
#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "base/cp932.h"
#include "base/platform.h"

namespace platform {
namespace {

constexpr const char* kUtf16Native =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

bool IsCp932TrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// How many bytes of `input` at `pos` make up the sequence that did not convert.
using SkipRule = size_t (*)(std::string_view input, size_t pos);

size_t SkipCp932(std::string_view input, size_t pos) {
  const auto byte = static_cast<unsigned char>(input[pos]);
  if (cp932::IsLeadByte(byte) && pos + 1 < input.size() &&
      IsCp932TrailByte(static_cast<unsigned char>(input[pos + 1]))) {
    return 2;
  }
  return 1;
}

size_t SkipUtf16(std::string_view input, size_t pos) {
  if (input.size() - pos < 2) return input.size() - pos;
  char16_t unit;
  std::memcpy(&unit, input.data() + pos, 2);
  if (unit >= 0xD800 && unit <= 0xDBFF && input.size() - pos >= 4) {
    char16_t next;
    std::memcpy(&next, input.data() + pos + 2, 2);
    if (next >= 0xDC00 && next <= 0xDFFF) return 4;
  }
  return 2;
}

size_t SkipUtf8(std::string_view input, size_t pos) {
  const auto lead = static_cast<unsigned char>(input[pos]);
  size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (input.size() - pos < length) return 1;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(input[pos + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::logic_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~IconvHandle() { iconv_close(handle_); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, SkipRule skip) {
  IconvHandle converter(to, from);
  std::string output(input.size() * 2 + 16, '\0');
  size_t used = 0;
  size_t consumed = 0;
  auto ensure_room = [&](size_t needed) {
    if (output.size() - used < needed) output.resize((output.size() + needed) * 2);
  };
  while (consumed < input.size()) {
    char* in_ptr = const_cast<char*>(input.data() + consumed);
    size_t in_left = input.size() - consumed;
    char* out_ptr = output.data() + used;
    size_t out_left = output.size() - used;
    const size_t result = iconv(converter.get(), &in_ptr, &in_left, &out_ptr, &out_left);
    const int error = errno;
    consumed = static_cast<size_t>(in_ptr - input.data());
    used = static_cast<size_t>(out_ptr - output.data());
    if (result != static_cast<size_t>(-1)) break;
    if (error == E2BIG) {
      ensure_room(output.size());
      continue;
    }
    // EILSEQ (bad or unmappable) or EINVAL (cut off at the end).
    ensure_room(replacement.size());
    std::memcpy(output.data() + used, replacement.data(), replacement.size());
    used += replacement.size();
    consumed += skip(input, consumed);
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
  }
  output.resize(used);
  return output;
}

std::string Utf16Replacement() {
  const char16_t unit = u'\uFFFD';
  return std::string(reinterpret_cast<const char*>(&unit), sizeof unit);
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view text) {
  const std::string bytes = Convert(kUtf16Native, "CP932", text, Utf16Replacement(), SkipCp932);
  std::u16string units(bytes.size() / 2, u'\0');
  std::memcpy(units.data(), bytes.data(), units.size() * 2);
  return units;
}

std::string Utf16ToCp932(std::u16string_view text) {
  const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  return Convert("CP932", kUtf16Native, bytes, "?", SkipUtf16);
}

std::string Cp932ToUtf8(std::string_view text) {
  return Convert("UTF-8", "CP932", text, "\xEF\xBF\xBD", SkipCp932);
}

std::string Utf8ToCp932(std::string_view text) {
  return Convert("CP932", "UTF-8", text, "?", SkipUtf8);
}

}  // namespace platform
