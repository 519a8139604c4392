// TStringLX: the string list that writes settings files. Saving writes every line with
// CR LF through a temporary file and says whether it worked; a failed settings write
// never stops the program.
#pragma once

#include <string>
#include <vector>

#include "base/status.h"

class TStringLX {
 public:
  std::vector<std::string> lines;

  // All lines, each followed by CR LF.
  std::string Text() const;

  // Replaces the file with Text(). On failure the old file stays as it was.
  Status SaveToFile(const std::string& file_name) const;
};
