// Opening a file or URL through the shell, with the program's one failure message.
#pragma once

#include "ui/not_in_core.h"

#include <string_view>

namespace app {

void OpenDocument(std::string_view target);

}  // namespace app
