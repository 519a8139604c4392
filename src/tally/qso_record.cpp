#include "tally/qso_record.h"

#include <korvax50.h>

#include <cstring>

namespace {

int InlineWidth(int field_offset) {
  switch (field_offset) {
    case qso_field::kCall:
      return 21;
    case qso_field::kDate:
      return 9;
    case qso_field::kTime:
    case qso_field::kQthCode:
      return 7;
    case qso_field::kQslMark:
      return 1;
    default:
      return 0;
  }
}

bool IsReference(int field_offset) {
  return field_offset == qso_field::kFrequency || field_offset == qso_field::kMode ||
         field_offset == qso_field::kRemarks1 || field_offset == qso_field::kRemarks2;
}

std::string_view TextUpToNul(const char* start, size_t limit) {
  const void* nul = std::memchr(start, 0, limit);
  return {start, nul ? static_cast<size_t>(static_cast<const char*>(nul) - start) : limit};
}

// Where a reference field's text starts within the buffer; -1 when outside it.
int64_t ReferencedOffset(const char* record, int field_offset) {
  uint32_t reference;
  std::memcpy(&reference, record + field_offset, sizeof reference);
#if KRX_TEXT_FIELDS_HOLD_ADDRESSES
  uintptr_t base = reinterpret_cast<uintptr_t>(record);
  uintptr_t address = reference;
  if (address < base || address - base >= static_cast<uintptr_t>(kQsoRecordSize)) return -1;
  return static_cast<int64_t>(address - base);
#else
  auto offset = static_cast<int32_t>(reference);
  return offset >= 0 && offset < kQsoRecordSize ? offset : -1;
#endif
}

}  // namespace

std::string_view QsoText(const char* record, int field_offset) {
  if (!record) return {};
  if (int width = InlineWidth(field_offset); width > 0) {
    return TextUpToNul(record + field_offset, static_cast<size_t>(width));
  }
  if (!IsReference(field_offset)) return {};
  int64_t offset = ReferencedOffset(record, field_offset);
  if (offset < 0) return {};
  return TextUpToNul(record + offset, static_cast<size_t>(kQsoRecordSize - offset));
}

int32_t QsoNumber(const char* record, int field_offset) {
  if (!record || (field_offset != qso_field::kNewest && field_offset != qso_field::kLastRead &&
                  field_offset != qso_field::kOpen)) {
    return 0;
  }
  int32_t value;
  std::memcpy(&value, record + field_offset, sizeof value);
  return value;
}
