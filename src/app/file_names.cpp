#include "app/file_names.h"

#include <filesystem>
#include <system_error>

#include "base/cp932.h"
#include "base/platform.h"

namespace app {
namespace {

// Position just after the last folder separator, 0 when there is none.
size_t NameStart(std::string_view path) {
  size_t start = 0;
  for (size_t pos = 0; pos < path.size(); pos += cp932::CharLength(path, pos)) {
    if (path[pos] == '\\' || path[pos] == '/' || path[pos] == ':') start = pos + 1;
  }
  return start;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) {
  return std::string(path.substr(0, NameStart(path)));
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(NameStart(path)));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
  size_t name_start = NameStart(path);
  size_t dot = std::string_view::npos;
  for (size_t pos = name_start; pos < path.size(); pos += cp932::CharLength(path, pos)) {
    if (path[pos] == '.') dot = pos;
  }
  std::string result(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
  result += extension;
  return result;
}

std::string ExpandFileName(std::string_view path) {
  if (path.empty()) return {};
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(platform::PathFromCp932(path), error);
  if (error) return std::string(path);
  return platform::Cp932FromPath(full.lexically_normal());
}

}  // namespace app
