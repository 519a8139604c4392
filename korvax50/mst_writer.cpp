#include "mst_writer.h"

#include <utility>

#include "../src/base/file_faults.h"

namespace korvax {
namespace {
constexpr size_t kBufferRecords = 4096;
}

MstWriter::MstWriter(std::string path) : path_(std::move(path)) {
  // A read-only database is the operator's to keep: it is not replaced.
  read_only_ = IsReadOnlyFile(path_);
  if (!read_only_ && !platform::faults::StepFails()) {
    file_ = MstFile::CreateUniqueBeside(path_, &temp_path_);
  }
  ok_ = file_.is_open();
  buffer_.reserve(kBufferRecords * kMstRecordSize);
}

MstWriter::~MstWriter() {
  if (!finished_ && file_.is_open()) {
    file_.Close();
    RemoveFile(temp_path_);
  }
}

bool MstWriter::Append(const MstRecord& record) {
  unsigned char stored[kMstRecordSize];
  const bool whole = EncodeMstRecord(record, stored);
  AppendStored(stored);
  return whole;
}

void MstWriter::AppendStored(const unsigned char* stored) {
  buffer_.insert(buffer_.end(), stored, stored + kMstRecordSize);
  if (count_ == kMstMaxRecords) ok_ = false;
  ++count_;
  if (buffer_.size() >= kBufferRecords * kMstRecordSize) FlushBuffer();
}

bool MstWriter::FlushBuffer() {
  if (buffer_.empty()) return ok_;
  if (ok_ && (platform::faults::StepFails() ||
              !file_.WriteAt(kMstHeaderSize + written_, buffer_.data(), buffer_.size()))) {
    ok_ = false;
  }
  written_ += buffer_.size();
  buffer_.clear();
  return ok_;
}

bool MstWriter::Finish() {
  if (finished_) return ok_;
  finished_ = true;
  FlushBuffer();
  unsigned char header[kMstHeaderSize];
  EncodeMstHeader(count_, header);
  // Each step may be made to fail by a test (platform::faults).
  if (ok_ && (platform::faults::StepFails() || !file_.WriteAt(0, header, sizeof header))) ok_ = false;
  if (ok_ && (platform::faults::StepFails() || !file_.Flush())) ok_ = false;
  if (!file_.Close()) ok_ = false;
  if (ok_ && (platform::faults::StepFails() || !ReplaceFileWith(temp_path_, path_))) ok_ = false;
  if (!ok_) RemoveFile(temp_path_);
  return ok_;
}

}  // namespace korvax
