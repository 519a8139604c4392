// Plain value types shared by the component layer and its backends.
#pragma once

#include "ui/not_in_core.h"

#include <cstdint>

namespace ui {

// Identifies a widget inside a backend; 0 is "none".
using WidgetId = std::uint32_t;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

// The values are the ones the settings file stores.
enum class WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

enum class Cursor { kDefault, kHourGlass };

enum class WidgetKind {
  kForm,
  kMenuBar,
  kMenuItem,
  kButton,
  kCheckBox,
  kThreeStateCheckBox,
  kRadioButton,
  kEdit,
  kSpinEdit,  // an edit box with up and down arrows for a number
  kComboBox,
  kLabel,
  kPanel,
  kGroupBox,
  kProgressBar,
  kStatusBar,
  kImage,  // the program's picture
  kDrawGrid,
  kTimer,
};

// Check state of check boxes and radio buttons (a three-state box can be greyed).
enum class CheckState { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

}  // namespace ui
