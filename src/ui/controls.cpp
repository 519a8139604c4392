#include "ui/controls.h"

#include <algorithm>

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace ui {

TWinControl::TWinControl(WidgetKind kind, Widget& parent) : Widget(kind, &parent) {}

void TWinControl::SetFont(const Font& font) {
  font_ = font;
  backend().SetFont(Id(), font);
}

int TWinControl::TextWidth(std::string_view text) const { return backend().TextWidth(Id(), text); }
int TWinControl::TextHeight(std::string_view text) const {
  return backend().TextHeight(Id(), text);
}
void TWinControl::SetFocus() { backend().SetFocus(Id()); }
void TWinControl::Invalidate() { backend().Invalidate(Id()); }

TForm* TWinControl::OwningForm() const {
  for (Widget* widget = Parent(); widget != nullptr; widget = widget->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(widget)) return form;
  }
  return nullptr;
}

// Tab and Shift+Tab go through the form's tab order; the character that follows the key
// is not for the control that has the focus then.
bool TWinControl::TabKey(const Event& event) {
  if (event.key != kVkTab || (event.shift & (kShiftCtrl | kShiftAlt)) != 0) return false;
  TForm* form = OwningForm();
  if (event.kind == EventKind::kKeyPress) {
    return form != nullptr && !form->TabOrder.empty();
  }
  return form != nullptr && form->SelectNext(*this, (event.shift & kShiftShift) == 0);
}

void TWinControl::HandleEvent(Event& event) {
  switch (event.kind) {
    case EventKind::kClick:
      if (OnClick) OnClick(*this);
      break;
    case EventKind::kDoubleClick:
      if (OnDblClick) OnDblClick(*this);
      break;
    case EventKind::kChange:
      if (OnChange) OnChange(*this);
      break;
    case EventKind::kEnter:
      if (OnEnter) OnEnter(*this);
      break;
    case EventKind::kExit:
      if (OnExit) OnExit(*this);
      break;
    case EventKind::kKeyDown:
      if (OnKeyDown) OnKeyDown(*this, event.key, event.shift);
      if (TabKey(event)) event.key = 0;
      break;
    case EventKind::kKeyPress:
      if (TabKey(event)) {
        event.key = 0;
        break;
      }
      if (OnKeyPress) OnKeyPress(*this, event.key);
      break;
    case EventKind::kKeyUp:
      if (OnKeyUp) OnKeyUp(*this, event.key, event.shift);
      break;
    default:
      break;
  }
}

void TButton::Click() {
  Event event{EventKind::kClick};
  Dispatch(event);
}

void TCheckBox::SetChecked(bool checked) {
  SetState(checked ? CheckState::kChecked : CheckState::kUnchecked);
}

CheckState TCheckBox::State() const { return backend().GetCheckState(Id()); }
void TCheckBox::SetState(CheckState state) { backend().SetCheckState(Id(), state); }

bool TRadioButton::Checked() const { return backend().GetCheckState(Id()) == CheckState::kChecked; }

void TRadioButton::SetChecked(bool checked) {
  backend().SetCheckState(Id(), checked ? CheckState::kChecked : CheckState::kUnchecked);
}

void TProgressBar::SetMax(int max) {
  max_ = max;
  width_ = Bounds().width;
  shown_position_ = position_;
  backend().SetProgress(Id(), max_, position_);
}

long long TProgressBar::PixelOf(int position) const {
  return max_ > 0 ? static_cast<long long>(position) * std::max(width_, 1) / max_ : position;
}

void TProgressBar::SetPosition(int position) {
  if (position == position_) return;
  position_ = position;
  const bool at_an_end = position <= 0 || position >= max_;
  if (!at_an_end) {
    if (PixelOf(position) == PixelOf(shown_position_)) return;
    if (backend().TickCount() - shown_at_ < kRepaintIntervalMs) return;
  }
  shown_position_ = position;
  shown_at_ = backend().TickCount();
  backend().SetProgress(Id(), max_, position_);
}

void TEdit::SetReadOnly(bool read_only) { backend().SetReadOnly(Id(), read_only); }
void TEdit::SetCaret(int offset) { backend().SetCaret(Id(), offset); }

std::vector<std::string> TComboBox::Items() const { return backend().GetItems(Id()); }
void TComboBox::SetItems(const std::vector<std::string>& items) { backend().SetItems(Id(), items); }
int TComboBox::ItemIndex() const { return backend().GetItemIndex(Id()); }
void TComboBox::SetItemIndex(int index) { backend().SetItemIndex(Id(), index); }

void TStatusBar::SetPanels(const std::vector<int>& widths) {
  widths_ = widths;
  backend().SetStatusPanels(Id(), widths_);
}

void TStatusBar::SetPanelWidth(int panel, int width) {
  if (panel < 0 || static_cast<size_t>(panel) >= widths_.size()) return;
  widths_[static_cast<size_t>(panel)] = width;
  backend().SetStatusPanels(Id(), widths_);
}

std::string TStatusBar::PanelText(int panel) const { return backend().GetStatusText(Id(), panel); }

void TStatusBar::SetPanelText(int panel, std::string_view text) {
  backend().SetStatusText(Id(), panel, text);
}

}  // namespace ui
