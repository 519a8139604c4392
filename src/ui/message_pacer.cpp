#include "ui/message_pacer.h"

#include "ui/application.h"
#include "ui/backend.h"

namespace ui {

MessagePacer::MessagePacer(std::uint64_t interval_ms)
    : interval_ms_(interval_ms), last_(Application().backend().TickCount()) {}

bool MessagePacer::Pump() {
  Backend& backend = Application().backend();
  if (backend.TickCount() - last_ < interval_ms_) return false;
  backend.ProcessMessages();
  last_ = backend.TickCount();
  return true;
}

}  // namespace ui
