#include "sim_entry.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "logger_link/link_protocol.h"

namespace logger_sim {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  lines.resize(std::max<size_t>(lines.size(), 16));
  return lines;
}

void Place(std::string& field, std::string_view text, std::uint32_t request) {
  if (text.empty()) return;
  if (request & logger_link::kPlaceRightBit) {
    field = field.empty() ? std::string(text) : field + " " + std::string(text);
  } else if (request & logger_link::kPlaceLeftBit) {
    field = field.empty() ? std::string(text) : std::string(text) + " " + field;
  } else {
    field = text;
  }
}

}  // namespace

bool IsSendTarget(std::uint32_t request) {
  const std::uint32_t bits = logger_link::kPlaceRightBit | logger_link::kPlaceLeftBit | logger_link::kUseKorvaxMstBit;
  return (request & ~bits) == logger_link::kSendTarget;
}

void ApplySendRecord(Entry& entry, std::uint32_t request, std::string_view record) {
  // The NUL that ends the text is not part of it.
  if (const size_t nul = record.find('\0'); nul != std::string_view::npos) record = record.substr(0, nul);
  const std::vector<std::string_view> lines = Lines(record);
  if (!lines[logger_link::kCodeLine].empty()) entry.code = lines[logger_link::kCodeLine];
  if (!lines[logger_link::kQthLine].empty()) entry.qth = lines[logger_link::kQthLine];
  Place(entry.remarks1, lines[logger_link::kRemarks1Line], request);
  Place(entry.remarks2, lines[logger_link::kRemarks2Line], request);
}

std::string EntryRecordOf(const Entry& entry) {
  std::string record;
  for (int line = 0; line < logger_link::kRecordLines; ++line) {
    if (line == logger_link::kCodeLine) record += entry.code;
    if (line == logger_link::kQthLine) record += entry.qth;
    if (line == logger_link::kRemarks1Line) record += entry.remarks1;
    if (line == logger_link::kRemarks2Line) record += entry.remarks2;
    record += "\r\n";
  }
  return record;
}

std::string LogLine(std::uint32_t request, std::uint32_t size, const void* data) {
  char head[64];
  std::snprintf(head, sizeof(head), "dwData=%08X cbData=%u data=", static_cast<unsigned>(request),
                static_cast<unsigned>(size));
  std::string line = head;
  if (data == nullptr) return line + "null";
  const auto* bytes = static_cast<const unsigned char*>(data);
  static const char kHex[] = "0123456789ABCDEF";
  line.reserve(line.size() + 2 * size);
  for (std::uint32_t n = 0; n < size; ++n) {
    line += kHex[bytes[n] >> 4];
    line += kHex[bytes[n] & 15];
  }
  return line;
}

}  // namespace logger_sim
