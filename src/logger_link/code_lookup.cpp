#include "logger_link/code_lookup.h"

#include <algorithm>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "targets/list_search.h"

namespace logger_link {
namespace {

constexpr size_t kRemarksKeyBytes = 16;
constexpr size_t kShortestKey = 3;  // the comma and the code's first two bytes

const char kNotFoundPrefix[] = "Korvax == ";
// ・・・に一致するコードは見つかりませんでした。
const char kNotFoundSuffix[] =
    "\r\r\x81" "E\x81" "E\x81" "E\x82\xc9\x88\xea\x92v\x82\xb7\x82\xe9\x83R\x81[\x83h\x82\xcd"
    "\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81" "B";

// The target line a row shows, or null when the row maps outside the list.
const std::string* LineOfRow(const LookupList& list, int row) {
  return targets::LineOfRow(list.lines, list.row_map, row);
}

int LastRow(const LookupList& list) {
  return std::min(list.row_count, static_cast<int>(list.row_map.size())) - 1;
}

// The part of a line the code route searches: after its first comma.
std::string_view AfterFirstComma(std::string_view line) {
  const size_t comma = line.find(',');
  return comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
}

// The length of the longest start of `key` that `text` holds (at a character
// boundary), at most `limit`. The key starts with a comma, which is never the second
// byte of a character, so every place it can start is a comma in the text.
size_t LongestKeyStart(std::string_view text, std::string_view key, size_t limit) {
  size_t longest = 0;
  for (size_t pos = 0; pos < text.size() && longest < limit; pos += cp932::CharLength(text, pos)) {
    if (text[pos] != key[0]) continue;
    const size_t room = std::min(limit, text.size() - pos);
    size_t length = 1;
    while (length < room && text[pos + length] == key[length]) ++length;
    longest = std::max(longest, length);
  }
  return longest;
}

}  // namespace

LookupResult CodeLookup::Find(const EntryRecord& entry, std::string_view keyword,
                              const LookupList& list, int current_row) {
  LookupResult result;
  const int last_row = LastRow(list);

  // The remarks route: the award keyword and what follows it, up to the first comma.
  if (!keyword.empty()) {
    std::string_view remarks = entry.remarks1;
    size_t at = cp932::Find(remarks, keyword);
    if (at == std::string_view::npos) {
      remarks = entry.remarks2;
      at = cp932::Find(remarks, keyword);
    }
    if (at != std::string_view::npos) {
      std::string_view cut = sjis::CutToBytes(remarks.substr(at), kRemarksKeyBytes);
      if (const size_t comma = cut.find(','); comma != std::string_view::npos) cut = cut.substr(0, comma + 1);
      for (int row = 1; row <= last_row; ++row) {
        const auto line = LineOfRow(list, row);
        if (line && cp932::Find(*line, cut) != std::string_view::npos) {
          result.kind = LookupResult::Kind::kFound;
          result.row = row;
          return result;
        }
      }
    }
  }

  // The code route.
  const std::string_view code = sjis::TrimBlanks(entry.code);
  if (code.empty()) return result;
  const std::string key = "," + std::string(code) + ",";
  int start_row = 1;
  if (key == last_key_) {
    start_row = current_row + 1 > last_row ? 1 : std::max(1, current_row + 1);
  } else {
    last_key_ = key;
  }

  // The full key from the start row; then, from row 1, the longest start of the key
  // (one byte shorter at least) that a row holds, the first such row.
  for (int row = start_row; row <= last_row; ++row) {
    const auto line = LineOfRow(list, row);
    if (line && cp932::Find(AfterFirstComma(*line), key) != std::string_view::npos) {
      result.kind = LookupResult::Kind::kFound;
      result.row = row;
      return result;
    }
  }
  size_t best_length = kShortestKey - 1;
  int best_row = 0;
  for (int row = 1; row <= last_row; ++row) {
    const auto line = LineOfRow(list, row);
    if (!line) continue;
    const size_t length = LongestKeyStart(AfterFirstComma(*line), key, key.size() - 1);
    if (length > best_length) {
      best_length = length;
      best_row = row;
    }
  }
  if (best_row > 0) {
    result.kind = LookupResult::Kind::kFound;
    result.row = best_row;
    return result;
  }
  result.kind = LookupResult::Kind::kNotFound;
  result.box_caption = std::string(code) + ",";
  result.box_text = kNotFoundPrefix + result.box_caption + kNotFoundSuffix;
  return result;
}

}  // namespace logger_link
