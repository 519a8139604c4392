#include "targets/list_order.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <numeric>

#include "base/cp932.h"
#include "base/platform.h"
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

namespace {

// Each record's comparison text: its key followed by the record as comma text.
std::vector<std::string> ComparisonTexts(const std::vector<std::string>& lines, SortOrder order) {
  std::vector<std::string> texts(lines.size() - 1);
  std::vector<std::string> fields;
  for (size_t n = 0; n < texts.size(); ++n) {
    // The fields after the code are only compared as text: a long record is not held as
    // a string for each of its fields.
    const size_t rest = SplitCommaText(lines[n + 1], fields, kCodeField + 1);
    std::string key = order == SortOrder::kByNumber
                          ? NumberSortKey(fields.empty() ? std::string_view() : std::string_view(fields[0]))
                          : CodeSortKey(fields);
    fields.insert(fields.begin(), std::move(key));
    texts[n] = JoinCommaText(fields);
    AppendCommaFieldsFrom(lines[n + 1], rest, texts[n]);
  }
  return texts;
}

// The header, then the records in `sequence` (indexes of records, from 0).
void Reorder(std::vector<std::string>& lines, const std::vector<uint32_t>& sequence) {
  std::vector<std::string> sorted;
  sorted.reserve(lines.size());
  sorted.push_back(std::move(lines[0]));
  for (uint32_t n : sequence) sorted.push_back(std::move(lines[n + 1]));
  lines.swap(sorted);
}

}  // namespace

void SortRecords(std::vector<std::string>& lines, SortOrder order, TextCompare compare) {
  if (lines.size() < 3) return;
  const std::vector<std::string> texts = ComparisonTexts(lines, order);
  // The sort moves indexes only.
  std::vector<uint32_t> sequence(texts.size());
  std::iota(sequence.begin(), sequence.end(), 0u);
  std::stable_sort(sequence.begin(), sequence.end(), [&](uint32_t a, uint32_t b) {
    return compare(texts[a], texts[b]) < 0;
  });
  Reorder(lines, sequence);
}

void SortRecords(std::vector<std::string>& lines, SortOrder order) {
  if (lines.size() < 3) return;
  Reorder(lines, platform::StableOrderIgnoreCase(ComparisonTexts(lines, order)));
}

}  // namespace targets
