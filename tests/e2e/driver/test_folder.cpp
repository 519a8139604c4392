#include "driver/test_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "driver/poll.h"
#include "driver/text_codec.h"

namespace e2e {
namespace {

std::wstring TempRoot() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  wchar_t long_temp[MAX_PATH] = {};
  const DWORD length = GetLongPathNameW(temp, long_temp, MAX_PATH);
  std::wstring root = length > 0 && length < MAX_PATH ? long_temp : temp;
  if (!root.empty() && root.back() != L'\\') root += L'\\';
  return root + L"sorvano-e2e";
}

std::string Describe(const std::wstring& path) { return WideToUtf8(path); }

}  // namespace

TestFolder::TestFolder(std::wstring_view name) : path_(TempRoot() + L"\\" + std::wstring(name)) {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
  std::filesystem::create_directories(path_, error);
  if (error)
    throw E2eError("cannot create the test folder " + Describe(path_) + ": " + error.message());
}

TestFolder::~TestFolder() {
  if (keep_) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::wstring TestFolder::PathOf(std::wstring_view file_name) const {
  return path_ + L"\\" + std::wstring(file_name);
}

void TestFolder::CopyIn(const std::wstring& source, std::wstring_view file_name) {
  if (!CopyFileW(source.c_str(), PathOf(file_name).c_str(), FALSE)) {
    throw E2eError("cannot copy " + Describe(source) + " into the test folder (error " +
                   std::to_string(GetLastError()) + ")");
  }
}

void TestFolder::Write(std::wstring_view file_name, std::string_view bytes) {
  std::ofstream file(std::filesystem::path(PathOf(file_name)), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw E2eError("cannot write " + Describe(PathOf(file_name)));
}

// Shared for delete too, so that reading while the program replaces the file never
// makes its replace fail.
std::optional<std::string> TestFolder::Read(std::wstring_view file_name) const {
  HANDLE file = CreateFileW(PathOf(file_name).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::optional<std::uint64_t> TestFolder::LastWriteTime(std::wstring_view file_name) const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(PathOf(file_name).c_str(), GetFileExInfoStandard, &data)) {
    return std::nullopt;
  }
  return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace e2e
