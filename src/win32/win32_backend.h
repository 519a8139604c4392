// The real window system behind the component layer: one HWND per form and control,
// menus rebuilt from their items, timers on a message-only window, and the message loop.
// Every window procedure forwards to the owning component through Widget::Dispatch.
#pragma once

#include "ui/not_in_core.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/widget.h"

namespace win32 {

class Win32Backend : public ui::Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;

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
  std::uintptr_t NativeHandle(ui::WidgetId id) override;
  void SetFont(ui::WidgetId id, const ui::Font& font) override;
  int TextWidth(ui::WidgetId id, std::string_view text) override;
  int TextHeight(ui::WidgetId id, std::string_view text) override;
  void Invalidate(ui::WidgetId id) override;
  void SetFocus(ui::WidgetId id) override;
  void SetInputMethodOpen(ui::WidgetId id, bool open) override;
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
  // Defined in win32_backend_grid.cpp.
  void AttachGrid(ui::WidgetId grid, ui::GridModel& model) override;
  void GridChanged(ui::WidgetId grid) override;
  bool ShowOpenDialog(ui::OpenDialogOptions& options) override;
  bool ShowFontDialog(ui::Font& font) override;
  // Defined in folder_dialog.cpp.
  bool ShowFolderDialog(std::string_view title, std::string& folder) override;
  void SetClipboardText(std::string_view text) override;
  std::string GetClipboardText() override;
  bool IsKeyDown(int virtual_key) override;
  void SetTimer(ui::WidgetId timer, unsigned interval_ms, bool enabled) override;
  int ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) override;
  void RunMessageLoop() override;
  void Terminate() override;
  void RunModalLoop(ui::WidgetId form) override;
  void EndModal(ui::WidgetId form) override;
  void ProcessMessages() override;
  std::uint64_t TickCount() override;
  void SetCursor(ui::Cursor cursor) override;
  bool ShellOpen(std::string_view target) override;
  void Beep() override;
  // Defined in win32_backend_automation.cpp.
  std::unique_ptr<spreadsheet::AutomationObject> CreateAutomationObject(std::string_view prog_id) override;
  bool BringWindowToFront(std::string_view title) override;
  bool IsKeyPressedNow(int virtual_key) override;
  std::unique_ptr<update::THTTPDown> CreateHttpDown(int slot) override;

 private:
  struct Entry {
    ui::WidgetKind kind{};
    ui::WidgetId parent = 0;
    ui::Widget* owner = nullptr;
    HWND hwnd = nullptr;
    std::string text;  // menu items keep their caption here
    bool enabled = true;
    bool visible = true;
    ui::CheckState check = ui::CheckState::kUnchecked;
    int command = 0;
    std::string shortcut;
    ui::WindowState pending_state = ui::WindowState::kNormal;
    std::vector<ui::WidgetId> children;
    HMENU menu_bar = nullptr;
    bool menu_rebuild_posted = false;
    HFONT font = nullptr;  // owned
    ui::Color font_color = 0;
    SIZE min_client{0, 0};  // forms: the smallest client area
    HWND buddy = nullptr;   // spin edits: their up-down arrows
    int progress_max = -1;  // the range a progress bar was last given
  };

  static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR id_value, DWORD_PTR);
  static LRESULT CALLBACK TimerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleFormMessage(ui::WidgetId id, HWND hwnd, UINT message, WPARAM wparam,
                            LPARAM lparam);

  Entry& At(ui::WidgetId id);
  void Fire(ui::WidgetId id, ui::EventKind kind);
  void RegisterFormClass(const std::wstring& class_name);
  HWND CreateControlWindow(ui::WidgetKind kind, HWND parent, ui::WidgetId id, ui::Widget& owner);
  HWND CreateSpinArrows(HWND edit);
  ui::WidgetId FormOf(ui::WidgetId id);
  bool IsMenuPart(ui::WidgetId id);
  void MenuChanged(ui::WidgetId id);
  void RebuildMenu(ui::WidgetId form);
  void AppendMenuItems(HMENU menu, ui::WidgetId parent, std::vector<ACCEL>& accelerators);
  bool TranslateShortcut(MSG& message);
  void DispatchOne(MSG& message);
  ui::WidgetId FindCommand(int command);

  HINSTANCE instance_;
  HWND timer_window_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HWND accelerator_window_ = nullptr;
  std::map<ui::WidgetId, Entry> entries_;
  std::vector<ui::WidgetId> modal_forms_;  // innermost last
  std::vector<std::wstring> registered_classes_;
  ui::WidgetId next_id_ = 1;
  bool growing_ = false;  // a form is being made high enough for its least client area
};

}  // namespace win32
