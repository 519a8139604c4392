// The edit commands' changes to the list's lines: a record from the text typed above the
// grid, and the reset of every record's worked entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace targets {

// The typed text as a record: cut at every comma (outside double-byte characters), each
// piece one field as it stands, at most the first 512 bytes used, joined again as comma
// text. Empty text gives a record of one empty field.
std::string RecordFromEditText(std::string_view text);

// Every record keeps exactly its first four fields (padded with empty ones): the worked
// entries and what follows them go. Records of fewer than three fields are removed.
// Line 0, the header, is kept as it is.
void ResetWorkedEntries(std::vector<std::string>& lines);

// Whether `lines`, once saved, would open again as a list: a list is refused when it has
// fewer than kMinListLines lines after records of fewer than 2 fields were dropped.
bool OpensAsList(const std::vector<std::string>& lines);

}  // namespace targets
