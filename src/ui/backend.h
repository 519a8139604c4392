// The interface between the portable components and a real or simulated window system.
// The Win32 backend creates real windows; the headless backend keeps everything in
// memory for tests. The backend owns widget state: components read it back through here.
#pragma once

#include "ui/not_in_core.h"

#include <cstdint>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "export/automation.h"
#include "ui/dialogs.h"
#include "ui/font.h"
#include "ui/grid_model.h"

#include "ui/types.h"
#include "update/http_down.h"

namespace ui {

class Widget;

class Backend {
 public:
  virtual ~Backend() = default;

  // Widgets. `owner` receives the widget's events until DestroyWidget. Forms carry
  // their class name (the window class that other programs look for).
  virtual WidgetId CreateWidget(WidgetKind kind, WidgetId parent, Widget& owner,
                                std::string_view class_name) = 0;
  virtual void DestroyWidget(WidgetId id) = 0;
  virtual void SetText(WidgetId id, std::string_view text) = 0;
  virtual std::string GetText(WidgetId id) = 0;
  virtual void SetEnabled(WidgetId id, bool enabled) = 0;
  virtual bool GetEnabled(WidgetId id) = 0;
  virtual void SetVisible(WidgetId id, bool visible) = 0;
  virtual bool GetVisible(WidgetId id) = 0;
  virtual void SetCheckState(WidgetId id, CheckState state) = 0;
  virtual CheckState GetCheckState(WidgetId id) = 0;
  virtual void SetBounds(WidgetId id, Rect bounds) = 0;
  virtual Rect GetBounds(WidgetId id) = 0;

  // Menu items: the command id that a window system reports, and the shortcut text and
  // key (virtual-key code plus kShift* bits) shown beside the caption.
  virtual void SetMenuCommand(WidgetId item, int command, std::string_view shortcut_text) = 0;

  // Forms.
  virtual void SetWindowState(WidgetId form, WindowState state) = 0;
  virtual WindowState GetWindowState(WidgetId form) = 0;
  // Bounds of the window in its normal (restored) state.
  virtual Rect GetNormalBounds(WidgetId form) = 0;
  virtual Rect GetClientRect(WidgetId form) = 0;
  // A fixed dialog frame (no resizing, no maximise box), owned by the program's main
  // window, with the given client size, centred on the screen.
  virtual void MakeDialogFrame(WidgetId form, int client_width, int client_height) = 0;
  // The user cannot make the window's client area smaller than this.
  virtual void SetMinClientSize(WidgetId form, int width, int height) = 0;
  // What the window system knows the widget by (its window handle); 0 for none.
  virtual std::uintptr_t NativeHandle(WidgetId id) = 0;

  // Fonts and text measurement in a widget's font.
  virtual void SetFont(WidgetId id, const Font& font) = 0;
  virtual int TextWidth(WidgetId id, std::string_view text) = 0;
  virtual int TextHeight(WidgetId id, std::string_view text) = 0;
  // Repaint the widget soon.
  virtual void Invalidate(WidgetId id) = 0;
  virtual void SetFocus(WidgetId id) = 0;
  // Opens or closes the input method (for typing Japanese) of the widget's window.
  virtual void SetInputMethodOpen(WidgetId id, bool open) = 0;

  // Combo boxes.
  virtual void SetItems(WidgetId combo, const std::vector<std::string>& items) = 0;
  virtual std::vector<std::string> GetItems(WidgetId combo) = 0;
  virtual void SetItemIndex(WidgetId combo, int index) = 0;
  virtual int GetItemIndex(WidgetId combo) = 0;

  // Progress bars: the range is 0..max.
  virtual void SetProgress(WidgetId bar, int max, int position) = 0;

  // Edits: read-only state, and the caret (a byte offset into the text).
  virtual void SetReadOnly(WidgetId edit, bool read_only) = 0;
  virtual void SetCaret(WidgetId edit, int offset) = 0;

  // Status bars: panel widths (-1 = to the right edge) and panel texts.
  virtual void SetStatusPanels(WidgetId status_bar, const std::vector<int>& widths) = 0;
  virtual void SetStatusText(WidgetId status_bar, int panel, std::string_view text) = 0;
  virtual std::string GetStatusText(WidgetId status_bar, int panel) = 0;

  // Drawn grids: the backend shows `model` (owned by the component, alive until
  // DestroyWidget), updates its focused cell, top row and column widths as the user works
  // the grid, and asks the component to draw visible cells (EventKind::kDrawCell).
  // GridChanged tells it that the program changed the model.
  virtual void AttachGrid(WidgetId grid, GridModel& model) = 0;
  virtual void GridChanged(WidgetId grid) = 0;

  // Common dialogs; false when the operator cancelled.
  virtual bool ShowOpenDialog(OpenDialogOptions& options) = 0;
  virtual bool ShowFontDialog(Font& font) = 0;
  // The shell's folder dialog, opening at `folder`; the chosen folder replaces it.
  virtual bool ShowFolderDialog(std::string_view title, std::string& folder) = 0;

  // The clipboard as text, and the keyboard's state at this moment.
  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::string GetClipboardText() = 0;
  virtual bool IsKeyDown(int virtual_key) = 0;

  // Timers: interval in milliseconds; a disabled timer does not fire.
  virtual void SetTimer(WidgetId timer, unsigned interval_ms, bool enabled) = 0;

  // Application services.
  virtual int ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) = 0;
  // Dispatches messages until Terminate (the headless backend returns at once).
  virtual void RunMessageLoop() = 0;
  virtual void Terminate() = 0;
  // Dispatches messages, with the program's other windows disabled, until EndModal for
  // `form` (the headless backend runs its test hook instead and returns).
  virtual void RunModalLoop(WidgetId form) = 0;
  virtual void EndModal(WidgetId form) = 0;
  virtual void ProcessMessages() = 0;
  // Milliseconds from some fixed moment, never going back; for pacing long jobs.
  virtual std::uint64_t TickCount() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // Opens a file or URL with the shell's "open" verb; false when the shell failed.
  virtual bool ShellOpen(std::string_view target) = 0;
  virtual void Beep() = 0;

  // The automation object of the program registered as `prog_id`; null when none is
  // registered. Throws spreadsheet::AutomationError when one is but does not start.
  virtual std::unique_ptr<spreadsheet::AutomationObject> CreateAutomationObject(
      std::string_view prog_id) = 0;
  // Brings the top-level window titled exactly `title` to the front; false when none is.
  virtual bool BringWindowToFront(std::string_view title) = 0;
  // Whether the key is held down at this moment, read from the keyboard itself, for loops
  // that do not take messages (IsKeyDown reads the state as of the last message).
  virtual bool IsKeyPressedNow(int virtual_key) = 0;
  // An HTTP client for `slot` (0 or 1): WinInet in the program, the test's fake headless.
  virtual std::unique_ptr<update::THTTPDown> CreateHttpDown(int slot) = 0;
};

}  // namespace ui
