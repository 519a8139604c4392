// Options of the common file-open dialog, as the program fills them.
#pragma once

#include "ui/not_in_core.h"

#include <string>

namespace ui {

struct OpenDialogOptions {
  std::string title;
  std::string filter;       // "description|pattern", pairs joined by "|"
  std::string default_ext;  // added when the typed name has none
  std::string initial_dir;
  std::string file_name;    // the chosen file on return
  bool must_exist = false;  // only an existing file in an existing folder is accepted
};

}  // namespace ui
