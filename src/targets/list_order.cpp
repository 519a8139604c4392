#include "targets/list_order.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <numeric>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "korvax50.h"
#include "targets/comma_text.h"

namespace targets {
namespace {

constexpr size_t kNumberKeyBytes = 62;
constexpr size_t kCodeField = 2;
constexpr char kCodeKeyTail[] = "  ";

}  // namespace

std::string NumberSortKey(std::string_view number) {
  const std::string_view field = sjis::CutToBytes(number, kNumberKeyBytes);
  const size_t hyphen = cp932::Find(field, "-");
  int32_t value = 0;
  std::string key;
  if (hyphen == std::string_view::npos) {
    key = field;
  } else {
    key = field.substr(0, hyphen);
    value = StrToLong(std::string(field.substr(hyphen)).c_str());
  }
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.5d", static_cast<int>(value));
  return key + digits;
}

std::string CodeSortKey(const std::vector<std::string>& fields) {
  if (fields.size() <= kCodeField) return kCodeKeyTail;
  return fields[kCodeField] + kCodeKeyTail;
}

void SortRecords(std::vector<std::string>& lines, SortOrder order, TextCompare compare) {
  if (lines.size() < 3) return;
  const size_t records = lines.size() - 1;
  // Each record's comparison text is built once; the sort then moves indexes only.
  std::vector<std::string> texts(records);
  std::vector<std::string> fields;
  for (size_t n = 0; n < records; ++n) {
    SplitCommaText(lines[n + 1], fields);
    std::string key = order == SortOrder::kByNumber
                          ? NumberSortKey(fields.empty() ? std::string_view() : std::string_view(fields[0]))
                          : CodeSortKey(fields);
    fields.insert(fields.begin(), std::move(key));
    texts[n] = JoinCommaText(fields);
  }
  std::vector<uint32_t> sequence(records);
  std::iota(sequence.begin(), sequence.end(), 0u);
  std::stable_sort(sequence.begin(), sequence.end(), [&](uint32_t a, uint32_t b) {
    return compare(texts[a], texts[b]) < 0;
  });
  std::vector<std::string> sorted;
  sorted.reserve(lines.size());
  sorted.push_back(std::move(lines[0]));
  for (uint32_t n : sequence) sorted.push_back(std::move(lines[n + 1]));
  lines.swap(sorted);
}

}  // namespace targets
