#include <iostream>

#include "base/platform.h"
#include "tally_cli.h"

namespace {

std::string ToConsole(std::string_view cp932) { return platform::Cp932ToUtf8(cp932); }

// The library opens the bytes it is given, which natively are the UTF-8 name.
std::string LibraryPath(const std::string& cp932) { return platform::PathFromCp932(cp932).string(); }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(platform::Utf8ToCp932(argv[i]));
  return tally_cli::Run(args, std::cout, std::cerr, {ToConsole, LibraryPath});
}
