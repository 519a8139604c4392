#include "ui/timer.h"

#include "ui/backend.h"

namespace ui {

TTimer::TTimer(Widget& owner, unsigned interval_ms, bool enabled)
    : Widget(WidgetKind::kTimer, &owner), interval_ms_(interval_ms), enabled_(enabled) {
  backend().SetTimer(Id(), interval_ms_, enabled_);
}

void TTimer::SetInterval(unsigned interval_ms) {
  interval_ms_ = interval_ms;
  backend().SetTimer(Id(), interval_ms_, enabled_);
}

void TTimer::SetTimerEnabled(bool enabled) {
  enabled_ = enabled;
  backend().SetTimer(Id(), interval_ms_, enabled_);
}

void TTimer::HandleEvent(Event& event) {
  if (event.kind == EventKind::kTimer && enabled_ && OnTimer) OnTimer(*this);
}

}  // namespace ui
