// A fresh folder under the system's temporary folder for one test, removed with
// everything in it (read-only files too) when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = std::filesystem::temp_directory_path() /
              ("sorvano-test-" + std::to_string(random()) + "-" + std::to_string(attempt));
      if (std::filesystem::create_directory(path_)) return;
    }
    throw std::runtime_error("cannot create a temporary folder");
  }
  ~TempFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A Shift-JIS file name inside the folder, as the program passes names around. The
  // bytes of `file` are appended as they are (the folder's own name is ASCII).
  std::string Name(const std::string& file) const {
    return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator) + file;
  }
  // Writes raw bytes to a file of the folder and returns its name.
  std::string WriteBytes(const std::string& file, const std::string& bytes) const {
    const std::string name = Name(file);
    std::ofstream(name, std::ios::binary) << bytes;
    return name;
  }
  // Names of everything in the folder, to see that no temporary file was left behind.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

// The byte helpers come with the folder, as every user of one needs them.
#include "support/file_bytes.h"
