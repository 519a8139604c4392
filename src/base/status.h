// The result of an operation that can fail at a system boundary (a file, a conversion).
// Success carries nothing; a failure carries a short message in Shift-JIS, made from
// errno or GetLastError right where the call failed.
#pragma once

#include <string>
#include <utility>

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message), false); }

  bool ok() const { return ok_; }
  // Empty for success.
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  Status(std::string message, bool ok) : ok_(ok), message_(std::move(message)) {}

  bool ok_ = true;
  std::string message_;
};
