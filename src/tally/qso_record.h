// The record buffer that the logging library fills (3927 bytes, owned by the program and
// passed to every library call), and the one place that reads its fields. The frequency,
// mode and Remarks fields hold an address in 32-bit Windows builds and an offset from the
// buffer start elsewhere; a value that points outside the buffer reads as empty text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr int kQsoRecordSize = 3927;

// Byte offsets of the fields the program reads.
namespace qso_field {
inline constexpr int kCall = 0;       // up to 20 bytes
inline constexpr int kDate = 21;      // yy/mm/dd
inline constexpr int kTime = 30;      // hh:mm...; the first 5 characters are used
inline constexpr int kQthCode = 37;   // trailing blanks do not count
inline constexpr int kQslMark = 53;   // one character, blank = not received
inline constexpr int kFrequency = 825;
inline constexpr int kMode = 829;
inline constexpr int kRemarks1 = 841;
inline constexpr int kRemarks2 = 845;
inline constexpr int kNewest = 1745;    // number of the newest record, set by open
inline constexpr int kLastRead = 1753;  // number of the record last read
inline constexpr int kOpen = 1757;      // above 0 while a database is open
}  // namespace qso_field

// Text of the field at `field_offset` (one of qso_field's text fields): inline fields up
// to their NUL and never past their width, the four referenced texts up to their NUL and
// never past the buffer. Empty for any other offset. The view points into `record`.
std::string_view QsoText(const char* record, int field_offset);
// A signed 32-bit field (kNewest, kLastRead, kOpen); 0 for any other offset.
int32_t QsoNumber(const char* record, int field_offset);

// A zero-filled record buffer.
class QsoRecord {
 public:
  QsoRecord() { Clear(); }
  void Clear() { bytes_.fill('\0'); }

  char* data() { return bytes_.data(); }
  const char* data() const { return bytes_.data(); }

  std::string_view Text(int field_offset) const { return QsoText(data(), field_offset); }
  int32_t Number(int field_offset) const { return QsoNumber(data(), field_offset); }
  bool IsOpen() const { return Number(qso_field::kOpen) > 0; }

 private:
  std::array<char, kQsoRecordSize> bytes_;
};
static_assert(sizeof(QsoRecord) == kQsoRecordSize);
