// Plays the user and the window system for a drawn grid on the headless backend: paints
// the shown cells through the grid's drawing events and records what each cell got, and
// presses keys, clicks, turns the wheel and moves focus as the Win32 grid window does,
// with the same navigation rules. The widget's bounds are the area the cells fill.
#pragma once

#include "ui/not_in_core.h"

#include <optional>
#include <string>
#include <vector>

#include "headless/headless_backend.h"
#include "ui/canvas.h"
#include "ui/grid_navigation.h"

namespace headless {

struct FillCall {
  ui::Rect rect;
  ui::Color color = 0;
};

struct TextCall {
  ui::Rect rect;
  std::string text;
  ui::TextPlacement placement = ui::TextPlacement::kCentered;
  int margin = 0;
  ui::Color color = 0;
};

// What one cell's drawing event painted.
struct PaintedCell {
  int col = 0;
  int row = 0;
  ui::Rect rect;
  bool selected = false;
  std::vector<FillCall> fills;
  std::vector<TextCall> texts;

  // The texts drawn, joined (a handler normally draws one).
  std::string Text() const;
  // The colour of the last fill; nullopt when nothing was filled.
  std::optional<ui::Color> Background() const;
  // The last text drawn; nullptr when none was.
  const TextCall* LastText() const;
};

struct PaintResult {
  std::vector<PaintedCell> cells;  // in drawing order

  // The cell's record, or nullptr when it was not drawn.
  const PaintedCell* Find(int col, int row) const;
  // Throws std::out_of_range when the cell was not drawn.
  const PaintedCell& Cell(int col, int row) const;
  std::string Text(int col, int row) const { return Cell(col, row).Text(); }
  // Throws std::out_of_range when the cell was not drawn or not filled.
  ui::Color Background(int col, int row) const;
  // Rows drawn, each once, in drawing order.
  std::vector<int> Rows() const;
};

class GridDriver {
 public:
  GridDriver(HeadlessBackend& backend, const ui::Widget& grid);

  // Fires a drawing event for every cell shown, row by row.
  PaintResult Paint();
  // Key down (a handler that sets the key to 0 consumes it), the grid's navigation
  // unless consumed, then key up.
  void PressKey(int key, unsigned shift = 0);
  // Mouse down on a cell that is shown: focuses the grid and, for a data cell, makes it
  // current; then mouse up. Throws std::logic_error when the cell is not on screen.
  void Click(int col, int row);
  // Click, then the double-click event.
  void DoubleClick(int col, int row);
  void Wheel(int delta);
  // Focus arriving and leaving (the grid's enter and exit events).
  void Enter();
  void Exit();
  void MouseEnter();
  void MouseLeave();
  // Drags the right edge of a shown column in the fixed row by `dx` pixels.
  void DragColumnEdge(int col, int dx);
  // Scroll-bar requests; the focused cell stays.
  void ScrollRows(ui::ScrollRequest request, int pos = 0);
  void ScrollCols(ui::ScrollRequest request, int pos = 0);

  const ui::GridModel& Model() const { return model(); }
  ui::GridArea Area() const;

 private:
  ui::GridModel& model() const;
  void Fire(ui::Event& event);
  void FocusGrid();
  // Client coordinates of a point inside a shown cell.
  bool PointOf(int col, int row, int& x, int& y) const;

  HeadlessBackend& backend_;
  ui::WidgetId id_;
};

}  // namespace headless
