// The logger simulator (tools/logger_sim) as a second program beside the one under test:
// started in a test folder with its log there, its entry fields read and typed into,
// its trigger button clicked, and its log of received messages read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "driver/poll.h"

namespace e2e {

// One message the simulator received.
struct LoggedMessage {
  std::uint32_t code = 0;  // dwData
  std::uint32_t size = 0;  // cbData
  std::optional<std::string> data;  // the bytes; nullopt for a null pointer
};

class LoggerSimProcess {
 public:
  // The simulator's controls.
  static constexpr int kCodeEdit = 101;
  static constexpr int kQthEdit = 102;
  static constexpr int kRemarks1Edit = 103;
  static constexpr int kRemarks2Edit = 104;
  static constexpr int kQsoView = 105;
  static constexpr int kTriggerButton = 201;

  // Starts LoggerSim.exe in `folder` with its log there and `mst` (a file name in the
  // folder) as its QSO database; waits for its window.
  LoggerSimProcess(const std::wstring& folder, const std::wstring& mst);
  ~LoggerSimProcess();
  LoggerSimProcess(const LoggerSimProcess&) = delete;
  LoggerSimProcess& operator=(const LoggerSimProcess&) = delete;

  HWND window() const { return window_; }
  // Text of a control (UTF-8), and typing a text (Shift-JIS bytes) into an entry field.
  std::string Field(int id) const;
  void SetField(int id, const std::string& sjis) const;
  void ClickTrigger() const;
  std::vector<LoggedMessage> Log() const;
  // Waits until the log holds more than `count` messages; returns the log.
  std::vector<LoggedMessage> WaitLog(size_t count, Timeout timeout = kDefaultTimeout) const;
  // Closes the window and waits for the process to end.
  void Close();

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  std::wstring log_path_;
};

}  // namespace e2e
