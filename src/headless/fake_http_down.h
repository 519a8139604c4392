// An HTTP client for tests: answers each Fetch from a queue of scripted answers and
// records what was asked. In file mode a successful answer writes its body to the file
// that Text names and reports progress as the real client does.
#pragma once

#include "ui/not_in_core.h"

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/platform.h"
#include "update/http_down.h"
#include "update/http_url.h"

namespace headless {

struct FakeHttpAnswer {
  int result = update::kFetchOk;
  std::string body;
  // Runs while the transfer "runs" (Busy is set): a test clicks here.
  std::function<void()> during;
};

struct FakeHttpRequest {
  std::string url;
  bool to_file = false;
  std::string text;  // the file path in file mode
};

struct FakeHttpScript {
  std::deque<FakeHttpAnswer> answers;  // an empty queue answers kFetchFailed
  std::vector<FakeHttpRequest> requests;
  int slot = -1;
};

class FakeHttpDown : public update::THTTPDown {
 public:
  explicit FakeHttpDown(FakeHttpScript& script) : script_(script) {}

  int Fetch(std::string_view url, const std::string*) override {
    if (busy_) return update::kFetchFailed;
    script_.requests.push_back({std::string(url), ToFile, Text});
    if (script_.answers.empty()) return update::kFetchFailed;
    FakeHttpAnswer answer = script_.answers.front();
    script_.answers.pop_front();
    busy_ = true;
    if (answer.during) answer.during();
    busy_ = false;
    if (answer.result != update::kFetchOk) return answer.result;
    if (!ToFile) {
      Text = answer.body;
      return update::kFetchOk;
    }
    ContentLength = static_cast<std::uint32_t>(answer.body.size());
    std::ofstream file(platform::PathFromCp932(Text), std::ios::binary);
    file << answer.body;
    if (OnProgress) OnProgress(static_cast<long long>(answer.body.size()), ContentLength);
    return file ? update::kFetchOk : update::kFetchCannotCreate;
  }

 private:
  FakeHttpScript& script_;
};

// A factory for HeadlessBackend::http_down_factory over `script`.
inline update::HttpDownFactory FakeHttpFactory(FakeHttpScript& script) {
  return [&script](int slot) -> std::unique_ptr<update::THTTPDown> {
    script.slot = slot;
    return std::make_unique<FakeHttpDown>(script);
  };
}

}  // namespace headless
