// Writes a new QSO database (.mst) whole: records go to a temporary file of a name of its
// own beside the target, and Finish() moves it over the target, so a failed or interrupted write never
// leaves a half-written database in its place. Used by the import tool, the demo
// generator, tests and benchmarks (a million records take well under a second).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mst_file.h"
#include "mst_format.h"

namespace korvax {

class MstWriter {
 public:
  // Starts writing `path` (Shift-JIS). Check ok() before appending.
  explicit MstWriter(std::string path);
  // Abandons an unfinished write: the temporary file is removed, the target untouched.
  ~MstWriter();
  MstWriter(const MstWriter&) = delete;
  MstWriter& operator=(const MstWriter&) = delete;

  bool ok() const { return ok_; }
  // The target exists and is read-only: nothing is written (ok() is false).
  bool read_only() const { return read_only_; }
  // Appends the next record (number count() + 1). Returns false when a text had to be
  // cut to fit its field; the record is stored either way.
  bool Append(const MstRecord& record);
  // Appends a record already encoded (kMstRecordSize bytes).
  void AppendStored(const unsigned char* stored);
  uint32_t count() const { return count_; }
  // Writes the header and replaces the target. False when anything failed.
  bool Finish();

 private:
  bool FlushBuffer();

  std::string path_;
  std::string temp_path_;
  MstFile file_;
  std::vector<unsigned char> buffer_;
  uint64_t written_ = 0;  // bytes of records already in the file
  uint32_t count_ = 0;
  bool ok_ = false;
  bool finished_ = false;
  bool read_only_ = false;
};

}  // namespace korvax
