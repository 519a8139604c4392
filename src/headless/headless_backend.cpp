#include "headless/headless_backend.h"

#include <algorithm>
#include <stdexcept>

#include "ui/message_box.h"

namespace headless {

using ui::WidgetId;

HeadlessBackend::WidgetState& HeadlessBackend::At(WidgetId id) {
  auto found = widgets_.find(id);
  if (found == widgets_.end()) throw std::logic_error("unknown widget");
  return found->second;
}

const HeadlessBackend::WidgetState* HeadlessBackend::Find(WidgetId id) const {
  auto found = widgets_.find(id);
  return found == widgets_.end() ? nullptr : &found->second;
}

ui::Widget* HeadlessBackend::FindCommand(int command) const {
  for (const auto& [id, state] : widgets_) {
    if (state.kind == ui::WidgetKind::kMenuItem && state.command == command) return state.owner;
  }
  return nullptr;
}

void HeadlessBackend::Fire(WidgetId id, ui::EventKind kind) {
  ui::Event event{kind};
  At(id).owner->Dispatch(event);
}

WidgetId HeadlessBackend::CreateWidget(ui::WidgetKind kind, WidgetId parent, ui::Widget& owner,
                                       std::string_view class_name) {
  WidgetId id = next_id_++;
  WidgetState state;
  state.kind = kind;
  state.parent = parent;
  state.owner = &owner;
  state.class_name = class_name;
  state.visible = kind != ui::WidgetKind::kForm;
  widgets_.emplace(id, state);
  return id;
}

void HeadlessBackend::DestroyWidget(WidgetId id) { widgets_.erase(id); }
void HeadlessBackend::SetText(WidgetId id, std::string_view text) { At(id).text = text; }
std::string HeadlessBackend::GetText(WidgetId id) { return At(id).text; }
void HeadlessBackend::SetEnabled(WidgetId id, bool enabled) { At(id).enabled = enabled; }
bool HeadlessBackend::GetEnabled(WidgetId id) { return At(id).enabled; }
void HeadlessBackend::SetVisible(WidgetId id, bool visible) { At(id).visible = visible; }
bool HeadlessBackend::GetVisible(WidgetId id) { return At(id).visible; }
void HeadlessBackend::SetCheckState(WidgetId id, ui::CheckState state) { At(id).check = state; }
ui::CheckState HeadlessBackend::GetCheckState(WidgetId id) { return At(id).check; }

void HeadlessBackend::SetBounds(WidgetId id, ui::Rect bounds) {
  WidgetState& state = At(id);
  state.bounds = bounds;
  if (state.window_state == ui::WindowState::kNormal) state.normal_bounds = bounds;
}

ui::Rect HeadlessBackend::GetBounds(WidgetId id) { return At(id).bounds; }

void HeadlessBackend::SetMenuCommand(WidgetId item, int command, std::string_view shortcut_text) {
  At(item).command = command;
  At(item).shortcut = shortcut_text;
}

void HeadlessBackend::SetWindowState(WidgetId form, ui::WindowState state) {
  At(form).window_state = state;
}

ui::WindowState HeadlessBackend::GetWindowState(WidgetId form) { return At(form).window_state; }
ui::Rect HeadlessBackend::GetNormalBounds(WidgetId form) { return At(form).normal_bounds; }

// A frame of 8 pixels on either side, and a caption and menu bar of 40 on top of that.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

void HeadlessBackend::MakeDialogFrame(WidgetId form, int client_width, int client_height) {
  SetBounds(form, {0, 0, client_width + kFrameWidth, client_height + kFrameHeight});
}

void HeadlessBackend::SetMinClientSize(WidgetId form, int width, int height) {
  At(form).min_client = {0, 0, width, height};
}

ui::Rect HeadlessBackend::GetClientRect(WidgetId form) {
  const ui::Rect bounds = At(form).bounds;
  return {0, 0, std::max(0, bounds.width - kFrameWidth), std::max(0, bounds.height - kFrameHeight)};
}

void HeadlessBackend::SetTimer(WidgetId timer, unsigned interval_ms, bool enabled) {
  At(timer).interval_ms = interval_ms;
  At(timer).enabled = enabled;
}

int HeadlessBackend::ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  message_boxes.push_back({std::string(text), std::string(caption), flags});
  if (!message_box_answers.empty()) {
    int answer = message_box_answers.front();
    message_box_answers.pop_front();
    return answer;
  }
  switch (flags & ui::kMbButtonMask) {
    case ui::kMbYesNo:
    case ui::kMbYesNoCancel:
      return ui::kIdYes;
    default:
      return ui::kIdOk;
  }
}

