// The end of a tally: the duplicate removal on the kept-split lines, the QSO table for
// the award application spreadsheet, and the worked and confirmed counts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tally/qso_record.h"
#include "tally/qso_source.h"
#include "tally/split_targets.h"
#include "tally/tally_support.h"

namespace tally {

// Repeats duplicate passes until one changes nothing: each target's first worked
// station is taken away from the front of every other target's worked field.
void RemoveDuplicates(SplitTargets& targets, StickyCancel& cancelled, Progress& progress,
                      TallyCallbacks& callbacks);

// One tab-separated row per target line (empty for lines without a readable first
// entry): call, date, [time,] frequency, mode. The rows with CR LF, or nothing when no
// row was filled.
std::optional<std::string> CopyQsoTable(const std::vector<std::string>& lines, QsoSource& source,
                                        QsoRecord& record, const EntryStyle& style, bool with_time,
                                        Progress& progress);

struct WorkedCounts {
  int worked = 0;
  int confirmed = 0;
};
WorkedCounts CountWorked(const std::vector<std::string>& lines, std::string_view confirmed_open);

}  // namespace tally
