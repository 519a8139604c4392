// The fabricated QSO log of the demo: a few thousand QSOs in time order, about half of
// them with operators at the demo list's roadside stations who put the station's code
// in their Remarks, so that a tally of the demo list finds many targets.
#pragma once

#include <vector>

#include "demo_random.h"
#include "demo_targets.h"
#include "mst_format.h"

// QSOs in record order (record n is element n - 1); texts are UTF-8.
std::vector<korvax::MstRecord> MakeDemoQsos(DemoRandom& random, const DemoList& list);

// Fills the worked field of some targets as a tally with the default brackets would.
void MarkSomeTargetsWorked(const std::vector<korvax::MstRecord>& qsos, DemoList* list);
