#include "mst_reader.h"

#include <algorithm>

namespace korvax {

MstOpenResult MstReader::Open(const std::string& path) {
  Close();
  MstFile file = MstFile::OpenForRead(path);
  if (!file.is_open()) return MstOpenResult::kCannotOpen;
  unsigned char header[kMstHeaderSize];
  int64_t got = file.ReadAt(0, header, sizeof header);
  if (got < 0) return MstOpenResult::kCannotOpen;
  uint32_t count = 0;
  switch (CheckMstHeader(header, static_cast<size_t>(got), &count)) {
    case HeaderCheck::kOk:
      break;
    case HeaderCheck::kBadVersion:
      return MstOpenResult::kBadVersion;
    case HeaderCheck::kBadLayout:
      return MstOpenResult::kBadSize;
    case HeaderCheck::kTooShort:
    case HeaderCheck::kBadMagic:
      return MstOpenResult::kNotMst;
  }
  // Bytes after the last counted record (an append in progress) are ignored; missing
  // records mean the file was cut short.
  int64_t needed = int64_t{kMstHeaderSize} + int64_t{count} * kMstRecordSize;
  int64_t size = file.Size();
  if (size < needed) return MstOpenResult::kBadSize;
  file_ = std::move(file);
  count_ = static_cast<int32_t>(count);
  block_first_ = 0;
  block_records_ = 0;
  last_read_ = 0;
  if (!block_) block_ = std::make_unique<unsigned char[]>(size_t{kScanBlockRecords} * kMstRecordSize);
  return MstOpenResult::kOk;
}

void MstReader::Close() {
  file_.Close();
  count_ = 0;
  block_first_ = 0;
  block_records_ = 0;
  last_read_ = 0;
}

bool MstReader::Read(int32_t number, const unsigned char** record) {
  if (!is_open() || number < 1 || number > count_) return false;
  // In 64 bits: near 2^31 - 1 records the block's end does not fit an int32_t.
  if (block_first_ == 0 || number < block_first_ ||
      int64_t{number} >= int64_t{block_first_} + block_records_) {
    int32_t first = number;
    int32_t records = 1;
    if (last_read_ != 0 && number == last_read_ - 1) {
      records = std::min(kScanBlockRecords, number);
      first = number - records + 1;
    } else if (last_read_ != 0 && number - 1 == last_read_) {
      records = std::min(kScanBlockRecords, count_ - number + 1);
    }
    size_t bytes = static_cast<size_t>(records) * kMstRecordSize;
    uint64_t offset = kMstHeaderSize + static_cast<uint64_t>(first - 1) * kMstRecordSize;
    block_first_ = 0;
    int64_t got = file_.ReadAt(offset, block_.get(), bytes);
    // A short read means the file shrank after it was opened: keep the whole records
    // that came, and fail when the one asked for is not among them.
    int32_t whole = got < 0 ? 0 : static_cast<int32_t>(got / kMstRecordSize);
    if (number - first >= whole) return false;
    block_first_ = first;
    block_records_ = whole;
  }
  last_read_ = number;
  *record = block_.get() + static_cast<size_t>(number - block_first_) * kMstRecordSize;
  return true;
}

}  // namespace korvax
