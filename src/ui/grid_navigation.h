// How a drawn grid lays out, scrolls and moves its focused cell: geometry, hit-testing,
// key navigation, column sizing and scroll-bar positions over a GridModel and the size of
// the area the cells are drawn in. Both backends use these, so they behave the same.
// Rows all have the default height, so row positions cost O(1), whatever the row count.
#pragma once

#include "ui/not_in_core.h"

#include <vector>

#include "ui/grid_model.h"

namespace ui {

// The area the cells are drawn in (a window's client area), in pixels.
struct GridArea {
  int width = 0;
  int height = 0;
};

// A column or row on screen: its index, where it starts and how wide or high it is.
struct GridSpan {
  int index = 0;
  int start = 0;
  int size = 0;
};

struct GridCell {
  int col = -1;
  int row = -1;
};

// Scroll-bar state with a minimum of 0; `page` > `max` means everything fits.
struct ScrollBarState {
  int max = 0;
  int page = 1;
  int pos = 0;
};

enum class ScrollRequest { kLineBack, kLineForward, kPageBack, kPageForward, kFirst, kLast, kTo };

// A column can be dragged no narrower than this.
inline constexpr int kMinColumnWidth = 8;
// How far from a column's right edge the pointer may be to grab it.
inline constexpr int kColumnEdgeGrip = 2;

int ColumnWidth(const GridModel& grid, int col);
// The width a column is drawn with: its own, or for a stretched last column whatever the
// area leaves beside the others when that is more.
int ShownColumnWidth(const GridModel& grid, GridArea area, int col);
int FixedColsWidth(const GridModel& grid);
int FixedRowsHeight(const GridModel& grid);

// Scrollable rows (from top_row) and columns (from left_col) shown whole.
int FullyVisibleRows(const GridModel& grid, GridArea area);
int FullyVisibleCols(const GridModel& grid, GridArea area);
// The largest top row and left column that still fill the area.
int MaxTopRow(const GridModel& grid, GridArea area);
int MaxLeftCol(const GridModel& grid, GridArea area);

// Rows and columns on screen, whole or in part: the fixed ones first, then the
// scrollable ones from top_row / left_col up to the one that reaches the area's edge.
std::vector<GridSpan> ShownRows(const GridModel& grid, GridArea area);
std::vector<GridSpan> ShownCols(const GridModel& grid, GridArea area);

// The cell under a point of the area; {-1, -1} outside every cell.
GridCell CellAt(const GridModel& grid, GridArea area, int x, int y);
// The column whose right edge the point grips inside the fixed rows, or -1.
int ColumnEdgeAt(const GridModel& grid, GridArea area, int x, int y);
// Sets a column's width as a drag does: never below kMinColumnWidth.
void DragColumnWidth(GridModel& grid, int col, int width);

// Brings counts, widths, the focused cell, top row and left column into range.
void ClampGrid(GridModel& grid, GridArea area);
// Scrolls so that the focused cell is shown whole (as far as it fits).
void ScrollIntoView(GridModel& grid, GridArea area);
// Focuses a cell (kept out of the fixed row and column) and scrolls to it.
void FocusCell(GridModel& grid, GridArea area, int col, int row);
// Moves the focused cell for a navigation key (arrows, Page Up/Down, Home/End, with or
// without Ctrl); false when `key` is not one of them and nothing changed.
bool ApplyNavigationKey(GridModel& grid, GridArea area, int key, unsigned shift);

ScrollBarState VerticalScrollBar(const GridModel& grid, GridArea area);
ScrollBarState HorizontalScrollBar(const GridModel& grid, GridArea area);
// Scrolls as a scroll bar asks; `pos` is the thumb position for kTo. The focused cell
// stays where it is, even when it scrolls out of sight.
void ScrollRows(GridModel& grid, GridArea area, ScrollRequest request, int pos = 0);
void ScrollCols(GridModel& grid, GridArea area, ScrollRequest request, int pos = 0);

}  // namespace ui
