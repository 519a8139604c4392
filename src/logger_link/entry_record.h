// The entry record that the logging program sends back: text lines, of which only the
// code and the two remarks lines are read.
#pragma once

#include <cstddef>
#include <string>

namespace logger_link {

struct EntryRecord {
  std::string code;      // line 8
  std::string remarks1;  // line 13
  std::string remarks2;  // line 14
};

// Reads exactly `size` bytes from `data` (which may be null, then nothing is read): CR LF,
// CR and LF each end a line, a NUL is an ordinary byte, and lines that are not there are
// empty. Lines after line 14 are skipped without being copied.
EntryRecord ParseEntryRecord(const char* data, std::size_t size);

}  // namespace logger_link
