#include "win32/grid_window.h"

#include <windowsx.h>

#include <utility>
#include <vector>

#include "ui/event.h"
#include "ui/grid_navigation.h"
#include "win32/gdi_canvas.h"
#include "win32/shift_state.h"

namespace win32 {
namespace {

constexpr wchar_t kGridClassName[] = L"SorvanoDrawGrid";

ATOM g_grid_class = 0;

class GridWindow {
 public:
  GridWindow(HWND hwnd, ui::Widget& owner) : hwnd_(hwnd), owner_(owner) {}

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static GridWindow* From(HWND hwnd);

  void Attach(ui::GridModel& model, std::function<bool()> owner_alive);
  // Clamps the model to the window, sets the scroll bars and repaints.
  void Refresh();

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool Live();
  ui::GridArea Area();
  void Fire(ui::Event& event);
  void Fire(ui::EventKind kind);
  void UpdateScrollBars();
  void Paint();
  void PaintCells(HDC dc, const RECT& update);
  void Scroll(int bar, WPARAM wparam);
  void KeyDown(WPARAM wparam);
  void ButtonDown(int x, int y, bool double_click);
  void MouseMove(int x);
  bool SetSizingCursor();

  HWND hwnd_;
  ui::Widget& owner_;
  ui::GridModel* model_ = nullptr;
  std::function<bool()> owner_alive_;
  HFONT font_ = nullptr;  // owned by whoever sent WM_SETFONT
  ui::Color font_color_ = ui::kClWindowText;
  bool tracking_mouse_ = false;
  bool updating_scroll_bars_ = false;
  int sizing_col_ = -1;
  int sizing_start_x_ = 0;
  int sizing_start_width_ = 0;
};

void RegisterGridClass(HINSTANCE instance) {
  if (g_grid_class != 0) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = GridWindow::Proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kGridClassName;
  g_grid_class = RegisterClassExW(&window_class);
}

LRESULT CALLBACK GridWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  GridWindow* window = From(hwnd);
  if (window == nullptr && message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    window = new GridWindow(hwnd, *static_cast<ui::Widget*>(create->lpCreateParams));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete window;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return window->Handle(message, wparam, lparam);
}

GridWindow* GridWindow::From(HWND hwnd) {
  if (hwnd == nullptr || g_grid_class == 0 ||
      GetClassLongW(hwnd, GCW_ATOM) != static_cast<DWORD>(g_grid_class)) {
    return nullptr;
  }
  return reinterpret_cast<GridWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void GridWindow::Attach(ui::GridModel& model, std::function<bool()> owner_alive) {
  model_ = &model;
  owner_alive_ = std::move(owner_alive);
  Refresh();
}

bool GridWindow::Live() {
  if (model_ != nullptr && owner_alive_ && !owner_alive_()) {
    model_ = nullptr;
    owner_alive_ = nullptr;
  }
  return model_ != nullptr;
}

// The client area, which the model also keeps for the component's own calculations.
ui::GridArea GridWindow::Area() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const ui::GridArea area{client.right - client.left, client.bottom - client.top};
  if (model_ != nullptr) {
    model_->client_width = area.width;
    model_->client_height = area.height;
  }
  return area;
}

void GridWindow::Fire(ui::Event& event) {
  if (Live()) owner_.Dispatch(event);
}

void GridWindow::Fire(ui::EventKind kind) {
  ui::Event event{kind};
  Fire(event);
}

void GridWindow::Refresh() {
  if (!Live()) return;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void SetBar(HWND hwnd, int bar, const ui::ScrollBarState& state) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = state.max;
  info.nPage = static_cast<UINT>(state.page);
  info.nPos = state.pos;
  SetScrollInfo(hwnd, bar, &info, TRUE);
}

void GridWindow::UpdateScrollBars() {
  if (updating_scroll_bars_) return;
  updating_scroll_bars_ = true;
  // Showing or hiding a bar changes the client area, which can change the other bar.
  for (int pass = 0; pass < 3; ++pass) {
    const ui::GridArea area = Area();
    ui::ClampGrid(*model_, area);
    SetBar(hwnd_, SB_VERT, ui::VerticalScrollBar(*model_, area));
    SetBar(hwnd_, SB_HORZ, ui::HorizontalScrollBar(*model_, area));
    const ui::GridArea after = Area();
    if (after.width == area.width && after.height == area.height) break;
  }
  updating_scroll_bars_ = false;
}

void GridWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right > 0 && client.bottom > 0) {
    // Drawn off screen first and copied in one go, so the cells never flicker.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    FillRect(memory, &client, GetSysColorBrush(COLOR_WINDOW));
    if (Live()) PaintCells(memory, paint.rcPaint);
    BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
           paint.rcPaint.bottom - paint.rcPaint.top, memory, paint.rcPaint.left,
           paint.rcPaint.top, SRCCOPY);
    SelectObject(memory, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
  }
  EndPaint(hwnd_, &paint);
}

