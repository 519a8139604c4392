#include "driver/app_process.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include "driver/build_paths.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"

namespace e2e {
namespace {

constexpr wchar_t kMainWindowClass[] = L"TStation";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr DWORD kKillWaitMs = 5000;

bool (*g_test_failed)() = nullptr;

// Quotes one argument the way the C runtime splits a command line back into argv.
std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::wstring LeftoverFile() {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"SORVANO_E2E_LEFTOVER", value, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return UnixToWindowsPath(WideToUtf8(value));
}

}  // namespace

void LeaveRunningOnFailure(bool (*test_failed)()) { g_test_failed = test_failed; }

AppProcess::AppProcess(const std::wstring& exe, const std::vector<std::wstring>& arguments,
                       const std::wstring& folder) {
  std::wstring command_line = QuoteArgument(exe);
  for (const std::wstring& argument : arguments) command_line += L" " + QuoteArgument(argument);
  command_line_utf8_ = WideToUtf8(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info_)) {
    throw E2eError("cannot start " + command_line_utf8_ + " (error " +
                   std::to_string(GetLastError()) + ")");
  }
}

AppProcess::~AppProcess() {
  if (!HasExited()) {
    // An exception on its way out fails the test too, though gtest has not noted it yet.
    const bool failing =
        std::uncaught_exceptions() > 0 || (g_test_failed != nullptr && g_test_failed());
    const std::wstring leftover = failing ? LeftoverFile() : L"";
    std::ofstream record;
    if (!leftover.empty())
      record.open(std::filesystem::path(leftover), std::ios::app | std::ios::binary);
    if (record) {
      record << id() << "\n";
    } else {
      Kill();
    }
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND AppProcess::WaitMainWindow(Timeout timeout) {
  HWND window = nullptr;
  const bool shown = PollUntil(
      [&] {
        window = MainWindow();
        return window != nullptr || HasExited();
      },
      timeout);
  if (window != nullptr) return window;
  if (shown) {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    throw E2eError(Describe() + " ended with exit code " + std::to_string(code) +
                   " without showing its main window");
  }
  std::string reason =
      Describe() + " showed no main window within " + std::to_string(timeout.count() / 1000) + " s";
  for (HWND box : VisibleMessageBoxes()) {
    reason += "; a message box is up: \"" + MessageBoxView(box).Text() + "\"";
  }
  throw E2eError(reason);
}

MessageBoxView AppProcess::WaitMessageBox(Timeout timeout) {
  HWND box = nullptr;
  WaitFor(
      Describe() + " to show a message box",
      [&] {
        Observe();
        const std::vector<HWND> boxes = VisibleMessageBoxes();
        if (!boxes.empty()) box = boxes.front();
        return box != nullptr || HasExited();
      },
      timeout);
  if (box == nullptr) throw E2eError(Describe() + " ended without showing a message box");
  return MessageBoxView(box);
}

void AppProcess::WaitCaption(const std::string& expected, Timeout timeout) {
  HWND window = WaitMainWindow(timeout);
  std::string caption = "<not read>";
  if (!PollUntil(
          [&] {
            try {
              caption = WindowTextUtf8(window);
            } catch (const E2eError& error) {
              caption = std::string("<") + error.what() + ">";  // busy for now: ask again
            }
            return caption == expected;
          },
          timeout)) {
    throw E2eError("main window caption is \"" + caption + "\", expected \"" + expected + "\"");
  }
}

std::string AppProcess::Caption() { return WindowTextUtf8(WaitMainWindow()); }

std::string AppProcess::ControlText(int control_id) {
  return ControlTextUtf8(WaitMainWindow(), control_id);
}

void AppProcess::PostCommand(int command_id) {
  if (!PostMessageW(WaitMainWindow(), WM_COMMAND, MAKEWPARAM(command_id, 0), 0)) {
    throw E2eError("cannot post command " + std::to_string(command_id));
  }
}

void AppProcess::Close() {
  if (!PostMessageW(WaitMainWindow(), WM_CLOSE, 0, 0)) throw E2eError("cannot post WM_CLOSE");
}

DWORD AppProcess::WaitExit(Timeout timeout) {
  if (!PollUntil(
          [&] {
            Observe();
            return HasExited();
          },
          timeout)) {
    std::string reason =
        Describe() + " did not end within " + std::to_string(timeout.count() / 1000) + " s";
    for (HWND box : VisibleMessageBoxes()) {
      reason += "; a message box is up: \"" + MessageBoxView(box).Text() + "\"";
    }
    // The destructor ends the run, after the failure screenshot when one is wanted.
    throw E2eError(reason);
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool AppProcess::HasExited() const {
  return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

HWND AppProcess::MainWindow() {
  Observe();
  for (HWND window : TopLevelWindows(id(), kMainWindowClass)) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

std::vector<HWND> AppProcess::VisibleMessageBoxes() {
  std::vector<HWND> boxes;
  for (HWND box : TopLevelWindows(id(), kDialogClass)) {
    if (IsWindowVisible(box)) boxes.push_back(box);
  }
  return boxes;
}

// Any window of the main window's class counts, shown or not.
void AppProcess::Observe() {
  if (!saw_main_window_ && !TopLevelWindows(id(), kMainWindowClass).empty()) {
    saw_main_window_ = true;
  }
}

void AppProcess::Kill() {
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, kKillWaitMs);
}

std::string AppProcess::Describe() const {
  return command_line_utf8_ + " (pid " + std::to_string(id()) + ")";
}

}  // namespace e2e
