// Comma text: splitting never reads past its input, and joining fields then splitting
// the line gives the same fields back. Splitting the first fields and appending the rest
// field by field gives the whole record joined. Empty fields at the end count for nothing: a
// written record leaves them as trailing commas, which read back as no field, and the
// program pads every record it reads to the fields it needs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "targets/comma_text.h"

namespace {

std::vector<std::string> WithoutTrailingEmpty(std::vector<std::string> fields) {
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> fields = targets::SplitCommaText(line);
  const std::string joined = targets::JoinCommaText(fields);
  const std::vector<std::string> again = targets::SplitCommaText(joined);
  if (WithoutTrailingEmpty(again) != WithoutTrailingEmpty(fields)) std::abort();
  // A record without empty fields at its end reads back exactly.
  const std::vector<std::string> trimmed = WithoutTrailingEmpty(fields);
  if (!trimmed.empty() && targets::SplitCommaText(targets::JoinCommaText(trimmed)) != trimmed) std::abort();
  std::vector<std::string> first;
  for (size_t count : {2, 5}) {
    const size_t rest = targets::SplitCommaText(line, first, count);
    std::string whole = targets::JoinCommaText(first);
    const size_t appended = targets::AppendCommaFieldsFrom(line, rest, whole);
    if (first.size() + appended != fields.size()) std::abort();
    if (fields.size() >= 2 && whole != joined) std::abort();
  }
  return 0;
}
