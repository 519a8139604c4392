// The logger simulator's entry: what a send record does to its fields, the entry record
// it answers a jump request with, and the line its log keeps for every message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace logger_sim {

struct Entry {
  std::string code;
  std::string qth;
  std::string remarks1;
  std::string remarks2;
};

// Fills `entry` from a send record (lines 8, 12, 13 and 14) with the placement that the
// request code's bits give: the remarks text over, right of or left of what is there.
// Empty code and QTH lines leave those fields as they are.
void ApplySendRecord(Entry& entry, std::uint32_t request, std::string_view record);

// The entry record: 15 lines ended by CR LF, code on line 8, QTH on 12, remarks on 13, 14.
std::string EntryRecordOf(const Entry& entry);

// "dwData=0042002F cbData=3 data=41420D" (data=null for a null pointer), hex upper case.
std::string LogLine(std::uint32_t request, std::uint32_t size, const void* data);

// The request without its placement and database bits, and with them.
bool IsSendTarget(std::uint32_t request);

}  // namespace logger_sim
