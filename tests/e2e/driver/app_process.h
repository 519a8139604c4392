// One run of the program under test: waits for its main window (a top-level "TStation"
// window of that process) or a message box, sends it menu commands, and waits for its
// exit code. Every wait notes whether a main window was ever seen. A run still going
// when the object goes is ended (after the failure screenshot, see LeaveRunningOnFailure).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver/message_box.h"
#include "driver/poll.h"

namespace e2e {

class AppProcess {
 public:
  // Starts `exe` with `arguments` in the working folder `folder`; throws when it cannot.
  AppProcess(const std::wstring& exe, const std::vector<std::wstring>& arguments,
             const std::wstring& folder);
  ~AppProcess();
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  DWORD id() const { return info_.dwProcessId; }

  // The visible main window; throws when none comes up in time or the run ends first.
  HWND WaitMainWindow(Timeout timeout = kDefaultTimeout);
  // A visible message box of this run; throws when none comes up in time.
  MessageBoxView WaitMessageBox(Timeout timeout = kDefaultTimeout);
  // The caption of the main window once it equals `expected` (UTF-8); throws otherwise,
  // naming the caption it had.
  void WaitCaption(const std::string& expected, Timeout timeout = kDefaultTimeout);
  std::string Caption();
  // The text of the main window's child control `control_id` (UTF-8).
  std::string ControlText(int control_id);

  // Runs a menu command (posted: a command that shows a message box must not block us).
  void PostCommand(int command_id);
  // Asks the main window to close, as its close button does.
  void Close();

  // The exit code; throws when the run does not end in time (the run is then ended when
  // this object goes, after the failure screenshot if run_e2e.sh asked for one).
  DWORD WaitExit(Timeout timeout = kDefaultTimeout);
  bool HasExited() const;
  bool SawMainWindow() const { return saw_main_window_; }

 private:
  HWND MainWindow();
  std::vector<HWND> VisibleMessageBoxes();
  void Observe();
  void Kill();
  std::string Describe() const;

  PROCESS_INFORMATION info_{};
  std::string command_line_utf8_;
  bool saw_main_window_ = false;
};

// Installs the check that says whether the current test has failed. When it returns
// true (or an exception is on its way out) and the environment names a leftover file
// (SORVANO_E2E_LEFTOVER, set by run_e2e.sh), a run still going at destruction is left up
// and its process id written to that file, so that the wrapper's screenshot shows it;
// the wrapper then ends it.
void LeaveRunningOnFailure(bool (*test_failed)());

}  // namespace e2e
