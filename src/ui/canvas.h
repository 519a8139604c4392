// What a cell-drawing handler paints with. The Win32 backend draws on a device context;
// the headless backend records each cell's background and text for tests.
#pragma once

#include "ui/not_in_core.h"

#include <string_view>

#include "ui/font.h"
#include "ui/types.h"

namespace ui {

enum class TextPlacement {
  kCentered,    // centred both ways, one line
  kLeftMargin,  // vertically centred, from `margin` pixels right of the left edge
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(Rect rect, Color color) = 0;
  // One line, clipped to `rect`; "&" is shown as itself.
  virtual void DrawCellText(Rect rect, std::string_view text, TextPlacement placement, int margin,
                        Color color) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
};

}  // namespace ui
