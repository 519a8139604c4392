#include "driver/program_folder.h"

#include "driver/build_paths.h"

namespace e2e {

std::wstring InstallProgram(TestFolder& folder, const ProgramSetup& setup) {
  folder.CopyIn(ProgramPath(), L"Sorvano.exe");
  folder.CopyIn(SourceFile("help/sorvano.html"), L"sorvano.html");
  if (setup.library == Library::kCurrent) folder.CopyIn(LibraryPath(), L"Korvax50.dll");
  if (setup.library == Library::kOld) folder.CopyIn(OldLibraryPath(), L"Korvax50.dll");
  if (setup.settings) folder.Write(L"Sorvano.ini", *setup.settings);
  for (const DataFile& file : setup.data_files) folder.CopyIn(file.source, file.name);
  return folder.PathOf(L"Sorvano.exe");
}

}  // namespace e2e
