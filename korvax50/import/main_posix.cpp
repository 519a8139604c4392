#include <iostream>

#include "import_tool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return korvax::RunImportTool(args, std::cout, std::cerr);
}
