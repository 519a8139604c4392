// A Canvas on a GDI device context: what a grid cell's drawing handler paints with in
// the real program. Text arrives as code page 932 and is drawn through the wide API.
#pragma once

#include "ui/not_in_core.h"

#include <windows.h>

#include "ui/canvas.h"

namespace win32 {

// A ui::Color as GDI takes it; system colours are looked up now.
COLORREF ColorRefOf(ui::Color color);

class GdiCanvas : public ui::Canvas {
 public:
  // Draws on `dc` with the font selected into it; the caller keeps the DC.
  explicit GdiCanvas(HDC dc) : dc_(dc) {}

  void FillRect(ui::Rect rect, ui::Color color) override;
  void DrawCellText(ui::Rect rect, std::string_view text, ui::TextPlacement placement, int margin,
                ui::Color color) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;

 private:
  SIZE Extent(std::string_view text);

  HDC dc_;
};

}  // namespace win32
