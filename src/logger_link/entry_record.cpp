#include "logger_link/entry_record.h"

#include <string_view>

#include "logger_link/link_protocol.h"

namespace logger_link {

EntryRecord ParseEntryRecord(const char* data, std::size_t size) {
  EntryRecord entry;
  if (data == nullptr) return entry;
  const std::string_view text(data, size);
  size_t start = 0;
  for (int line = 0; line <= kRemarks2Line && start < text.size(); ++line) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view content = text.substr(start, end - start);
    if (line == kCodeLine) entry.code = content;
    if (line == kRemarks1Line) entry.remarks1 = content;
    if (line == kRemarks2Line) entry.remarks2 = content;
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
  }
  return entry;
}

}  // namespace logger_link
