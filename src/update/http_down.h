// One HTTP or HTTPS transfer at a time: a page into memory (Text receives the body) or a
// file to disk (Text names the file; written under a temporary name beside it and given
// its name only when the whole body has arrived). The WinInet client in win32/ is the
// real one; tests use a fake. The about dialog owns one for as long as it is shown.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace update {

class THTTPDown {
 public:
  virtual ~THTTPDown() = default;

  std::string Text;      // memory mode: the body; file mode: the file's path (Shift-JIS)
  std::string UserName;  // sent only when it has 3 or more bytes
  std::string Password;
  std::uint32_t ContentLength = 0;  // file mode: the answer's Content-Length
  // File mode: bytes so far and the total, after every chunk written.
  std::function<void(long long bytes, long long total)> OnProgress;
  bool ToFile = false;

  // Empties the fields before a transfer is set up; never called while one runs.
  void Clear() {
    Text.clear();
    UserName.clear();
    Password.clear();
    ContentLength = 0;
    ToFile = false;
    OnProgress = nullptr;
  }

  // GET (or POST with `body`) of `url`; a result of http_url.h. A running transfer on
  // this object refuses another with kFetchFailed. Window messages are serviced while
  // it waits, so the caller's window stays live.
  virtual int Fetch(std::string_view url, const std::string* body = nullptr) = 0;

  bool Busy() const { return busy_; }

 protected:
  bool busy_ = false;
};

// Makes the client of a slot (0 or 1; the about dialog uses 1).
using HttpDownFactory = std::function<std::unique_ptr<THTTPDown>(int slot)>;

}  // namespace update
