#include "tally/dialog/sorva_b_open2.h"

#include "app/file_names.h"
#include "settings/settings_store.h"
#include "tally/dialog/sorva_b_texts.h"
#include "ui/application.h"

namespace tally {

std::optional<std::string> ChooseQsoDatabase(TKrxIni& settings, const std::string& current_path) {
  ui::OpenDialogOptions options;
  options.title = tally::dialog_texts::kOpen2Title;
  options.filter = tally::dialog_texts::kOpen2Filter;
  options.default_ext = tally::dialog_texts::kOpen2DefaultExt;
  options.initial_dir = app::ExtractFilePath(current_path);
  options.must_exist = true;
  if (!ui::Application().backend().ShowOpenDialog(options) || options.file_name.empty()) {
    return std::nullopt;
  }
  settings.WriteString("Main", "QSO", options.file_name);
  return options.file_name;
}

}  // namespace tally
