#include "base/file_error.h"

namespace {

// "ﾌｧｲﾙ " (half-width katakana, single bytes)
constexpr std::string_view kFilePrefix = "\xcc\xa7\xb2\xd9 ";
// " は開けません"
constexpr std::string_view kCannotOpenSuffix = " \x82\xcd\x8a\x4a\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
// " を作成できません"
constexpr std::string_view kCannotCreateSuffix =
    " \x82\xf0\x8d\xec\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1";

std::string Compose(std::string_view file_name, std::string_view suffix, std::string_view reason) {
  std::string text(kFilePrefix);
  text.append(file_name);
  text.append(suffix);
  if (!reason.empty()) {
    text.append("\r\n");
    text.append(reason);
  }
  return text;
}

}  // namespace

FileError FileError::CannotOpen(std::string_view file_name, std::string_view reason) {
  return FileError(Compose(file_name, kCannotOpenSuffix, reason));
}

FileError FileError::CannotCreate(std::string_view file_name, std::string_view reason) {
  return FileError(Compose(file_name, kCannotCreateSuffix, reason));
}
