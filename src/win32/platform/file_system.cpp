// Paths and whole-file operations for Windows: paths are the UTF-16 form of the
// Shift-JIS names and every call is a W function, so Japanese names work whatever the
// system's ANSI code page is.
#include <windows.h>

#include <string>

#include "base/file_faults.h"
#include "base/file_limits.h"
#include "base/platform.h"

namespace platform {
namespace {

// The system's text for an error code, in Shift-JIS, without the trailing line break.
Status LastErrorStatus(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::u16string text;
  if (length > 0 && buffer != nullptr) text.assign(reinterpret_cast<char16_t*>(buffer), length);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ')) {
    text.pop_back();
  }
  if (text.empty()) return Status::Error("error " + std::to_string(error));
  return Status::Error(Utf16ToCp932(text));
}

Status LastErrorStatus() { return LastErrorStatus(GetLastError()); }

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const BOOL result = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return result != FALSE;
  }

 private:
  HANDLE handle_;
};

// The error a failing step injected by a test reports: a full disk.
Status InjectedFault() { return LastErrorStatus(ERROR_DISK_FULL); }

Status WriteAll(HANDLE file, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    if (faults::StepFails()) return InjectedFault();
    const size_t chunk_size = bytes.size() - written < (1u << 30) ? bytes.size() - written : (1u << 30);
    DWORD chunk = 0;
    if (!WriteFile(file, bytes.data() + written, static_cast<DWORD>(chunk_size), &chunk, nullptr)) {
      return LastErrorStatus();
    }
    written += chunk;
  }
  return Status::Ok();
}

}  // namespace

std::filesystem::path PathFromCp932(std::string_view name) {
  const std::u16string wide = Cp932ToUtf16(name);
  return std::filesystem::path(std::wstring(wide.begin(), wide.end()));
}

std::string Cp932FromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  return Utf16ToCp932(std::u16string(wide.begin(), wide.end()));
}

Status ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastErrorStatus();
  // Devices ("NUL", "CON", a serial port) and pipes are not read.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return Status::Error(std::string(kNotARegularFile));
  std::string content;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
    if (static_cast<std::uintmax_t>(size.QuadPart) > kMaxReadBytes) {
      return Status::Error(std::string(kFileTooLarge));
    }
    content.reserve(static_cast<size_t>(size.QuadPart));
  }
  char buffer[65536];
  while (true) {
    DWORD chunk = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &chunk, nullptr)) return LastErrorStatus();
    if (chunk == 0) break;
    // The file may grow while it is read.
    if (content.size() + chunk > kMaxReadBytes) return Status::Error(std::string(kFileTooLarge));
    content.append(buffer, chunk);
  }
  bytes = std::move(content);
  return Status::Ok();
}

bool FileExists(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

Status WriteTempFileBeside(const std::filesystem::path& target, std::string_view bytes,
                           std::filesystem::path& temp_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path candidate = target;
    candidate += L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) +
                 L".tmp";
    if (faults::StepFails()) return InjectedFault();
    FileHandle file(CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return LastErrorStatus(error);
    }
    Status status = WriteAll(file.get(), bytes);
    if (status.ok() && faults::StepFails()) status = InjectedFault();
    if (status.ok() && !FlushFileBuffers(file.get())) status = LastErrorStatus();
    if (status.ok() && faults::StepFails()) status = InjectedFault();
    if (!file.Close() && status.ok()) status = LastErrorStatus();
    if (!status.ok()) {
      DeleteFileW(candidate.c_str());
      return status;
    }
    temp_path = std::move(candidate);
    return Status::Ok();
  }
  return LastErrorStatus(ERROR_FILE_EXISTS);
}

Status MoveFileOver(const std::filesystem::path& source, const std::filesystem::path& target) {
  // MoveFileExW refuses a read-only target by itself; say so explicitly in case a file
  // system lets it through.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return LastErrorStatus(ERROR_ACCESS_DENIED);
  }
  // Another program that has the target open for a moment (a virus scanner, a backup,
  // an editor reading it) makes the replace fail with a sharing violation: try again
  // for about a second before giving up.
  constexpr int kAttempts = 20;
  constexpr DWORD kPauseMs = 50;
  if (faults::StepFails()) return InjectedFault();
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return Status::Ok();
    }
    const DWORD error = GetLastError();
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                      error == ERROR_ACCESS_DENIED;
    if (!busy || attempt == kAttempts) return LastErrorStatus(error);
    Sleep(kPauseMs);
  }
}

void RemoveFileQuietly(const std::filesystem::path& path) { DeleteFileW(path.c_str()); }

std::optional<std::string> NarrowFileName(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return std::string();
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  std::string name(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), name.data(), size,
                      nullptr, &lossy);
  return name;
}

}  // namespace platform
