// Waiting in the end-to-end tests: every wait polls with a time-out and a failed wait
// throws E2eError saying what did not happen, which the test reports as its failure.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace e2e {

class E2eError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Timeout = std::chrono::milliseconds;

// Generous: the program runs under Wine, on a machine shared with builds.
inline constexpr Timeout kDefaultTimeout{20000};
inline constexpr Timeout kPollInterval{50};

// Calls `ready` until it returns true or `timeout` has passed; true when it did.
template <class Ready>
bool PollUntil(Ready&& ready, Timeout timeout = kDefaultTimeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (ready()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

// PollUntil that throws "timed out after N s: <what>" when `ready` never held.
template <class Ready>
void WaitFor(const std::string& what, Ready&& ready, Timeout timeout = kDefaultTimeout) {
  if (!PollUntil(ready, timeout)) {
    throw E2eError(
        "timed out after " +
        std::to_string(std::chrono::duration_cast<std::chrono::seconds>(timeout).count()) +
        " s: " + what);
  }
}

}  // namespace e2e
