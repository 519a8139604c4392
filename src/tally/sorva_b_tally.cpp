// The tally command of the dialog: Button1 starts a tally over the main window's target
// lines, or asks the running one to stop.
#include "app/forms.h"
#include "app/sorva_b.h"
#include "app/station.h"
#include "tally/tally_rules.h"

void TSorvaB::ClassifyList() {
  AwdKeywords[kAwardSlots] = tally::kFixedLastSlot;
  const tally::ListKind kind = tally::ClassifyList(Station->TargetLines, AwdKeywords);
  MixedList = kind.MixedList;
  ZaList = kind.ZaList;
  PerCityList = kind.PerCityList;
  Check17.SetEnabled(kind.ExcelTableAllowed());
  CancelRequested = false;
}

void TSorvaB::Button1Click(ui::Widget&) {}