// Only the cells shown are drawn, row by row: the program prepares one row's data when
// the row's first cell is drawn and reuses it for the rest of the row.
void GridWindow::PaintCells(HDC dc, const RECT& update) {
  const ui::GridArea area = Area();
  const ui::GridModel grid = *model_;  // a handler must not move the grid under the loop
  const std::vector<ui::GridSpan> rows = ui::ShownRows(grid, area);
  const std::vector<ui::GridSpan> cols = ui::ShownCols(grid, area);
  HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT);
  HGDIOBJ old_font = SelectObject(dc, font);
  GdiCanvas canvas(dc);
  RECT focus{};
  bool focus_shown = false;
  for (const ui::GridSpan& row : rows) {
    if (row.start >= update.bottom || row.start + row.size <= update.top) continue;
    for (const ui::GridSpan& col : cols) {
      if (col.start >= update.right || col.start + col.size <= update.left) continue;
      const RECT cell{col.start, row.start, col.start + col.size, row.start + row.size};
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
      SetTextColor(dc, ColorRefOf(font_color_));
      ui::Event event{ui::EventKind::kDrawCell};
      event.col = col.index;
      event.row = row.index;
      event.rect = {col.start, row.start, col.size, row.size};
      event.selected = col.index == grid.col && row.index == grid.row;
      event.canvas = &canvas;
      Fire(event);
      RestoreDC(dc, saved);
      if (col.index < grid.fixed_cols || row.index < grid.fixed_rows) {
        RECT edge = cell;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
      }
      if (event.selected) {
        focus = cell;
        focus_shown = true;
      }
    }
  }
  if (focus_shown && GetFocus() == hwnd_) DrawFocusRect(dc, &focus);
  SelectObject(dc, old_font);
}

void GridWindow::Scroll(int bar, WPARAM wparam) {
  ui::ScrollRequest request = ui::ScrollRequest::kTo;
  int pos = 0;
  switch (LOWORD(wparam)) {
    case SB_LINEUP:
      request = ui::ScrollRequest::kLineBack;
      break;
    case SB_LINEDOWN:
      request = ui::ScrollRequest::kLineForward;
      break;
    case SB_PAGEUP:
      request = ui::ScrollRequest::kPageBack;
      break;
    case SB_PAGEDOWN:
      request = ui::ScrollRequest::kPageForward;
      break;
    case SB_TOP:
      request = ui::ScrollRequest::kFirst;
      break;
    case SB_BOTTOM:
      request = ui::ScrollRequest::kLast;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit track position: the message itself carries only 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd_, bar, &info);
      pos = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (!Live()) return;
  if (bar == SB_VERT) {
    ui::ScrollRows(*model_, Area(), request, pos);
  } else {
    ui::ScrollCols(*model_, Area(), request, pos);
  }
  Refresh();
  UpdateWindow(hwnd_);  // follow the thumb while it is dragged
}

void GridWindow::KeyDown(WPARAM wparam) {
  ui::Event event{ui::EventKind::kKeyDown};
  event.key = static_cast<int>(wparam);
  event.shift = ShiftState();
  Fire(event);
  if (event.key == 0 || !Live()) return;
  if (ui::ApplyNavigationKey(*model_, Area(), event.key, event.shift)) Refresh();
}

