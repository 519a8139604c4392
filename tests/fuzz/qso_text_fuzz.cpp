// The QSO text form: any text parses or is refused; the records it gives, written as a
// dump, read back as the same records, and a database's records do too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "mst_format.h"
#include "qso_text_form.h"

namespace {

std::string DumpOf(const std::vector<korvax::MstRecord>& records) {
  std::string text;
  for (const korvax::MstRecord& record : records) text += korvax::FormatQsoTextLine(record) + "\r\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<korvax::MstRecord> records;
  std::string error;
  if (korvax::ParseQsoText(text, &records, &error)) {
    const std::string dump = DumpOf(records);
    std::vector<korvax::MstRecord> again;
    if (!korvax::ParseQsoText(dump, &again, &error) || again.size() != records.size()) std::abort();
    if (DumpOf(again) != dump) std::abort();
  }
  // The input as one stored record: its dump reads back to the same stored bytes.
  if (size >= korvax::kMstRecordSize) {
    const korvax::MstRecord stored = korvax::DecodeMstRecord(data);
    std::vector<korvax::MstRecord> back;
    if (!korvax::ParseQsoText(DumpOf({stored}), &back, &error) || back.size() != 1) std::abort();
    unsigned char first[korvax::kMstRecordSize];
    unsigned char second[korvax::kMstRecordSize];
    korvax::EncodeMstRecord(stored, first);
    korvax::EncodeMstRecord(back[0], second);
    if (DumpOf({korvax::DecodeMstRecord(first)}) != DumpOf({korvax::DecodeMstRecord(second)})) std::abort();
  }
  return 0;
}
