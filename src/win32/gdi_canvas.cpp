#include "win32/gdi_canvas.h"

#include <string>

#include "win32/wide_text.h"

namespace win32 {
namespace {

RECT RectOf(ui::Rect rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

}  // namespace

COLORREF ColorRefOf(ui::Color color) {
  if (color & ui::kSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0x00FFFFFF);
}

void GdiCanvas::FillRect(ui::Rect rect, ui::Color color) {
  const RECT area = RectOf(rect);
  HGDIOBJ old_brush = SelectObject(dc_, GetStockObject(DC_BRUSH));
  SetDCBrushColor(dc_, ColorRefOf(color));
  ::FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SelectObject(dc_, old_brush);
}

void GdiCanvas::DrawCellText(ui::Rect rect, std::string_view text, ui::TextPlacement placement,
                         int margin, ui::Color color) {
  RECT area = RectOf(rect);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (placement == ui::TextPlacement::kCentered) {
    format |= DT_CENTER;
  } else {
    area.left += margin;
  }
  const std::wstring wide = Wide(text);
  SetTextColor(dc_, ColorRefOf(color));
  SetBkMode(dc_, TRANSPARENT);
  // Without DT_NOCLIP the text stays inside the cell.
  DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

SIZE GdiCanvas::Extent(std::string_view text) {
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int GdiCanvas::TextWidth(std::string_view text) { return Extent(text).cx; }
int GdiCanvas::TextHeight(std::string_view text) { return Extent(text).cy; }

}  // namespace win32
