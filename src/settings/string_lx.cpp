#include "settings/string_lx.h"

#include "base/text_file.h"

std::string TStringLX::Text() const { return JoinLinesCrLf(lines); }

Status TStringLX::SaveToFile(const std::string& file_name) const {
  return WriteFileAtomic(file_name, Text());
}
