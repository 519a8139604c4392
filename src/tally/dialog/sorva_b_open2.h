// The main window's file dialog `Open2`, which chooses the QSO database: used by the menu
// command Q1 and by the tally when the database does not open.
#pragma once

#include "ui/not_in_core.h"

#include <optional>
#include <string>

class TKrxIni;

namespace tally {

// Shows `Open2` in the folder of `current_path`; when the operator confirms, the chosen
// file becomes "Main"/"QSO" and is returned. Nothing when the dialog was cancelled.
std::optional<std::string> ChooseQsoDatabase(TKrxIni& settings, const std::string& current_path);

}  // namespace tally
