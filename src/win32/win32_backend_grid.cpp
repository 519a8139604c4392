#include "win32/grid_window.h"
#include "win32/win32_backend.h"

namespace win32 {

// Widget ids are never reused, so a missing entry means the component has gone; the
// backend drops the entry before it destroys the window.
void Win32Backend::AttachGrid(ui::WidgetId grid, ui::GridModel& model) {
  AttachGridModel(At(grid).hwnd, model, [this, grid] { return entries_.count(grid) != 0; });
}

void Win32Backend::GridChanged(ui::WidgetId grid) { GridModelChanged(At(grid).hwnd); }

}  // namespace win32
