// The few file operations the database code needs, over the platform's handles. Paths are
// Shift-JIS bytes: Windows converts them from code page 932 and uses the wide API, other
// systems use the bytes as they are. Reads and writes name their offset; one MstFile is
// not for use by two threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvax {

class MstFile {
 public:
  MstFile() = default;
  ~MstFile();
  MstFile(MstFile&& other) noexcept;
  MstFile& operator=(MstFile&& other) noexcept;
  MstFile(const MstFile&) = delete;
  MstFile& operator=(const MstFile&) = delete;

  // Opens an existing regular file for reading, letting other programs read and write it
  // meanwhile (the logging program keeps its database open).
  static MstFile OpenForRead(const std::string& path);
  // Creates or empties a file for writing.
  static MstFile CreateForWrite(const std::string& path);
  // Creates a new file with a name of its own beside `target` ("<target>.<n>.tmp", never
  // an existing file) and sets `temp_path` to it.
  static MstFile CreateUniqueBeside(const std::string& target, std::string* temp_path);

  bool is_open() const { return handle_ != kNoHandle; }
  // Size in bytes, or -1 when it cannot be had.
  int64_t Size() const;
  // Reads up to `size` bytes at `offset`; returns the number read, or -1 on an error.
  int64_t ReadAt(uint64_t offset, void* buffer, size_t size) const;
  // Writes all `size` bytes at `offset`.
  bool WriteAt(uint64_t offset, const void* data, size_t size);
  // Asks the system to put written data on the disk.
  bool Flush();
  // Closes; harmless when not open.
  bool Close();

 private:
  static constexpr intptr_t kNoHandle = -1;
  explicit MstFile(intptr_t handle) : handle_(handle) {}
  intptr_t handle_ = kNoHandle;
};

// Moves `from` over `to`, replacing it.
bool ReplaceFileWith(const std::string& from, const std::string& to);
// True when a file exists at `path` and is read-only (no write permission bit; the
// read-only attribute on Windows), so that it must not be replaced.
bool IsReadOnlyFile(const std::string& path);
bool RemoveFile(const std::string& path);

}  // namespace korvax
