// The database functions of the library: open, read and close over the caller's record
// buffer, plus the version and sharing calls.
#include <korvax50.h>

#include <atomic>

#include "krx_results.h"
#include "open_table.h"
#include "record_buffer.h"

namespace {

#if defined(KORVAX50_OLD_VERSION)
// A library too old for the program, for testing its start-up check.
constexpr int32_t kLibraryVersion = 335872;
#else
constexpr int32_t kLibraryVersion = 340224;
#endif

std::atomic<int32_t> share_mode{1};

}  // namespace

using namespace korvax;

extern "C" {

int32_t KRXAPI GetKrdllVersion() { return kLibraryVersion; }

int32_t KRXAPI SetDbsShare(int32_t mode) {
  // Databases always open shared, since the logging program keeps its own open for
  // writing; the mode is only remembered.
  return share_mode.exchange(mode);
}

int32_t KRXAPI KorvaxOpen(int32_t /*reserved*/, char* record, const char* path,
                          int32_t /*mode*/) {
  if (!record || !path) return kKrxBadArgument;
  // A buffer that still holds an open database gives it up first, so that it is not
  // left open with nothing to reach it.
  if (GetBufInt(record, kBufOpen) > 0) {
    TheOpenTable().Close(GetBufInt(record, kBufSlot), GetBufInt(record, kBufGeneration));
  }
  ResetRecordBuffer(record);
  int32_t slot = 0;
  int32_t generation = 0;
  int32_t count = 0;
  int32_t result = TheOpenTable().Open(path, &slot, &generation, &count);
  if (result != kKrxOk) return result;
  PutBufInt(record, kBufSlot, slot);
  PutBufInt(record, kBufGeneration, generation);
  PutBufInt(record, kBufNewest, count);
  PutBufInt(record, kBufOpen, 1);
  return kKrxOk;
}

int32_t KRXAPI KRX_read(char* record, int32_t number, int32_t /*mode*/) {
  if (!record) return kKrxBadArgument;
  return TheOpenTable().With(
      GetBufInt(record, kBufSlot), GetBufInt(record, kBufGeneration),
      [&](MstReader& reader) {
        if (number < 1 || number > reader.count()) return kKrxBadArgument;
        const unsigned char* stored = nullptr;
        if (!reader.Read(number, &stored)) return kKrxReadFailed;
        FillRecordBuffer(record, stored, number);
        return kKrxOk;
      });
}

int32_t KRXAPI KorvaxClose(char* record, int32_t /*mode*/) {
  if (!record) return kKrxBadArgument;
  bool closed =
      TheOpenTable().Close(GetBufInt(record, kBufSlot), GetBufInt(record, kBufGeneration));
  PutBufInt(record, kBufOpen, 0);
  PutBufInt(record, kBufGeneration, 0);
  return closed ? kKrxOk : kKrxNotOpen;
}

int32_t KRXAPI isPortable(const char* record) {
  if (!record) return -1;
  return record[kBufPortable] == 1 ? 1 : -1;
}

}  // extern "C"
