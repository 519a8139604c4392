// The exception for a file that cannot be read or written where the operator asked for
// it. what() is the message the application's error box shows, in Shift-JIS, with the
// file name in it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

struct FileError : std::runtime_error {
  using std::runtime_error::runtime_error;

  // "ﾌｧｲﾙ <name> は開けません": the file exists but cannot be read. A reason, when
  // given, follows on a line of its own.
  static FileError CannotOpen(std::string_view file_name, std::string_view reason = {});
  // "ﾌｧｲﾙ <name> を作成できません": the file cannot be written.
  static FileError CannotCreate(std::string_view file_name, std::string_view reason = {});
};
