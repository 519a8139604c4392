#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/controls.h"

namespace ui {

TForm::TForm(std::string_view class_name) : Widget(WidgetKind::kForm, nullptr, class_name) {}

void TForm::Show() {
  if (Visible()) return;
  if (OnShow) OnShow();
  if (Application().Terminated() && Application().MainForm() == this) return;
  SetVisible(true);
}

bool TForm::Close() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(can_close);
  if (!can_close) return false;
  if (OnClose) OnClose();
  SetVisible(false);
  if (modal_) {
    modal_ = false;
    backend().EndModal(Id());
  }
  if (Application().MainForm() == this) Application().Terminate();
  return true;
}

void TForm::ShowModal() {
  if (OnShow) OnShow();
  SetVisible(true);
  modal_ = true;
  backend().RunModalLoop(Id());
  if (modal_) {  // the loop ended without a close (the program is ending)
    modal_ = false;
    SetVisible(false);
  }
}

WindowState TForm::GetWindowState() const { return backend().GetWindowState(Id()); }
void TForm::SetWindowState(WindowState state) { backend().SetWindowState(Id(), state); }
Rect TForm::NormalBounds() const { return backend().GetNormalBounds(Id()); }
Rect TForm::ClientRect() const { return backend().GetClientRect(Id()); }

void TForm::MakeDialogFrame(int client_width, int client_height) {
  backend().MakeDialogFrame(Id(), client_width, client_height);
}

void TForm::SetMinClientSize(int width, int height) {
  backend().SetMinClientSize(Id(), width, height);
}

bool TForm::SelectNext(const TWinControl& from, bool forward) {
  const auto found = std::find(TabOrder.begin(), TabOrder.end(), &from);
  if (found == TabOrder.end()) return false;
  const int count = static_cast<int>(TabOrder.size());
  const int start = static_cast<int>(found - TabOrder.begin());
  for (int step = 1; step < count; ++step) {
    const int index = ((start + (forward ? step : -step)) % count + count) % count;
    TWinControl& next = *TabOrder[static_cast<size_t>(index)];
    if (next.Enabled() && next.Visible()) {
      next.SetFocus();
      break;
    }
  }
  return true;
}

void TForm::HandleEvent(Event& event) {
  switch (event.kind) {
    case EventKind::kCloseQuery:
      event.accept = Close();
      break;
    case EventKind::kActivate:
      if (OnActivate) OnActivate();
      break;
    case EventKind::kExitSizeMove:
      if (OnExitSizeMove) OnExitSizeMove();
      break;
    case EventKind::kResize:
      if (OnResize) OnResize();
      break;
    case EventKind::kMouseWheel:
      if (OnMouseWheel) OnMouseWheel(event.delta);
      break;
    case EventKind::kCopyData:
      if (OnCopyData && event.copy_data) OnCopyData(*event.copy_data);
      break;
    case EventKind::kAppDeactivate:
      if (OnAppDeactivate) OnAppDeactivate();
      break;
    default:
      break;
  }
}

}  // namespace ui
