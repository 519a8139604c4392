// The program's entry point: the Win32 backend, COM for the spreadsheet export, then the
// portable start sequence.
#include <windows.h>
#include <objbase.h>

#include "app/startup.h"
#include "ui/application.h"
#include "win32/copy_data_channel.h"
#include "win32/startup_environment.h"
#include "win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  CoInitialize(nullptr);
  int exit_code = 0;
  {
    win32::Win32Backend backend(instance);
    ui::Application().SetBackend(&backend);
    win32::Win32CopyDataChannel copy_data;
    ui::Application().SetCopyDataChannel(&copy_data);
    win32::Win32StartupEnvironment environment;
    exit_code = app::RunProgram(environment);
    ui::Application().SetBackend(nullptr);
    ui::Application().SetCopyDataChannel(nullptr);
  }
  CoUninitialize();
  return exit_code;
}
