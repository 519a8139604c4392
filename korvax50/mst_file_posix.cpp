#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "mst_file.h"

namespace korvax {

MstFile::~MstFile() { Close(); }

MstFile::MstFile(MstFile&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoHandle; }

MstFile& MstFile::operator=(MstFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kNoHandle;
  }
  return *this;
}

MstFile MstFile::OpenForRead(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return MstFile();
  struct stat info {};
  // A directory opens for reading here, unlike on Windows: refuse anything not a file.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return MstFile();
  }
  return MstFile(fd);
}

MstFile MstFile::CreateForWrite(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return fd < 0 ? MstFile() : MstFile(fd);
}

MstFile MstFile::CreateUniqueBeside(const std::string& target, std::string* temp_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate =
        target + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      *temp_path = std::move(candidate);
      return MstFile(fd);
    }
    if (errno != EEXIST) break;
  }
  return MstFile();
}

int64_t MstFile::Size() const {
  struct stat info {};
  if (!is_open() || ::fstat(static_cast<int>(handle_), &info) != 0) return -1;
  return info.st_size;
}

int64_t MstFile::ReadAt(uint64_t offset, void* buffer, size_t size) const {
  if (!is_open()) return -1;
  size_t done = 0;
  while (done < size) {
    ssize_t got = ::pread(static_cast<int>(handle_), static_cast<char*>(buffer) + done,
                          size - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return static_cast<int64_t>(done);
}

bool MstFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (!is_open()) return false;
  size_t done = 0;
  while (done < size) {
    ssize_t put = ::pwrite(static_cast<int>(handle_), static_cast<const char*>(data) + done,
                           size - done, static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<size_t>(put);
  }
  return true;
}

bool MstFile::Flush() { return is_open() && ::fsync(static_cast<int>(handle_)) == 0; }

bool MstFile::Close() {
  if (!is_open()) return true;
  int fd = static_cast<int>(handle_);
  handle_ = kNoHandle;
  return ::close(fd) == 0;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace korvax
