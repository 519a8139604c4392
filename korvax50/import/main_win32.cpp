#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "import_tool.h"

namespace {

// Arguments come in as UTF-16 and are passed on as Shift-JIS, the library's path form.
std::string ToSjis(const wchar_t* text) {
  int length = WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string out(static_cast<size_t>(length - 1), '\0');
  WideCharToMultiByte(932, 0, text, -1, out.data(), length, nullptr, nullptr);
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // The dump writes its own CR LF line ends.
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(ToSjis(argv[i]));
  return korvax::RunImportTool(args, std::cout, std::cerr);
}
