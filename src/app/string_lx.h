// TStringLX: the string list that writes settings files. Saving writes every line with
// CR LF through a temporary file; when that fails it tells the operator itself in a
// message box and returns normally, so a failed settings write never stops the program.
#pragma once

#include <string>
#include <vector>

class TStringLX {
 public:
  std::vector<std::string> lines;

  // All lines, each followed by CR LF.
  std::string Text() const;

  // Replaces the file with Text(). On failure the old file stays as it was and the
  // "cannot be written" message names the file; the caller is not told.
  void SaveToFile(const std::string& file_name) const;
};
