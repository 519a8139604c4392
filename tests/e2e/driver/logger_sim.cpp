#include "driver/logger_sim.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/build_paths.h"
#include "driver/text_codec.h"
#include "driver/top_windows.h"

namespace e2e {
namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (size_t n = 0; n + 1 < hex.size(); n += 2) bytes += static_cast<char>(std::stoi(hex.substr(n, 2), nullptr, 16));
  return bytes;
}

}  // namespace

LoggerSimProcess::LoggerSimProcess(const std::wstring& folder, const std::wstring& mst)
    : log_path_(folder + L"\\LoggerSim.log") {
  const std::wstring exe = BinDir() + L"\\LoggerSim.exe";
  std::wstring command_line = L"\"" + exe + L"\" --log \"" + log_path_ + L"\" --mst \"" + folder + L"\\" + mst + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &info_)) {
    throw E2eError("cannot start the logger simulator (error " + std::to_string(GetLastError()) + ")");
  }
  WaitFor("the logger simulator's window", [&] {
    for (HWND window : TopLevelWindows(info_.dwProcessId, L"TKrxin")) {
      if (IsWindowVisible(window)) window_ = window;
    }
    return window_ != nullptr;
  });
}

LoggerSimProcess::~LoggerSimProcess() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

std::string LoggerSimProcess::Field(int id) const { return ControlTextUtf8(window_, id); }

void LoggerSimProcess::SetField(int id, const std::string& sjis) const {
  SetWindowTextW(GetDlgItem(window_, id), Cp932ToWide(sjis).c_str());
}

void LoggerSimProcess::ClickTrigger() const { PostMessageW(GetDlgItem(window_, kTriggerButton), BM_CLICK, 0, 0); }

std::vector<LoggedMessage> LoggerSimProcess::Log() const {
  std::vector<LoggedMessage> messages;
  std::ifstream file(std::filesystem::path(log_path_), std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    LoggedMessage message;
    unsigned code = 0;
    unsigned size = 0;
    char data[16] = {};
    if (std::sscanf(line.c_str(), "dwData=%8X cbData=%u data=%4s", &code, &size, data) < 2) continue;
    message.code = code;
    message.size = size;
    const size_t at = line.find("data=", line.find("cbData="));
    const std::string hex = line.substr(at + 5);
    if (hex != "null") message.data = FromHex(hex);
    messages.push_back(message);
  }
  return messages;
}

std::vector<LoggedMessage> LoggerSimProcess::WaitLog(size_t count, Timeout timeout) const {
  std::vector<LoggedMessage> messages;
  WaitFor("message " + std::to_string(count + 1) + " in the simulator's log", [&] {
    messages = Log();
    return messages.size() > count;
  }, timeout);
  return messages;
}

void LoggerSimProcess::Close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(kDefaultTimeout.count())) != WAIT_OBJECT_0) {
    throw E2eError("the logger simulator did not close");
  }
}

}  // namespace e2e
