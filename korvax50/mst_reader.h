// Reads a QSO database (.mst) record by record without loading it: the header is checked
// once at open. A read next to the previous one (a scan, up or down) fetches a block of
// records ahead in that direction; any other read fetches its one record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "mst_file.h"
#include "mst_format.h"

namespace korvax {

enum class MstOpenResult { kOk, kCannotOpen, kNotMst, kBadVersion, kBadSize };

class MstReader {
 public:
  MstReader() = default;

  // Opens `path` (Shift-JIS). Refuses files that are not ours, of another version, or
  // shorter than their header says.
  MstOpenResult Open(const std::string& path);
  void Close();
  bool is_open() const { return file_.is_open(); }
  // Number of the newest record; records are numbered 1..count().
  int32_t count() const { return count_; }

  // Points `*record` at the stored bytes (kMstRecordSize) of record `number`, valid until
  // the next call. False when the number is outside 1..count() or the file cannot give it.
  bool Read(int32_t number, const unsigned char** record);

 private:
  static constexpr int32_t kScanBlockRecords = 1024;

  MstFile file_;
  int32_t count_ = 0;
  int32_t block_first_ = 0;  // number of the first record in block_, 0 = empty
  int32_t block_records_ = 0;
  int32_t last_read_ = 0;
  std::unique_ptr<unsigned char[]> block_;
};

}  // namespace korvax
