// The operator's side of the settings store: the message boxes for a settings file that
// cannot be read or written. The store itself only reports.
#pragma once

#include "ui/not_in_core.h"

class TKrxIni;

namespace app {

// Tells the operator when `settings` could not be read (the run goes on with the
// defaults, and the file is left alone). True when it was read.
bool TellIfUnreadable(const TKrxIni& settings);

// Saves `settings` when they changed and tells the operator when that failed.
void SaveSettings(TKrxIni& settings);

}  // namespace app
