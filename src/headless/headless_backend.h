// A backend without a window system, for tests: widget state lives in memory, message
// boxes are recorded and answered from a queue, shell opens are recorded, timers and
// clicks fire when the test says so.
#pragma once

#include "ui/not_in_core.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "headless/recording_spreadsheet.h"
#include "ui/backend.h"
#include "ui/widget.h"

namespace headless {

struct MessageBoxCall {
  std::string text;
  std::string caption;
  unsigned flags = 0;
};

class HeadlessBackend : public ui::Backend {
 public:
  struct WidgetState {
    ui::WidgetKind kind{};
    ui::WidgetId parent = 0;
    ui::Widget* owner = nullptr;
    std::string class_name;
    std::string text;
    bool enabled = true;
    bool visible = true;
    ui::CheckState check = ui::CheckState::kUnchecked;
    ui::Rect bounds;
    ui::Rect normal_bounds;
    ui::WindowState window_state = ui::WindowState::kNormal;
    ui::Rect min_client;  // width and height only
    int command = 0;
    std::string shortcut;
    unsigned interval_ms = 0;
    ui::Font font;
    std::vector<std::string> items;
    int item_index = -1;
    bool read_only = false;
    int caret = 0;
    std::vector<int> panel_widths;
    std::vector<std::string> panel_texts;
    ui::GridModel* grid = nullptr;
    int invalidations = 0;
    int progress_max = 100;
    int progress_position = 0;
    int progress_updates = 0;
  };

  // What the test inspects and arranges.
  std::vector<MessageBoxCall> message_boxes;
  std::deque<int> message_box_answers;  // when empty, a box answers its first button
  std::vector<std::string> shell_opens;
  bool shell_open_succeeds = true;
  int beeps = 0;
  std::uint64_t tick_count = 0;
  std::uint64_t tick_step_ms = 1000;
  ui::Cursor cursor = ui::Cursor::kDefault;
  bool terminated = false;
  ui::WidgetId focused = 0;
  // Every opening (true) and closing (false) of a widget's input method, in order.
  std::vector<std::pair<ui::WidgetId, bool>> input_method_calls;
  std::vector<ui::OpenDialogOptions> open_dialogs;            // what each dialog was shown with
  std::deque<std::optional<std::string>> open_dialog_answers;  // nullopt or empty queue = cancel
  std::deque<std::optional<ui::Font>> font_dialog_answers;
  std::vector<std::string> folder_dialogs;                       // the folder each opened at
  std::deque<std::optional<std::string>> folder_dialog_answers;  // nullopt or empty = cancel
  std::string clipboard;
  std::set<int> keys_down;
  std::function<void()> on_process_messages;
  // The spreadsheet program; none installed while null.
  std::shared_ptr<RecordingSpreadsheet> spreadsheet;
  std::vector<std::string> windows_brought_to_front;
  std::function<void(int virtual_key)> on_key_poll;
  // Makes the HTTP clients; none (a client that cannot be made) when unset.
  update::HttpDownFactory http_down_factory;
  // Runs as the message loop: the forms exist and the main form is shown.
  std::function<void()> on_message_loop;
  // Runs while a form is shown modally; the form id is passed.
  std::function<void(ui::WidgetId form)> on_modal_loop;

  const WidgetState* Find(ui::WidgetId id) const;
  WidgetState& At(ui::WidgetId id);
  // The menu item with this command id, or nullptr.
  ui::Widget* FindCommand(int command) const;
  // Dispatches an event to a widget as the window system would.
  void Fire(ui::WidgetId id, ui::EventKind kind);