void HeadlessBackend::RunModalLoop(WidgetId form) {
  if (on_modal_loop) on_modal_loop(form);
}

void HeadlessBackend::ProcessMessages() {
  if (on_process_messages) on_process_messages();
}

bool HeadlessBackend::ShellOpen(std::string_view target) {
  shell_opens.emplace_back(target);
  return shell_open_succeeds;
}

}  // namespace headless

namespace headless {

// Fixed metrics so that layout tests do not depend on fonts: 8 pixels a byte, a line
// as high as the font's point size plus 4.
int HeadlessBackend::TextWidth(WidgetId, std::string_view text) {
  return static_cast<int>(text.size()) * 8;
}

int HeadlessBackend::TextHeight(WidgetId id, std::string_view) { return At(id).font.size + 4; }

void HeadlessBackend::SetFont(WidgetId id, const ui::Font& font) { At(id).font = font; }
void HeadlessBackend::Invalidate(WidgetId id) { ++At(id).invalidations; }
void HeadlessBackend::SetFocus(WidgetId id) { focused = id; }

void HeadlessBackend::SetItems(WidgetId combo, const std::vector<std::string>& items) {
  At(combo).items = items;
  At(combo).item_index = -1;
}

std::vector<std::string> HeadlessBackend::GetItems(WidgetId combo) { return At(combo).items; }

void HeadlessBackend::SetItemIndex(WidgetId combo, int index) {
  WidgetState& state = At(combo);
  state.item_index = index >= 0 && index < static_cast<int>(state.items.size()) ? index : -1;
}

int HeadlessBackend::GetItemIndex(WidgetId combo) { return At(combo).item_index; }
void HeadlessBackend::SetReadOnly(WidgetId edit, bool read_only) { At(edit).read_only = read_only; }

void HeadlessBackend::SetCaret(WidgetId edit, int offset) { At(edit).caret = offset; }

void HeadlessBackend::SetProgress(WidgetId bar, int max, int position) {
  At(bar).progress_max = max;
  At(bar).progress_position = position;
  ++At(bar).progress_updates;
}

void HeadlessBackend::SetStatusPanels(WidgetId status_bar, const std::vector<int>& widths) {
  At(status_bar).panel_widths = widths;
  At(status_bar).panel_texts.resize(widths.size());
}

void HeadlessBackend::SetStatusText(WidgetId status_bar, int panel, std::string_view text) {
  auto& texts = At(status_bar).panel_texts;
  if (panel < 0) return;
  if (static_cast<size_t>(panel) >= texts.size()) texts.resize(static_cast<size_t>(panel) + 1);
  texts[static_cast<size_t>(panel)] = text;
}

std::string HeadlessBackend::GetStatusText(WidgetId status_bar, int panel) {
  const auto& texts = At(status_bar).panel_texts;
  return panel >= 0 && static_cast<size_t>(panel) < texts.size() ? texts[static_cast<size_t>(panel)]
                                                                  : std::string();
}

}  // namespace headless

namespace headless {

bool HeadlessBackend::ShowOpenDialog(ui::OpenDialogOptions& options) {
  open_dialogs.push_back(options);
  if (open_dialog_answers.empty()) return false;
  std::optional<std::string> answer = open_dialog_answers.front();
  open_dialog_answers.pop_front();
  if (!answer) return false;
  options.file_name = *answer;
  return true;
}

bool HeadlessBackend::ShowFontDialog(ui::Font& font) {
  if (font_dialog_answers.empty()) return false;
  std::optional<ui::Font> answer = font_dialog_answers.front();
  font_dialog_answers.pop_front();
  if (!answer) return false;
  font = *answer;
  return true;
}

bool HeadlessBackend::ShowFolderDialog(std::string_view, std::string& folder) {
  folder_dialogs.push_back(folder);
  if (folder_dialog_answers.empty()) return false;
  std::optional<std::string> answer = folder_dialog_answers.front();
  folder_dialog_answers.pop_front();
  if (!answer) return false;
  folder = *answer;
  return true;
}

void HeadlessBackend::SetClipboardText(std::string_view text) { clipboard = text; }
std::string HeadlessBackend::GetClipboardText() { return clipboard; }
bool HeadlessBackend::IsKeyDown(int virtual_key) { return keys_down.count(virtual_key) != 0; }

}  // namespace headless
