// winctl: the end-to-end driver for shell scripts (run under Wine).
//   winctl wait-window CLASS SECONDS  waits until a visible top-level window of CLASS is up
//   winctl wait-drawn CLASS SECONDS   waits until that window is up and completely drawn
//   winctl close CLASS SECONDS        closes that window as its close button does, answers
//                                     a save question with No, and waits until it is gone
// Exit code 0 on success, 1 on time-out, 2 on bad usage.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/drawn.h"
#include "driver/message_box.h"
#include "driver/poll.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"

namespace {

HWND VisibleWindow(const std::wstring& class_name) {
  for (HWND window : e2e::TopLevelWindows(0, class_name)) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// A visible message box of `process_id` that offers No, if any.
HWND QuestionOf(DWORD process_id) {
  for (HWND box : e2e::TopLevelWindows(process_id, L"#32770")) {
    if (IsWindowVisible(box) && e2e::MessageBoxView(box).HasButton(IDNO)) return box;
  }
  return nullptr;
}

int WaitWindow(const std::wstring& class_name, e2e::Timeout timeout) {
  return e2e::PollUntil([&] { return VisibleWindow(class_name) != nullptr; }, timeout) ? 0 : 1;
}

int WaitDrawn(const std::wstring& class_name, e2e::Timeout timeout) {
  const auto start = std::chrono::steady_clock::now();
  if (WaitWindow(class_name, timeout) != 0) return 1;
  const auto left = timeout - std::chrono::duration_cast<e2e::Timeout>(std::chrono::steady_clock::now() - start);
  e2e::WaitDrawn(VisibleWindow(class_name), std::max(left, e2e::Timeout{0}));
  return 0;
}

int Close(const std::wstring& class_name, e2e::Timeout timeout) {
  HWND window = VisibleWindow(class_name);
  if (window == nullptr) return 0;
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  PostMessageW(window, WM_CLOSE, 0, 0);
  const bool closed = e2e::PollUntil(
      [&] {
        if (HWND question = QuestionOf(process_id)) e2e::MessageBoxView(question).Press(IDNO);
        return !IsWindow(window);
      },
      timeout);
  return closed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: winctl wait-window|wait-drawn|close CLASS SECONDS\n");
    return 2;
  }
  const std::string command = argv[1];
  const std::wstring class_name = e2e::Utf8ToWide(argv[2]);
  const e2e::Timeout timeout{std::atoi(argv[3]) * 1000};
  try {
    if (command == "wait-window") return WaitWindow(class_name, timeout);
    if (command == "wait-drawn") return WaitDrawn(class_name, timeout);
    if (command == "close") return Close(class_name, timeout);
  } catch (const e2e::E2eError& error) {
    std::fprintf(stderr, "winctl: %s\n", error.what());
    return 1;
  }
  std::fprintf(stderr, "winctl: unknown command %s\n", command.c_str());
  return 2;
}
