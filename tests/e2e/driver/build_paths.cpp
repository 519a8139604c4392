#include "driver/build_paths.h"

#include <algorithm>

#include "driver/text_codec.h"

namespace e2e {

std::wstring UnixToWindowsPath(std::string_view unix_path_utf8) {
  std::wstring path = L"Z:" + Utf8ToWide(unix_path_utf8);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::wstring BinDir() { return UnixToWindowsPath(SORVANO_E2E_BIN_DIR); }
std::wstring ProgramPath() { return BinDir() + L"\\Sorvano.exe"; }
std::wstring LibraryPath() { return BinDir() + L"\\Korvax50.dll"; }
std::wstring OldLibraryPath() { return BinDir() + L"\\old\\Korvax50.dll"; }

std::wstring SourceFile(std::string_view relative_utf8) {
  return UnixToWindowsPath(std::string(SORVANO_E2E_SOURCE_DIR) + "/" + std::string(relative_utf8));
}

}  // namespace e2e
