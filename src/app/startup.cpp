#include "app/startup.h"

#include "app/file_names.h"
#include "app/open_document.h"
#include "app/settings_messages.h"
#include "app/station.h"
#include "app/texts.h"
#include "base/cp932.h"
#include "base/string_utils.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace app {
namespace {

constexpr int kFirstToolSlot = 3;
constexpr int kLastToolSlot = 19;

// Writes this program into the external-tool table of the logging program: the first
// empty slot of 3..19, or slot 19 when all are taken; nothing when already registered.
void RegisterInToolTable(TKrxIni& logger_settings, const std::string& program_path) {
  const std::string own_name = cp932::ToLower(ExtractFileName(program_path));
  int free_slot = 0;
  for (int slot = kFirstToolSlot; slot <= kLastToolSlot; ++slot) {
    const std::string command =
        cp932::ToLower(logger_settings.ReadString("URL1", std::to_string(slot), ""));
    if (command.empty()) {
      if (free_slot == 0) free_slot = slot;
    } else if (cp932::Find(command, own_name) != std::string::npos) {
      return;
    }
  }
  const int slot = free_slot != 0 ? free_slot : kLastToolSlot;
  logger_settings.WriteString("URL1", std::to_string(slot), program_path);
  logger_settings.WriteString("URL2", std::to_string(slot), kAppTitle);
}

}  // namespace

std::string InstanceMutexName(const std::string& program_path) {
  std::string name = program_path + "_Awd_Mutex";
  ReplaceAll(name, "\\", "_");
  return name;
}

bool RegisterWithLogger(const std::string& program_path, const std::vector<std::string>& args) {
  if (args.empty() || args.front() != "-Inst") return false;
  const std::string folder = ExtractFilePath(program_path);
  TKrxIni logger_settings(folder + "Korvaxw.ini");
  // An unreadable or binary "Korvaxw.ini" is left as it is.
  if (!TellIfUnreadable(logger_settings)) return true;
  RegisterInToolTable(logger_settings, program_path);
  OpenDocument(folder + "sorvano.html");
  SaveSettings(logger_settings);
  return true;
}

bool CheckInstanceAndLibrary(StartupEnvironment& environment) {
  if (!environment.AcquireInstanceLock(InstanceMutexName(environment.ProgramPath()))) {
    return true;
  }
  if (environment.LibraryVersion() < kMinimumLibraryVersion) {
    ui::Application().ShowMessage(kTextUseNewerLibrary, kAppTitle, ui::kMbOk | ui::kMbIconError);
    return true;
  }
  return false;
}

int RunProgram(StartupEnvironment& environment) {
  ui::TApplication& application = ui::Application();
  application.ExeName = environment.ProgramPath();
  application.Arguments = environment.Arguments();
  if (RegisterWithLogger(application.ExeName, application.Arguments)) return 0;
  if (CheckInstanceAndLibrary(environment)) return 0;

  application.Title = kAppTitle;
  application.CreateForm<TStation>();
  application.Run();
  application.DestroyForms();
  return 0;
}

}  // namespace app
