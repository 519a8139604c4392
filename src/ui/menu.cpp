#include "ui/menu.h"

#include "ui/backend.h"
#include "ui/form.h"

namespace ui {

TMainMenu::TMainMenu(TForm& form) : Widget(WidgetKind::kMenuBar, &form) {}

TMenuItem::TMenuItem(Widget& parent, int command, std::string_view caption,
                     std::string_view shortcut, int tag)
    : Widget(WidgetKind::kMenuItem, &parent), command_(command) {
  Tag = tag;
  backend().SetMenuCommand(Id(), command, shortcut);
  SetCaption(caption);
}

bool TMenuItem::Checked() const { return backend().GetCheckState(Id()) == CheckState::kChecked; }

void TMenuItem::SetChecked(bool checked) {
  backend().SetCheckState(Id(), checked ? CheckState::kChecked : CheckState::kUnchecked);
}

void TMenuItem::Click() {
  Event event{EventKind::kClick};
  Dispatch(event);
}

void TMenuItem::HandleEvent(Event& event) {
  if (event.kind == EventKind::kClick && Enabled() && OnClick) OnClick(*this);
}

}  // namespace ui
