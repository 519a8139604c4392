#include <windows.h>

#include <iostream>
#include <string>

#include "tally_cli.h"

namespace {

std::wstring FromCodePage(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string ToCodePage(UINT code_page, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

// Shift-JIS text in the console's output code page (unchanged when there is no console).
std::string ToConsole(std::string_view cp932) {
  const UINT code_page = GetConsoleOutputCP();
  if (code_page == 0 || code_page == 932) return std::string(cp932);
  return ToCodePage(code_page, FromCodePage(932, cp932));
}

// The library takes Shift-JIS names on Windows.
std::string LibraryPath(const std::string& cp932) { return cp932; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(ToCodePage(932, argv[i]));
  return tally_cli::Run(args, std::cout, std::cerr, {ToConsole, LibraryPath});
}
