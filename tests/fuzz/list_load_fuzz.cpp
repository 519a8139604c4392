// A list file's bytes through the checks and repairs done after every load: no crash,
// the counts agree with the lines, and the NUL line agrees with where the lines stop.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/text_file.h"
#include "targets/comma_text.h"
#include "targets/target_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = SplitLines(text);
  const size_t nul_line = LineOfFirstNul(text);
  if (nul_line != 0 && lines.size() > nul_line) std::abort();
  for (const std::string& line : lines) {
    if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
  }
  // Written lines read back as the same lines.
  if (SplitLines(JoinLinesCrLf(lines)) != lines) std::abort();
  const targets::PreparedList list = targets::PrepareList(lines);
  if (!list.unusable) {
    if (lines.size() < targets::kMinListLines || lines.size() > targets::kMaxListLines) std::abort();
    if (list.WorkedCount < 0 || static_cast<size_t>(list.WorkedCount) >= lines.size()) std::abort();
    for (size_t i = 1; i < lines.size(); ++i) {
      // Records of fewer than 2 fields are gone (short ones are padded with empty fields,
      // which read back as none).
      if (targets::SplitCommaText(lines[i]).size() < 2) std::abort();
    }
  }
  return 0;
}
