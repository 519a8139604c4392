// Which kind of target the award keyword names, and the status line format.
#include "app/forms.h"
#include "app/sorva_b.h"
#include "app/station.h"
#include "app/texts.h"
#include "tally/tally_rules.h"

void TStation::ClassifyKeyword(bool flag) {
  TSorvaB& dialog = *SorvaB;
  StatusFormat = dialog.AwardName + app::kStatusFormatTail;
  dialog.TargetKind = tally::ClassifyKeyword(dialog.AwardKeyword, dialog.AwdKeywords);
  if (!flag) RefreshStatus();
}