void GridWindow::ButtonDown(int x, int y, bool double_click) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (!Live()) return;
  const ui::GridArea area = Area();
  if (!double_click) {
    const int edge = ui::ColumnEdgeAt(*model_, area, x, y);
    if (edge >= 0) {
      sizing_col_ = edge;
      sizing_start_x_ = x;
      sizing_start_width_ = ui::ShownColumnWidth(*model_, area, edge);
      SetCapture(hwnd_);
      return;
    }
  }
  const ui::GridCell cell = ui::CellAt(*model_, area, x, y);
  if (cell.col >= model_->fixed_cols && cell.row >= model_->fixed_rows) {
    ui::FocusCell(*model_, area, cell.col, cell.row);
    Refresh();
  }
  if (double_click) Fire(ui::EventKind::kDoubleClick);
}

void GridWindow::MouseMove(int x) {
  if (!tracking_mouse_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd_;
    TrackMouseEvent(&track);
    tracking_mouse_ = true;
    Fire(ui::EventKind::kMouseEnter);
  }
  if (sizing_col_ >= 0 && Live()) {
    ui::DragColumnWidth(*model_, sizing_col_, sizing_start_width_ + x - sizing_start_x_);
    Refresh();
    UpdateWindow(hwnd_);
  }
}

bool GridWindow::SetSizingCursor() {
  if (!Live()) return false;
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(hwnd_, &point);
  if (sizing_col_ < 0 && ui::ColumnEdgeAt(*model_, Area(), point.x, point.y) < 0) return false;
  SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
  return true;
}

LRESULT GridWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      RECT client{};
      GetClientRect(hwnd_, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
      if (Live()) PaintCells(dc, client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_SIZE:
      Refresh();
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, wparam);
      return 0;
    case WM_HSCROLL:
      Scroll(SB_HORZ, wparam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      KeyDown(wparam);
      return 0;
    case WM_SYSKEYDOWN:
      // Alt+Down reaches the program too; the default handling keeps Alt+letter menus
      // and keeps a lone Alt release from opening the menu after such a key.
      KeyDown(wparam);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      ui::Event event{ui::EventKind::kKeyUp};
      event.key = static_cast<int>(wparam);
      event.shift = ShiftState();
      Fire(event);
      if (message == WM_KEYUP) return 0;
      break;
    }
    case WM_LBUTTONDOWN:
      ButtonDown(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), false);
      return 0;
    case WM_LBUTTONDBLCLK:
      ButtonDown(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), true);
      return 0;
    case WM_LBUTTONUP:
      if (sizing_col_ >= 0) {
        sizing_col_ = -1;
        ReleaseCapture();
      }
      Fire(ui::EventKind::kMouseUp);
      return 0;
    case WM_CAPTURECHANGED:
      sizing_col_ = -1;
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(GET_X_LPARAM(lparam));
      return 0;
    case WM_MOUSELEAVE:
      tracking_mouse_ = false;
      Fire(ui::EventKind::kMouseLeave);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && SetSizingCursor()) return TRUE;
      break;
    case WM_MOUSEWHEEL: {
      ui::Event event{ui::EventKind::kMouseWheel};
      event.delta = GET_WHEEL_DELTA_WPARAM(wparam);
      event.shift = ShiftState();
      Fire(event);
      return 0;
    }
    case WM_SETFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      Fire(ui::EventKind::kEnter);
      return 0;
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      Fire(ui::EventKind::kExit);
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case kGridSetFontColor:
      font_color_ = static_cast<ui::Color>(wparam);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace

HWND CreateGridWindow(HINSTANCE instance, HWND parent, ui::Widget& owner, ui::WidgetId id) {
  RegisterGridClass(instance);
  return CreateWindowExW(WS_EX_CLIENTEDGE, kGridClassName, L"",
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, 0, 0, 10,
                         10, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance,
                         &owner);
}

void AttachGridModel(HWND grid, ui::GridModel& model, std::function<bool()> owner_alive) {
  if (GridWindow* window = GridWindow::From(grid)) window->Attach(model, std::move(owner_alive));
}

void GridModelChanged(HWND grid) {
  if (GridWindow* window = GridWindow::From(grid)) window->Refresh();
}

}  // namespace win32
