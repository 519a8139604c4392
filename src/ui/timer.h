// A window-system timer owned by a form. Disabled timers do not fire.
#pragma once

#include "ui/not_in_core.h"

#include <functional>

#include "ui/widget.h"

namespace ui {

class TTimer : public Widget {
 public:
  TTimer(Widget& owner, unsigned interval_ms, bool enabled);

  std::function<void(TTimer& sender)> OnTimer;

  unsigned Interval() const { return interval_ms_; }
  void SetInterval(unsigned interval_ms);
  bool IsEnabled() const { return enabled_; }
  void SetTimerEnabled(bool enabled);

 protected:
  void HandleEvent(Event& event) override;

 private:
  unsigned interval_ms_;
  bool enabled_;
};

}  // namespace ui
