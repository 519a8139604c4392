#include "record_buffer.h"

#include <korvax50.h>

#include <cstring>

namespace korvax {
namespace {

// The reference fields hold the text's address where addresses are 32 bits wide, and
// its offset from the buffer start elsewhere.
void PutTextRef(char* buffer, int ref_offset, int text_offset) {
#if KRX_TEXT_FIELDS_HOLD_ADDRESSES
  auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(buffer + text_offset));
  std::memcpy(buffer + ref_offset, &address, sizeof address);
#else
  PutBufInt(buffer, ref_offset, text_offset);
#endif
}

void CopyField(char* buffer, int buffer_offset, const unsigned char* stored, MstField field) {
  std::memcpy(buffer + buffer_offset, stored + field.offset, field.width);
  buffer[buffer_offset + static_cast<int>(field.width) - 1] = '\0';
}

void PointTextRefs(char* buffer) {
  PutTextRef(buffer, kBufFrequencyRef, kBufFrequencyText);
  PutTextRef(buffer, kBufModeRef, kBufModeText);
  PutTextRef(buffer, kBufRemarks1Ref, kBufRemarks1Text);
  PutTextRef(buffer, kBufRemarks2Ref, kBufRemarks2Text);
}

}  // namespace

int32_t GetBufInt(const char* buffer, int offset) {
  int32_t value;
  std::memcpy(&value, buffer + offset, sizeof value);
  return value;
}

void PutBufInt(char* buffer, int offset, int32_t value) {
  std::memcpy(buffer + offset, &value, sizeof value);
}

void ResetRecordBuffer(char* buffer) {
  std::memset(buffer, 0, kRecordBufferSize);
  PointTextRefs(buffer);
}

void FillRecordBuffer(char* buffer, const unsigned char* stored, int32_t number) {
  CopyField(buffer, kBufCall, stored, kMstCall);
  CopyField(buffer, kBufDate, stored, kMstDate);
  CopyField(buffer, kBufTime, stored, kMstTime);
  CopyField(buffer, kBufQth, stored, kMstQth);
  unsigned char mark = stored[kMstQslMarkOffset];
  buffer[kBufQslMark] = static_cast<char>(mark < 0x20 ? ' ' : mark);
  buffer[kBufPortable] = (stored[kMstFlagsOffset] & kMstFlagPortable) ? 1 : 0;
  CopyField(buffer, kBufFrequencyText, stored, kMstFrequency);
  CopyField(buffer, kBufModeText, stored, kMstMode);
  CopyField(buffer, kBufRemarks1Text, stored, kMstRemarks1);
  CopyField(buffer, kBufRemarks2Text, stored, kMstRemarks2);
  PointTextRefs(buffer);
  PutBufInt(buffer, kBufLastRead, number);
}

}  // namespace korvax
