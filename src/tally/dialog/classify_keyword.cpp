// Which kind of target the award keyword names, and the status line format.
#include "app/station.h"
#include "app/texts.h"
#include "tally/tally_rules.h"

void TStation::ClassifyKeyword(bool flag) {
  StatusFormat = Award.AwardName + app::kStatusFormatTail;
  Award.TargetKind = tally::ClassifyKeyword(Award.AwardKeyword, TallySettings.Slots());
  if (!flag) RefreshStatus();
}
