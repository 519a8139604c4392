#include "mst_format.h"

#include <cstring>

namespace korvax {
namespace {

uint32_t GetU32(const unsigned char* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void PutU32(uint32_t value, unsigned char* p) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Writes `text` NUL-padded into its field; returns false when it had to be cut.
bool PutText(std::string_view text, MstField field, unsigned char* record) {
  std::string_view kept = CutOnCharBoundary(text, field.width - 1);
  unsigned char* out = record + field.offset;
  std::memset(out, 0, field.width);
  for (size_t i = 0; i < kept.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(kept[i]);
    out[i] = byte < 0x20 ? ' ' : byte;
  }
  return kept.size() == text.size();
}

}  // namespace

std::string_view CutOnCharBoundary(std::string_view text, size_t max_bytes) {
  if (text.size() <= max_bytes) return text;
  size_t end = 0;
  while (end < max_bytes) {
    size_t step = IsSjisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > max_bytes) break;
    end += step;
  }
  return text.substr(0, end);
}

HeaderCheck CheckMstHeader(const unsigned char* header, size_t size, uint32_t* count) {
  if (size < kMstHeaderSize) return HeaderCheck::kTooShort;
  if (std::memcmp(header, kMstMagic, sizeof kMstMagic) != 0) return HeaderCheck::kBadMagic;
  if (GetU32(header + 8) != kMstVersion) return HeaderCheck::kBadVersion;
  uint32_t records = GetU32(header + 20);
  if (GetU32(header + 12) != kMstHeaderSize || GetU32(header + 16) != kMstRecordSize ||
      records > kMstMaxRecords) {
    return HeaderCheck::kBadLayout;
  }
  *count = records;
  return HeaderCheck::kOk;
}

void EncodeMstHeader(uint32_t count, unsigned char* header) {
  std::memset(header, 0, kMstHeaderSize);
  std::memcpy(header, kMstMagic, sizeof kMstMagic);
  PutU32(kMstVersion, header + 8);
  PutU32(kMstHeaderSize, header + 12);
  PutU32(kMstRecordSize, header + 16);
  PutU32(count, header + 20);
}

bool EncodeMstRecord(const MstRecord& record, unsigned char* out) {
  std::memset(out, 0, kMstRecordSize);
  bool whole = true;
  whole &= PutText(record.call, kMstCall, out);
  whole &= PutText(record.date, kMstDate, out);
  whole &= PutText(record.time, kMstTime, out);
  whole &= PutText(record.qth, kMstQth, out);
  whole &= PutText(record.frequency, kMstFrequency, out);
  whole &= PutText(record.mode, kMstMode, out);
  whole &= PutText(record.remarks1, kMstRemarks1, out);
  whole &= PutText(record.remarks2, kMstRemarks2, out);
  unsigned char mark = static_cast<unsigned char>(record.qsl_mark);
  out[kMstQslMarkOffset] = mark < 0x20 ? ' ' : mark;
  out[kMstFlagsOffset] = record.portable ? kMstFlagPortable : 0;
  return whole;
}

std::string_view StoredText(const unsigned char* record, MstField field) {
  const char* start = reinterpret_cast<const char*>(record + field.offset);
  const void* nul = std::memchr(start, 0, field.width);
  size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - start) : field.width;
  return {start, length};
}

MstRecord DecodeMstRecord(const unsigned char* in) {
  MstRecord record;
  record.call = StoredText(in, kMstCall);
  record.date = StoredText(in, kMstDate);
  record.time = StoredText(in, kMstTime);
  record.qth = StoredText(in, kMstQth);
  record.qsl_mark = in[kMstQslMarkOffset] < 0x20 ? ' ' : static_cast<char>(in[kMstQslMarkOffset]);
  record.portable = (in[kMstFlagsOffset] & kMstFlagPortable) != 0;
  record.frequency = StoredText(in, kMstFrequency);
  record.mode = StoredText(in, kMstMode);
  record.remarks1 = StoredText(in, kMstRemarks1);
  record.remarks2 = StoredText(in, kMstRemarks2);
  return record;
}

}  // namespace korvax
