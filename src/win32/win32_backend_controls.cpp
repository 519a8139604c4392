// The control-specific services of the Win32 backend: fonts and text measurement,
// combo boxes, edits and status bars.
#include "win32/win32_backend.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>

#include "win32/font_choice.h"
#include "win32/grid_window.h"
#include "win32/wide_text.h"

namespace win32 {

void Win32Backend::SetFont(ui::WidgetId id, const ui::Font& font) {
  Entry& entry = At(id);
  const LOGFONTW log_font = UsableLogFont(Wide(font.name), font.size, font.style);
  HFONT created = CreateFontIndirectW(&log_font);
  if (created == nullptr) return;
  HFONT old = entry.font;
  entry.font = created;
  entry.font_color = font.color;
  if (entry.hwnd) {
    SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    if (entry.kind == ui::WidgetKind::kDrawGrid) {
      SendMessageW(entry.hwnd, kGridSetFontColor, static_cast<WPARAM>(font.color), 0);
    }
    InvalidateRect(entry.hwnd, nullptr, TRUE);
  }
  if (old) DeleteObject(old);
}

int Win32Backend::TextWidth(ui::WidgetId id, std::string_view text) {
  Entry& entry = At(id);
  HDC dc = GetDC(entry.hwnd);
  HGDIOBJ previous = entry.font ? SelectObject(dc, entry.font) : nullptr;
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  if (previous) SelectObject(dc, previous);
  ReleaseDC(entry.hwnd, dc);
  return size.cx;
}

int Win32Backend::TextHeight(ui::WidgetId id, std::string_view text) {
  Entry& entry = At(id);
  HDC dc = GetDC(entry.hwnd);
  HGDIOBJ previous = entry.font ? SelectObject(dc, entry.font) : nullptr;
  const std::wstring wide = Wide(text.empty() ? std::string_view("X") : text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  if (previous) SelectObject(dc, previous);
  ReleaseDC(entry.hwnd, dc);
  return size.cy;
}

void Win32Backend::Invalidate(ui::WidgetId id) {
  if (HWND hwnd = At(id).hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}

void Win32Backend::SetFocus(ui::WidgetId id) {
  if (HWND hwnd = At(id).hwnd) ::SetFocus(hwnd);
}

void Win32Backend::SetInputMethodOpen(ui::WidgetId id, bool open) {
  HWND hwnd = At(id).hwnd;
  if (hwnd == nullptr) return;
  // Without an input method (no Japanese keyboard installed) there is no context.
  if (HIMC context = ImmGetContext(hwnd)) {
    ImmSetOpenStatus(context, open);
    ImmReleaseContext(hwnd, context);
  }
}

void Win32Backend::SetItems(ui::WidgetId combo, const std::vector<std::string>& items) {
  HWND hwnd = At(combo).hwnd;
  SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  }
}

std::vector<std::string> Win32Backend::GetItems(ui::WidgetId combo) {
  HWND hwnd = At(combo).hwnd;
  std::vector<std::string> items;
  const auto count = SendMessageW(hwnd, CB_GETCOUNT, 0, 0);
  for (LRESULT n = 0; n < count; ++n) {
    const auto length = SendMessageW(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(n), 0);
    std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
    SendMessageW(hwnd, CB_GETLBTEXT, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length < 0 ? 0 : length));
    items.push_back(Narrow(text));
  }
  return items;
}

void Win32Backend::SetItemIndex(ui::WidgetId combo, int index) {
  SendMessageW(At(combo).hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32Backend::GetItemIndex(ui::WidgetId combo) {
  return static_cast<int>(SendMessageW(At(combo).hwnd, CB_GETCURSEL, 0, 0));
}

void Win32Backend::SetCaret(ui::WidgetId edit, int offset) {
  // The edit counts UTF-16 units; the program counts code page 932 bytes.
  const std::string text = GetText(edit);
  const size_t bytes = std::min(text.size(), static_cast<size_t>(std::max(offset, 0)));
  const auto position = static_cast<WPARAM>(Wide(std::string_view(text).substr(0, bytes)).size());
  SendMessageW(At(edit).hwnd, EM_SETSEL, position, static_cast<LPARAM>(position));
}

void Win32Backend::SetProgress(ui::WidgetId bar, int max, int position) {
  Entry& entry = At(bar);
  // A new range repaints the whole bar: only when it changed.
  if (entry.progress_max != max) {
    entry.progress_max = max;
    SendMessageW(entry.hwnd, PBM_SETRANGE32, 0, max);
  }
  SendMessageW(entry.hwnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32Backend::SetReadOnly(ui::WidgetId edit, bool read_only) {
  SendMessageW(At(edit).hwnd, EM_SETREADONLY, read_only, 0);
}

void Win32Backend::SetStatusPanels(ui::WidgetId status_bar, const std::vector<int>& widths) {
  std::vector<int> right_edges;
  int right = 0;
  for (int width : widths) {
    right = width < 0 ? -1 : right + width;
    right_edges.push_back(right);
  }
  SendMessageW(At(status_bar).hwnd, SB_SETPARTS, right_edges.size(),
               reinterpret_cast<LPARAM>(right_edges.data()));
}

void Win32Backend::SetStatusText(ui::WidgetId status_bar, int panel, std::string_view text) {
  // A leading tab centres the text; the first panel is centred.
  const std::wstring wide = (panel == 0 ? L"\t" : L"") + Wide(text);
  SendMessageW(At(status_bar).hwnd, SB_SETTEXTW, static_cast<WPARAM>(panel),
               reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string Win32Backend::GetStatusText(ui::WidgetId status_bar, int panel) {
  HWND hwnd = At(status_bar).hwnd;
  const auto length = LOWORD(SendMessageW(hwnd, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(hwnd, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  if (!text.empty() && text.front() == L'\t') text.erase(0, 1);
  return Narrow(text);
}

}  // namespace win32
