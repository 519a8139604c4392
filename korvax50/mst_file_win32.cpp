#include <windows.h>

#include "mst_file.h"

namespace korvax {
namespace {

std::wstring WidePath(const std::string& path) {
  if (path.empty()) return {};
  int length = MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
  return wide;
}

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

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
  std::wstring wide = WidePath(path);
  if (wide.empty()) return MstFile();
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory does not open, which is what we want.
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return MstFile();
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return MstFile();
  }
  return MstFile(reinterpret_cast<intptr_t>(file));
}

MstFile MstFile::CreateForWrite(const std::string& path) {
  std::wstring wide = WidePath(path);
  if (wide.empty()) return MstFile();
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return MstFile();
  return MstFile(reinterpret_cast<intptr_t>(file));
}

MstFile MstFile::CreateUniqueBeside(const std::string& target, std::string* temp_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = target + "." + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(attempt) + ".tmp";
    std::wstring wide = WidePath(candidate);
    if (wide.empty()) break;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      *temp_path = std::move(candidate);
      return MstFile(reinterpret_cast<intptr_t>(file));
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  return MstFile();
}

int64_t MstFile::Size() const {
  LARGE_INTEGER size{};
  if (!is_open() || !GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

// Seek and read rather than a read with an OVERLAPPED offset: under Wine the latter
// costs several times as much per call.
static bool SeekTo(HANDLE file, uint64_t offset) {
  LARGE_INTEGER where;
  where.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(file, where, nullptr, FILE_BEGIN) != 0;
}

int64_t MstFile::ReadAt(uint64_t offset, void* buffer, size_t size) const {
  if (!is_open() || !SeekTo(AsHandle(handle_), offset)) return -1;
  size_t done = 0;
  while (done < size) {
    DWORD got = 0;
    DWORD want = static_cast<DWORD>(size - done);
    if (!ReadFile(AsHandle(handle_), static_cast<char*>(buffer) + done, want, &got, nullptr)) {
      return -1;
    }
    if (got == 0) break;
    done += got;
  }
  return static_cast<int64_t>(done);
}

bool MstFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (!is_open() || !SeekTo(AsHandle(handle_), offset)) return false;
  size_t done = 0;
  while (done < size) {
    DWORD put = 0;
    DWORD want = static_cast<DWORD>(size - done);
    if (!WriteFile(AsHandle(handle_), static_cast<const char*>(data) + done, want, &put, nullptr) ||
        put == 0) {
      return false;
    }
    done += put;
  }
  return true;
}

bool MstFile::Flush() { return is_open() && FlushFileBuffers(AsHandle(handle_)) != 0; }

bool MstFile::Close() {
  if (!is_open()) return true;
  HANDLE file = AsHandle(handle_);
  handle_ = kNoHandle;
  return CloseHandle(file) != 0;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  std::wstring wide_from = WidePath(from);
  std::wstring wide_to = WidePath(to);
  return !wide_from.empty() && !wide_to.empty() &&
         MoveFileExW(wide_from.c_str(), wide_to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool IsReadOnlyFile(const std::string& path) {
  std::wstring wide = WidePath(path);
  if (wide.empty()) return false;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool RemoveFile(const std::string& path) {
  std::wstring wide = WidePath(path);
  return !wide.empty() && DeleteFileW(wide.c_str()) != 0;
}

}  // namespace korvax
