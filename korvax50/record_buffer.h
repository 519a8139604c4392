// The library's view of the caller's record buffer (QsoRecord, 3927 bytes): where each
// field goes, where the four texts reached through the address fields live, and the
// private fields that tie the buffer to an open database.
#pragma once

#include <cstdint>

#include "mst_format.h"

namespace korvax {

inline constexpr int kRecordBufferSize = 3927;

// Fields the program reads.
inline constexpr int kBufCall = 0;       // 21 bytes
inline constexpr int kBufDate = 21;      // 9
inline constexpr int kBufTime = 30;      // 7
inline constexpr int kBufQth = 37;       // 7
inline constexpr int kBufQslMark = 53;   // 1
inline constexpr int kBufFrequencyRef = 825;
inline constexpr int kBufModeRef = 829;
inline constexpr int kBufRemarks1Ref = 841;
inline constexpr int kBufRemarks2Ref = 845;
inline constexpr int kBufNewest = 1745;
inline constexpr int kBufLastRead = 1753;
inline constexpr int kBufOpen = 1757;

// The library's own fields.
inline constexpr int kBufSlot = 1761;        // index into the table of open databases
inline constexpr int kBufGeneration = 1765;  // which opening of that slot the buffer holds
inline constexpr int kBufPortable = 1769;    // 1 = the station last read was portable

// Where the texts behind the reference fields are kept, each with room for its NUL.
inline constexpr int kBufFrequencyText = 1800;
inline constexpr int kBufModeText = kBufFrequencyText + static_cast<int>(kMstFrequency.width);
inline constexpr int kBufRemarks1Text = kBufModeText + static_cast<int>(kMstMode.width);
inline constexpr int kBufRemarks2Text = kBufRemarks1Text + static_cast<int>(kMstRemarks1.width);
static_assert(kBufRemarks2Text + static_cast<int>(kMstRemarks2.width) <= kRecordBufferSize);

int32_t GetBufInt(const char* buffer, int offset);
void PutBufInt(char* buffer, int offset, int32_t value);

// Clears the buffer for a freshly opened database and points the reference fields at
// their (empty) texts.
void ResetRecordBuffer(char* buffer);
// Copies a stored record into the buffer; `number` becomes the last-read number.
void FillRecordBuffer(char* buffer, const unsigned char* stored, int32_t number);

}  // namespace korvax
