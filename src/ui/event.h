// What a backend reports to a component: one small struct for every kind of event, so
// the backend interface stays one call wide.
#pragma once

#include "ui/not_in_core.h"

#include "ui/types.h"

namespace ui {

enum class EventKind {
  kClick,
  kDoubleClick,
  kChange,
  kShow,
  kActivate,
  kCloseQuery,  // `accept` may be cleared by the handler
  kTimer,
  kExitSizeMove,
  kResize,
  kKeyDown,     // `key` is a virtual-key code; the handler may set it to 0
  kKeyPress,    // `key` is a character byte; the handler may change or clear it
  kKeyUp,
  kMouseUp,
  kMouseWheel,  // `delta` as Windows reports it; positive = away from the user
  kMouseEnter,
  kMouseLeave,
  kEnter,       // the control received the focus
  kExit,        // the control lost the focus
  kDrawCell,    // `col`, `row`, `rect`, `selected`, `canvas`
  kCopyData,    // `copy_data`: a block another program sent the form
  kAppDeactivate,  // another program's window became active
};

class Canvas;
struct CopyData;

struct Event {
  explicit Event(EventKind event_kind) : kind(event_kind) {}

  EventKind kind;
  int key = 0;
  unsigned shift = 0;  // kShift*, see below
  bool accept = true;
  int delta = 0;
  int col = 0;
  int row = 0;
  Rect rect;
  bool selected = false;
  Canvas* canvas = nullptr;
  const CopyData* copy_data = nullptr;
};

inline constexpr unsigned kShiftShift = 1;
inline constexpr unsigned kShiftCtrl = 2;
inline constexpr unsigned kShiftAlt = 4;

}  // namespace ui
