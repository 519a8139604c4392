// winctl: the end-to-end driver for shell scripts (run under Wine).
//   winctl wait-window CLASS SECONDS  waits until a visible top-level window of CLASS is up
//   winctl wait-drawn CLASS SECONDS   waits until that window is up and completely drawn
//   winctl close CLASS SECONDS        closes that window as its close button does, answers
//                                     a save question with No, and waits until it is gone
//   winctl tally CLASS SECONDS        opens the tally dialog of the program whose main
//                                     window is CLASS, clicks 集計開始, waits for the report
//                                     box, prints "tally_ms=N" (click to report) and the
//                                     report, answers it and closes the dialog
//   winctl send-target CLASS SECONDS  waits for the logger simulator's window, gives the
//                                     program a timer interval to find it, and runs the
//                                     program's send command (Ctrl+T)
// Exit code 0 on success, 1 on time-out, 2 on bad usage.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "app/command_ids.h"
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

// A tally through the real dialog, timed from the click to the report box.
int Tally(const std::wstring& class_name, e2e::Timeout timeout) {
  HWND window = VisibleWindow(class_name);
  if (window == nullptr) throw e2e::E2eError("no visible main window");
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(app::kCmdS1, 0), 0);
  HWND dialog = nullptr;
  e2e::WaitFor("the tally dialog", [&] {
    for (HWND candidate : e2e::TopLevelWindows(process_id, L"TSorvaB")) {
      if (IsWindowVisible(candidate)) dialog = candidate;
    }
    return dialog != nullptr;
  });
  HWND start = nullptr;
  e2e::WaitFor("the start button", [&] {
    return (start = e2e::FindDescendant(dialog, L"Button", L"\u96c6\u8a08\u958b\u59cb(&S)")) != nullptr;
  });
  const auto clicked = std::chrono::steady_clock::now();
  PostMessageW(start, BM_CLICK, 0, 0);
  HWND report = nullptr;
  e2e::WaitFor(
      "the report box",
      [&] {
        for (HWND box : e2e::TopLevelWindows(process_id, L"#32770")) {
          if (IsWindowVisible(box)) report = box;
        }
        return report != nullptr;
      },
      timeout);
  const auto reported = std::chrono::steady_clock::now();
  const e2e::MessageBoxView box(report);
  std::printf("tally_ms=%lld\n%s\n",
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::milliseconds>(reported - clicked).count()),
              box.Text().c_str());
  box.Press(IDOK);
  HWND close = e2e::FindDescendant(dialog, L"Button", L"Close(&X)");
  e2e::WaitFor("the Close button enabled", [&] { return IsWindowEnabled(close) != 0; });
  PostMessageW(close, BM_CLICK, 0, 0);
  e2e::WaitFor("the tally dialog closed", [&] { return !IsWindowVisible(dialog); });
  return 0;
}

int SendTarget(const std::wstring& class_name, e2e::Timeout timeout) {
  HWND logger = nullptr;
  e2e::WaitFor("the logger simulator's window", [&] { return (logger = VisibleWindow(L"TKrxin")) != nullptr; },
               timeout);
  HWND window = VisibleWindow(class_name);
  if (window == nullptr) throw e2e::E2eError("no window of the program");
  std::this_thread::sleep_for(std::chrono::milliseconds(3000));  // the program's window search
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(app::kCmdSent1, 0), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: winctl wait-window|wait-drawn|close|tally|send-target CLASS SECONDS\n");
    return 2;
  }
  const std::string command = argv[1];
  const std::wstring class_name = e2e::Utf8ToWide(argv[2]);
  const e2e::Timeout timeout{std::atoi(argv[3]) * 1000};
  try {
    if (command == "wait-window") return WaitWindow(class_name, timeout);
    if (command == "wait-drawn") return WaitDrawn(class_name, timeout);
    if (command == "close") return Close(class_name, timeout);
    if (command == "tally") return Tally(class_name, timeout);
    if (command == "send-target") return SendTarget(class_name, timeout);
  } catch (const e2e::E2eError& error) {
    std::fprintf(stderr, "winctl: %s\n", error.what());
    return 1;
  }
  std::fprintf(stderr, "winctl: unknown command %s\n", command.c_str());
  return 2;
}
