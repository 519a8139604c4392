// The QSO database file (.mst): a fixed header followed by fixed-size records numbered
// from 1, so that record n sits at a computed offset. This header holds the layout, the
// header check, and the conversion between a stored record and MstRecord.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvax {

inline constexpr char kMstMagic[8] = {'K', 'X', 'Q', 'S', 'O', 'D', 'B', '\x1a'};
inline constexpr uint32_t kMstVersion = 1;
inline constexpr uint32_t kMstHeaderSize = 64;
inline constexpr uint32_t kMstRecordSize = 256;
// Counts above this are refused, so that a record's offset always fits in 40 bits.
inline constexpr uint32_t kMstMaxRecords = 0x7fffffff;

// Stored widths include the terminating NUL; a text keeps at most width - 1 bytes.
struct MstField {
  uint32_t offset;
  uint32_t width;
};
inline constexpr MstField kMstCall{0, 21};
inline constexpr MstField kMstDate{21, 9};
inline constexpr MstField kMstTime{30, 7};
inline constexpr MstField kMstQth{37, 7};
inline constexpr uint32_t kMstQslMarkOffset = 53;
inline constexpr uint32_t kMstFlagsOffset = 54;
inline constexpr uint8_t kMstFlagPortable = 0x01;
inline constexpr MstField kMstFrequency{56, 16};
inline constexpr MstField kMstMode{72, 16};
inline constexpr MstField kMstRemarks1{88, 84};
inline constexpr MstField kMstRemarks2{172, 84};

// One QSO as the writer takes it and the dump shows it. Texts are Shift-JIS.
struct MstRecord {
  // Every member has an initializer, so that designated initializers may leave any out.
  std::string call{};
  std::string date{};  // yy/mm/dd
  std::string time{};  // hh:mm
  std::string qth{};   // QTH code, up to 6 bytes
  char qsl_mark = ' ';
  bool portable = false;
  std::string frequency{};  // MHz
  std::string mode{};
  std::string remarks1{};
  std::string remarks2{};

  bool operator==(const MstRecord&) const = default;
};

enum class HeaderCheck { kOk, kTooShort, kBadMagic, kBadVersion, kBadLayout };

// Checks the first kMstHeaderSize bytes; on kOk stores the record count.
HeaderCheck CheckMstHeader(const unsigned char* header, size_t size, uint32_t* count);
void EncodeMstHeader(uint32_t count, unsigned char* header);

// Encodes into kMstRecordSize bytes. Texts longer than their field are cut on a
// character boundary and control bytes become blanks; returns false when anything was
// cut, so that importers can say so.
bool EncodeMstRecord(const MstRecord& record, unsigned char* out);
MstRecord DecodeMstRecord(const unsigned char* in);

// The stored text of a field: up to its first NUL, never past its width.
std::string_view StoredText(const unsigned char* record, MstField field);

// True for a Shift-JIS lead byte (the first byte of a double-byte character).
inline bool IsSjisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9f) || (byte >= 0xe0 && byte <= 0xfc);
}

// The longest prefix of `text` of at most `max_bytes` bytes that does not end inside a
// double-byte character.
std::string_view CutOnCharBoundary(std::string_view text, size_t max_bytes);

}  // namespace korvax
