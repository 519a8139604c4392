// The lookup that turns an entry record from the logging program into a target row: the
// award keyword in a remarks line first, then the code, stepping on to the next match
// when the same code arrives again and shortening the key when nothing matches.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "logger_link/entry_record.h"

namespace logger_link {

// The grid as the lookup sees it: rows 1..row_count-1, each showing the target line at
// row_map[row].
struct LookupList {
  const std::vector<std::string>& lines;
  const std::vector<int>& row_map;
  int row_count = 0;
};

struct LookupResult {
  enum class Kind { kNothing, kFound, kNotFound };
  Kind kind = Kind::kNothing;
  int row = 0;             // kFound: the row to select
  std::string box_text;    // kNotFound: the information box's text
  std::string box_caption;
};

class CodeLookup {
 public:
  // `keyword` is the award keyword; `current_row` the grid's current row.
  LookupResult Find(const EntryRecord& entry, std::string_view keyword, const LookupList& list,
                    int current_row);

  // The last code key built, kept whole whatever its length, so that the same code
  // arriving again steps on to the next match.
  const std::string& LastLookupKey() const { return last_key_; }

 private:
  std::string last_key_;
};

}  // namespace logger_link
