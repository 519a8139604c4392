// The entry record from the logging program and the lookup it drives: the record is read
// within its block and gives what a plain line split gives, and the lookup over a small
// list only ever selects a row of the grid, also for the same code sent twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "logger_link/code_lookup.h"
#include "logger_link/entry_record.h"
#include "logger_link/link_protocol.h"

namespace {

// The line at `wanted` (0-based) when CR LF, CR and LF each end a line.
std::string LineAt(std::string_view text, int wanted) {
  int line = 0;
  std::string content;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (line == wanted) return content;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++line;
      continue;
    }
    if (line == wanted) content += c;
  }
  return line == wanted ? content : std::string();
}

const std::vector<std::string> kLines = {
    "No,Name,Code,Place,Worked,Award",
    "1,\x96\x6b\x8a\x43\x93\xb9,0101,Sapporo,JA1AAA<1>",
    "2,Short,01",
    "3,Tokyo,1001,Chiyoda",
    "4,Tokyo again,1001,Chuo,JA1BBB(2):JA1CCC<3>",
    "5,Spa,ZA-7,\x89\xb7\x90\xf2",
    "",
    "6,\x83\x5c,\x5c\x5c\x5c,x",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t control = data[0];
  // A block of exactly the record's size, so that a read past it is caught.
  const size_t record_size = size - 1;
  std::unique_ptr<char[]> block(new char[record_size == 0 ? 1 : record_size]);
  for (size_t i = 0; i < record_size; ++i) block[i] = static_cast<char>(data[i + 1]);
  const std::string_view text(block.get(), record_size);

  const logger_link::EntryRecord entry = logger_link::ParseEntryRecord(block.get(), record_size);
  if (entry.code != LineAt(text, logger_link::kCodeLine) ||
      entry.remarks1 != LineAt(text, logger_link::kRemarks1Line) ||
      entry.remarks2 != LineAt(text, logger_link::kRemarks2Line)) {
    std::abort();
  }

  std::vector<int> row_map;
  for (int row = 0; row < static_cast<int>(kLines.size()); ++row) row_map.push_back(row);
  const int row_count = 1 + control % static_cast<int>(kLines.size());
  const logger_link::LookupList list{kLines, row_map, row_count};
  const std::string_view keywords[] = {"", "ZA", "Spa", "\x89\xb7"};
  const std::string_view keyword = keywords[(control >> 4) % 4];
  logger_link::CodeLookup lookup;
  int current = (control >> 6) % row_count;
  for (int round = 0; round < 3; ++round) {
    const logger_link::LookupResult result = lookup.Find(entry, keyword, list, current);
    if (result.kind == logger_link::LookupResult::Kind::kFound) {
      if (result.row < 1 || result.row >= row_count) std::abort();
      current = result.row;
    }
  }
  return 0;
}
