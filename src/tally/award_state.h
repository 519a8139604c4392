// The award of the open list: what its header says, which target names the award, and
// what the tally and the classification made of them. The main window owns it; the tally
// dialog, the grid and the status line read it.
#pragma once

#include <cstdint>
#include <string>

#include "tally/tally_rules.h"

namespace tally {

struct AwardState {
  std::string AwardName;      // header field 5, or 運用局
  int32_t AwardOptions = 0;   // header field 7; bit 0: ward codes count for their city
  std::string ListStartDate;  // header field 6 as it stands
  // The first 6 bytes of the selected target's line; ClassifyKeyword and the tally cut
  // it to the part that names the targets.
  std::string AwardKeyword;
  int TargetKind = kKindNumbered;
  ListKind List;  // the list's type, from the last classification
  // The grid's mark style, taken from the settings when the window is first shown and
  // whenever the tally dialog closes.
  bool OverwriteMark = false;
};

}  // namespace tally
