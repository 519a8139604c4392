// A fresh folder for one test's files, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("korvax50_test_" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // Path of `name` inside the folder, as the library takes it. `name` may be Shift-JIS.
  std::string File(const std::string& name) const {
#if defined(_WIN32)
    return path_.string() + "\\" + name;
#else
    return path_.string() + "/" + name;
#endif
  }

  // Writes raw bytes to an ASCII-named file and returns its path.
  std::string WriteBytes(const std::string& name, const std::string& bytes) const {
    std::string path = File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

 private:
  std::filesystem::path path_;
};
