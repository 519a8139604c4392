// The databases open at one time. A record buffer names its database by slot index and
// generation; both are checked before use, so a stale, copied or scribbled buffer can
// never reach another database or a freed one.
#pragma once

#include <cstdint>
#include <mutex>

#include "krx_results.h"
#include "mst_reader.h"

namespace korvax {

class OpenTable {
 public:
  // Opens `path` into a free slot; on success stores slot and generation.
  int32_t Open(const std::string& path, int32_t* slot, int32_t* generation, int32_t* count);
  // Runs `use` on the reader named by slot and generation, under the table's lock.
  // Returns kKrxNotOpen when they name no open database.
  template <typename Use>
  int32_t With(int32_t slot, int32_t generation, Use use) {
    std::lock_guard<std::mutex> lock(mutex_);
    Entry* entry = Find(slot, generation);
    return entry ? use(entry->reader) : kKrxNotOpen;
  }
  // Closes the database; false when slot and generation name none.
  bool Close(int32_t slot, int32_t generation);

 private:
  struct Entry {
    MstReader reader;
    int32_t generation = 0;  // 0 = free
  };
  Entry* Find(int32_t slot, int32_t generation);

  std::mutex mutex_;
  Entry entries_[kKrxMaxOpen];
  int32_t next_generation_ = 1;
};

OpenTable& TheOpenTable();

}  // namespace korvax
