// The ADIF importer's reading and mapping: any text is ADIF or an error, and every QSO
// that maps has a call, a calendar date and a sort key of 14 digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "adif_mapping.h"
#include "adif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  korvax::AdifText adif;
  std::string error;
  if (!korvax::ParseAdif(text, &adif, &error)) {
    for (char c : error) {
      if (static_cast<unsigned char>(c) < 0x20) std::abort();  // shown escaped
    }
    return 0;
  }
  for (bool utf8 : {false, true}) {
    korvax::AdifMapping mapping;
    mapping.utf8 = utf8;
    for (const korvax::AdifQso& qso : adif.qsos) {
      korvax::MstRecord record;
      std::string key;
      std::string why;
      if (!korvax::MapAdifQso(qso, mapping, &record, &key, &why)) continue;
      if (record.call.empty() || key.size() != 14 || record.date.size() != 8) std::abort();
      const int month = (record.date[3] - '0') * 10 + (record.date[4] - '0');
      const int day = (record.date[6] - '0') * 10 + (record.date[7] - '0');
      if (month < 1 || month > 12 || day < 1 || day > 31) std::abort();
      unsigned char stored[korvax::kMstRecordSize];
      korvax::EncodeMstRecord(record, stored);
    }
  }
  return 0;
}
