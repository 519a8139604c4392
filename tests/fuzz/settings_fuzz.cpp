// The settings store: any file text loads; then a section, key and value taken from the
// input are written, and what was written reads back, from memory and from the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/sjis_text.h"
#include "base/string_utils.h"
#include "base/text_file.h"
#include "settings/settings_store.h"

namespace {

std::string Scratch() {
  static const std::string name = "/tmp/sorvano-settings-fuzz-" + std::to_string(getpid()) + ".ini";
  return name;
}

// What ReadString gives for a written value: line breaks and NUL as blanks, at most
// 65535 bytes, trailing blanks and control characters dropped.
std::string Expected(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  return std::string(TrimRightBlanks(sjis::CutToBytes(line, 65535)));
}

std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // file text | section | key | value, split at the byte 0x01.
  std::string_view parts[4];
  for (int i = 0; i < 3; ++i) {
    const size_t cut = input.find('\x01');
    parts[i] = input.substr(0, cut);
    input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
  }
  parts[3] = input;
  const std::string file = Scratch();
  if (!WriteFileAtomic(file, parts[0]).ok()) std::abort();
  const std::string section = OneLine(parts[1]);
  const std::string key = OneLine(parts[2]);
  const bool storable = key.find('=') == std::string::npos &&
                        (key.empty() || (key.front() != '[' && key.front() != ';')) &&
                        // A section header needs its closing bracket last on the line.
                        section.find_first_of("[]") == std::string::npos;
  {
    TKrxIni settings(file);
    if (!settings.LoadStatus().ok()) return 0;  // a NUL: left alone
    const std::string before = settings.Text();
    settings.WriteString(section, key, parts[3]);
    if (storable && settings.ReadString(section, key, "\x01") != Expected(parts[3])) std::abort();
    if (!storable && key.find('=') != std::string::npos && settings.Text() != before) std::abort();
    if (!settings.SaveIfChanged().ok()) std::abort();
  }
  if (storable) {
    TKrxIni again(file, TKrxIni::ReadOnly{});
    if (again.ReadString(section, key, "\x01") != Expected(parts[3])) std::abort();
  }
  return 0;
}
