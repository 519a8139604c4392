#include "open_table.h"

namespace korvax {
namespace {

int32_t ToResult(MstOpenResult result) {
  switch (result) {
    case MstOpenResult::kOk:
      return kKrxOk;
    case MstOpenResult::kCannotOpen:
      return kKrxCannotOpen;
    case MstOpenResult::kNotMst:
      return kKrxNotMst;
    case MstOpenResult::kBadVersion:
      return kKrxBadVersion;
    case MstOpenResult::kBadSize:
      return kKrxBadSize;
  }
  return kKrxCannotOpen;
}

}  // namespace

OpenTable::Entry* OpenTable::Find(int32_t slot, int32_t generation) {
  if (slot < 0 || slot >= kKrxMaxOpen || generation <= 0) return nullptr;
  Entry& entry = entries_[slot];
  return entry.generation == generation ? &entry : nullptr;
}

int32_t OpenTable::Open(const std::string& path, int32_t* slot, int32_t* generation,
                        int32_t* count) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (int32_t i = 0; i < kKrxMaxOpen; ++i) {
    Entry& entry = entries_[i];
    if (entry.generation != 0) continue;
    int32_t result = ToResult(entry.reader.Open(path));
    if (result != kKrxOk) return result;
    entry.generation = next_generation_;
    next_generation_ = next_generation_ == INT32_MAX ? 1 : next_generation_ + 1;
    *slot = i;
    *generation = entry.generation;
    *count = entry.reader.count();
    return kKrxOk;
  }
  return kKrxTooManyOpen;
}

bool OpenTable::Close(int32_t slot, int32_t generation) {
  std::lock_guard<std::mutex> lock(mutex_);
  Entry* entry = Find(slot, generation);
  if (!entry) return false;
  entry->reader.Close();
  entry->generation = 0;
  return true;
}

OpenTable& TheOpenTable() {
  static OpenTable table;
  return table;
}

}  // namespace korvax
