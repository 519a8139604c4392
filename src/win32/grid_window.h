// The drawn grid's window class: paints the shown cells through the owner's drawing
// events (double-buffered), scrolls, moves the focused cell by key and mouse, lets the
// user widen columns in the title row, and reports keys, clicks, the wheel, focus and
// the mouse entering and leaving to the owning component. Layout and navigation are the
// portable rules of ui/grid_navigation, so the headless grid behaves the same.
#pragma once

#include "ui/not_in_core.h"

#include <windows.h>

#include <functional>

#include "ui/grid_model.h"
#include "ui/widget.h"

namespace win32 {

// Sets the colour of the grid's font: wParam = the ui::Color.
inline constexpr UINT kGridSetFontColor = WM_APP + 20;

// A child window of the grid class with the control id `id`; it raises its events on
// `owner` once a model is attached.
HWND CreateGridWindow(HINSTANCE instance, HWND parent, ui::Widget& owner, ui::WidgetId id);

// Shows `model` in a grid window. `owner_alive` says whether the owner still takes
// events: a component goes away before its window, and from then on the window leaves
// the owner and the model alone. Does nothing for a window of another class.
void AttachGridModel(HWND grid, ui::GridModel& model, std::function<bool()> owner_alive);

// The program changed the model: clamp it, update the scroll bars, repaint.
void GridModelChanged(HWND grid);

}  // namespace win32
