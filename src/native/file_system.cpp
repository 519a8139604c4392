// Paths and whole-file operations for the native build (POSIX). Paths are the UTF-8
// form of the Shift-JIS names. A file without any write permission bit is treated as
// read-only and is not replaced, as Windows refuses to replace a read-only file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "base/file_faults.h"
#include "base/file_limits.h"
#include "base/platform.h"

namespace platform {
namespace {

Status ErrnoStatus(int error) { return Status::Error(std::generic_category().message(error)); }

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the error that close may carry for buffered writes.
  int Close() {
    const int result = close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// The error a failing step injected by a test reports: a full disk.
Status InjectedFault() { return ErrnoStatus(ENOSPC); }

Status WriteAll(int fd, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    if (faults::StepFails()) return InjectedFault();
    const ssize_t result = write(fd, bytes.data() + written, bytes.size() - written);
    if (result < 0) {
      if (errno == EINTR) continue;
      return ErrnoStatus(errno);
    }
    written += static_cast<size_t>(result);
  }
  return Status::Ok();
}

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

}  // namespace

std::filesystem::path PathFromCp932(std::string_view name) {
  return std::filesystem::path(Cp932ToUtf8(name));
}

std::string Cp932FromPath(const std::filesystem::path& path) {
  return Utf8ToCp932(path.native());
}

Status ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer; only regular files are read.
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) return ErrnoStatus(errno);
  struct stat info {};
  if (fstat(file.get(), &info) != 0) return ErrnoStatus(errno);
  if (S_ISDIR(info.st_mode)) return ErrnoStatus(EISDIR);
  if (!S_ISREG(info.st_mode)) return Status::Error(std::string(kNotARegularFile));
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxReadBytes) {
    return Status::Error(std::string(kFileTooLarge));
  }
  std::string content;
  content.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  while (true) {
    const ssize_t result = read(file.get(), buffer, sizeof buffer);
    if (result < 0) {
      if (errno == EINTR) continue;
      return ErrnoStatus(errno);
    }
    if (result == 0) break;
    // The file may grow while it is read.
    if (content.size() + static_cast<size_t>(result) > kMaxReadBytes) {
      return Status::Error(std::string(kFileTooLarge));
    }
    content.append(buffer, static_cast<size_t>(result));
  }
  bytes = std::move(content);
  return Status::Ok();
}

bool FileExists(const std::filesystem::path& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

Status WriteTempFileBeside(const std::filesystem::path& target, std::string_view bytes,
                           std::filesystem::path& temp_path) {
  struct stat target_info {};
  const bool target_exists = stat(target.c_str(), &target_info) == 0;
  // A name of our own with O_EXCL, not mkstemp: the new file then gets the usual
  // permissions (umask applied) instead of mkstemp's private ones.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path candidate = target;
    candidate += "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    if (faults::StepFails()) return InjectedFault();
    FileDescriptor file(open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0) {
      if (errno == EEXIST) continue;
      return ErrnoStatus(errno);
    }
    Status status = WriteAll(file.get(), bytes);
    if (status.ok() && target_exists) {
      // Keep the replaced file's permissions.
      if (fchmod(file.get(), target_info.st_mode & 07777) != 0) status = ErrnoStatus(errno);
    }
    if (status.ok() && faults::StepFails()) status = InjectedFault();
    if (status.ok() && fsync(file.get()) != 0) status = ErrnoStatus(errno);
    if (status.ok() && faults::StepFails()) status = InjectedFault();
    if (file.Close() != 0 && status.ok()) status = ErrnoStatus(errno);
    if (!status.ok()) {
      unlink(candidate.c_str());
      return status;
    }
    temp_path = std::move(candidate);
    return Status::Ok();
  }
  return ErrnoStatus(EEXIST);
}

Status MoveFileOver(const std::filesystem::path& source, const std::filesystem::path& target) {
  struct stat target_info {};
  if (stat(target.c_str(), &target_info) == 0 && (target_info.st_mode & kAnyWriteBit) == 0) {
    return ErrnoStatus(EACCES);
  }
  if (faults::StepFails()) return InjectedFault();
  if (rename(source.c_str(), target.c_str()) != 0) return ErrnoStatus(errno);
  return Status::Ok();
}

void RemoveFileQuietly(const std::filesystem::path& path) { unlink(path.c_str()); }

std::optional<std::string> NarrowFileName(const std::filesystem::path& path) { return path.string(); }

}  // namespace platform
