// Putting bytes into files and reading them back without going through the code under
// test, and taking away write permission.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline void PutBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string GetBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void MakeReadOnly(const std::filesystem::path& path) {
  using std::filesystem::perms;
  std::filesystem::permissions(path, perms::owner_write | perms::group_write | perms::others_write,
                               std::filesystem::perm_options::remove);
}