  ui::WidgetId CreateWidget(ui::WidgetKind kind, ui::WidgetId parent, ui::Widget& owner,
                            std::string_view class_name) override;
  void DestroyWidget(ui::WidgetId id) override;
  void SetText(ui::WidgetId id, std::string_view text) override;
  std::string GetText(ui::WidgetId id) override;
  void SetEnabled(ui::WidgetId id, bool enabled) override;
  bool GetEnabled(ui::WidgetId id) override;
  void SetVisible(ui::WidgetId id, bool visible) override;
  bool GetVisible(ui::WidgetId id) override;
  void SetCheckState(ui::WidgetId id, ui::CheckState state) override;
  ui::CheckState GetCheckState(ui::WidgetId id) override;
  void SetBounds(ui::WidgetId id, ui::Rect bounds) override;
  ui::Rect GetBounds(ui::WidgetId id) override;
  void SetMenuCommand(ui::WidgetId item, int command, std::string_view shortcut_text) override;
  void SetWindowState(ui::WidgetId form, ui::WindowState state) override;
  ui::WindowState GetWindowState(ui::WidgetId form) override;
  ui::Rect GetNormalBounds(ui::WidgetId form) override;
  ui::Rect GetClientRect(ui::WidgetId form) override;
  void MakeDialogFrame(ui::WidgetId form, int client_width, int client_height) override;
  void SetMinClientSize(ui::WidgetId form, int width, int height) override;
  // The fake WM_COPYDATA channel's handle of the widget.
  std::uintptr_t NativeHandle(ui::WidgetId id) override { return 0x10000 + id; }
  void SetFont(ui::WidgetId id, const ui::Font& font) override;
  int TextWidth(ui::WidgetId id, std::string_view text) override;
  int TextHeight(ui::WidgetId id, std::string_view text) override;
  void Invalidate(ui::WidgetId id) override;
  void SetFocus(ui::WidgetId id) override;
  void SetInputMethodOpen(ui::WidgetId id, bool open) override { input_method_calls.emplace_back(id, open); }
  void SetItems(ui::WidgetId combo, const std::vector<std::string>& items) override;
  std::vector<std::string> GetItems(ui::WidgetId combo) override;
  void SetItemIndex(ui::WidgetId combo, int index) override;
  int GetItemIndex(ui::WidgetId combo) override;
  void SetProgress(ui::WidgetId bar, int max, int position) override;
  void SetReadOnly(ui::WidgetId edit, bool read_only) override;
  void SetCaret(ui::WidgetId edit, int offset) override;
  void SetStatusPanels(ui::WidgetId status_bar, const std::vector<int>& widths) override;
  void SetStatusText(ui::WidgetId status_bar, int panel, std::string_view text) override;
  std::string GetStatusText(ui::WidgetId status_bar, int panel) override;
  // Defined in headless_grid.cpp.
  void AttachGrid(ui::WidgetId grid, ui::GridModel& model) override;
  void GridChanged(ui::WidgetId grid) override;
  bool ShowOpenDialog(ui::OpenDialogOptions& options) override;
  bool ShowFontDialog(ui::Font& font) override;
  bool ShowFolderDialog(std::string_view title, std::string& folder) override;
  void SetClipboardText(std::string_view text) override;
  std::string GetClipboardText() override;
  bool IsKeyDown(int virtual_key) override;
  void SetTimer(ui::WidgetId timer, unsigned interval_ms, bool enabled) override;
  int ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) override;
  void RunMessageLoop() override {
    if (on_message_loop) on_message_loop();
  }
  void Terminate() override { terminated = true; }
  // Runs on_modal_loop (the test works the dialog there) and returns.
  void RunModalLoop(ui::WidgetId form) override;
  void EndModal(ui::WidgetId) override {}
  void ProcessMessages() override;
  std::unique_ptr<spreadsheet::AutomationObject> CreateAutomationObject(std::string_view prog_id) override;
  bool BringWindowToFront(std::string_view title) override;
  // Runs on_key_poll first, so that a test can press and release keys in a long job.
  bool IsKeyPressedNow(int virtual_key) override;
  std::unique_ptr<update::THTTPDown> CreateHttpDown(int slot) override {
    return http_down_factory ? http_down_factory(slot) : nullptr;
  }
  // Every reading is tick_step_ms later than the one before: by default a long job's
  // pacing lets every pump through, as if each item took a long time.
  std::uint64_t TickCount() override { return tick_count += tick_step_ms; }
  void SetCursor(ui::Cursor value) override { cursor = value; }
  bool ShellOpen(std::string_view target) override;
  void Beep() override { ++beeps; }

 private:

  std::map<ui::WidgetId, WidgetState> widgets_;
  ui::WidgetId next_id_ = 1;
};

}  // namespace headless
