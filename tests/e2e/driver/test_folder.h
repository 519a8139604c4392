// A fresh folder for one end-to-end test under %TEMP%\sorvano-e2e, so that tests never
// share files, settings or the program's single-instance lock (named after the
// program's path). Removed when the object goes unless Keep() was called, which a
// failing test does so that its files can be looked at.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace e2e {

class TestFolder {
 public:
  // `name` becomes the folder's name; an old folder of that name is emptied first.
  explicit TestFolder(std::wstring_view name);
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring PathOf(std::wstring_view file_name) const;

  // Copies `source` into the folder as `file_name`; throws when it cannot.
  void CopyIn(const std::wstring& source, std::wstring_view file_name);
  void Write(std::wstring_view file_name, std::string_view bytes);
  // The file's bytes, or nothing when it does not exist.
  std::optional<std::string> Read(std::wstring_view file_name) const;
  // The file's last-write time in 100 ns units, or nothing when it does not exist.
  std::optional<std::uint64_t> LastWriteTime(std::wstring_view file_name) const;

  void Keep() { keep_ = true; }

 private:
  std::wstring path_;
  bool keep_ = false;
};

}  // namespace e2e
