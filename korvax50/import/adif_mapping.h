// How an ADIF QSO becomes a database record (the field mapping is documented in
// korvax50/README.md).
#pragma once

#include <string>

#include "../mst_format.h"
#include "adif_reader.h"

namespace korvax {

struct AdifMapping {
  std::string qth_field = "CNTY";  // upper-case ADIF field that holds the QTH code
  char qsl_mark = 'J';             // stored for QSL_RCVD Y or V
  bool utf8 = false;               // texts are UTF-8, to be stored as Shift-JIS
};

// Fills `record` and `sort_key` (yyyymmddhhmmss); false with `why` when the QSO has no
// call sign or no valid QSO_DATE.
bool MapAdifQso(const AdifQso& qso, const AdifMapping& mapping, MstRecord* record,
                std::string* sort_key, std::string* why);

}  // namespace korvax
