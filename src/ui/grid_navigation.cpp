#include "ui/grid_navigation.h"

#include <algorithm>
#include <cstdlib>

#include "ui/event.h"
#include "ui/keys.h"

namespace ui {
namespace {

int RowHeight(const GridModel& grid) { return std::max(1, grid.default_row_height); }
int LastRow(const GridModel& grid) { return std::max(grid.fixed_rows, grid.row_count - 1); }
int LastCol(const GridModel& grid) { return std::max(grid.fixed_cols, grid.col_count - 1); }

// Scrollable rows that fit whole below the fixed rows, whether or not there are that many.
int RowsThatFit(const GridModel& grid, GridArea area) {
  const int room = area.height - FixedRowsHeight(grid);
  return room > 0 ? room / RowHeight(grid) : 0;
}

// Columns from `first` on that fit whole beside the fixed columns.
int ColsThatFitFrom(const GridModel& grid, GridArea area, int first) {
  const int room = area.width - FixedColsWidth(grid);
  int used = 0;
  int count = 0;
  for (int col = first; col < grid.col_count; ++col) {
    used += ColumnWidth(grid, col);
    if (used > room) break;
    ++count;
  }
  return count;
}

int PageRows(const GridModel& grid, GridArea area) {
  return std::max(1, RowsThatFit(grid, area));
}

}  // namespace

int ColumnWidth(const GridModel& grid, int col) {
  if (col < 0 || col >= static_cast<int>(grid.col_widths.size())) return grid.default_col_width;
  return grid.col_widths[static_cast<size_t>(col)];
}

int ShownColumnWidth(const GridModel& grid, GridArea area, int col) {
  const int width = ColumnWidth(grid, col);
  if (!grid.stretch_last_col || col != grid.col_count - 1) return width;
  int others = 0;
  for (int n = 0; n < col; ++n) others += ColumnWidth(grid, n);
  return std::max(width, area.width - others);
}

int FixedColsWidth(const GridModel& grid) {
  int width = 0;
  for (int col = 0; col < grid.fixed_cols && col < grid.col_count; ++col) {
    width += ColumnWidth(grid, col);
  }
  return width;
}

int FixedRowsHeight(const GridModel& grid) {
  return std::min(grid.fixed_rows, grid.row_count) * RowHeight(grid);
}

int FullyVisibleRows(const GridModel& grid, GridArea area) {
  return std::clamp(grid.row_count - grid.top_row, 0, RowsThatFit(grid, area));
}

int FullyVisibleCols(const GridModel& grid, GridArea area) {
  return ColsThatFitFrom(grid, area, grid.left_col);
}

int MaxTopRow(const GridModel& grid, GridArea area) {
  return std::max(grid.fixed_rows, grid.row_count - PageRows(grid, area));
}

int MaxLeftCol(const GridModel& grid, GridArea area) {
  const int room = area.width - FixedColsWidth(grid);
  int left = grid.col_count - 1;
  if (left < grid.fixed_cols) return grid.fixed_cols;
  int used = ColumnWidth(grid, left);
  while (left - 1 >= grid.fixed_cols && used + ColumnWidth(grid, left - 1) <= room) {
    --left;
    used += ColumnWidth(grid, left);
  }
  return left;
}

std::vector<GridSpan> ShownRows(const GridModel& grid, GridArea area) {
  std::vector<GridSpan> rows;
  const int height = RowHeight(grid);
  int y = 0;
  for (int row = 0; row < grid.fixed_rows && row < grid.row_count && y < area.height; ++row) {
    rows.push_back({row, y, height});
    y += height;
  }
  for (int row = std::max(grid.top_row, grid.fixed_rows); row < grid.row_count && y < area.height;
       ++row) {
    rows.push_back({row, y, height});
    y += height;
  }
  return rows;
}

std::vector<GridSpan> ShownCols(const GridModel& grid, GridArea area) {
  std::vector<GridSpan> cols;
  int x = 0;
  for (int col = 0; col < grid.fixed_cols && col < grid.col_count && x < area.width; ++col) {
    cols.push_back({col, x, ColumnWidth(grid, col)});
    x += ColumnWidth(grid, col);
  }
  for (int col = std::max(grid.left_col, grid.fixed_cols); col < grid.col_count && x < area.width;
       ++col) {
    const int width = ShownColumnWidth(grid, area, col);
    cols.push_back({col, x, width});
    x += width;
  }
  return cols;
}

GridCell CellAt(const GridModel& grid, GridArea area, int x, int y) {
  if (x < 0 || y < 0 || x >= area.width || y >= area.height) return {};
  const int fixed_height = FixedRowsHeight(grid);
  const int row = y < fixed_height ? y / RowHeight(grid)
                                   : grid.top_row + (y - fixed_height) / RowHeight(grid);
  if (row >= grid.row_count) return {};
  for (const GridSpan& col : ShownCols(grid, area)) {
    if (x >= col.start && x < col.start + col.size) return {col.index, row};
  }
  return {};
}

int ColumnEdgeAt(const GridModel& grid, GridArea area, int x, int y) {
  if (y < 0 || y >= FixedRowsHeight(grid) || y >= area.height) return -1;
  int found = -1;
  int best_distance = kColumnEdgeGrip + 1;
  for (const GridSpan& col : ShownCols(grid, area)) {
    const int distance = std::abs(x - (col.start + col.size));
    // On a tie the later column wins, so a column dragged down to nothing can be widened.
    if (distance <= best_distance && distance <= kColumnEdgeGrip) {
      found = col.index;
      best_distance = distance;
    }
  }
  return found;
}

void DragColumnWidth(GridModel& grid, int col, int width) {
  if (col < 0 || col >= static_cast<int>(grid.col_widths.size())) return;
  grid.col_widths[static_cast<size_t>(col)] = std::max(kMinColumnWidth, width);
}

void ClampGrid(GridModel& grid, GridArea area) {
  grid.fixed_rows = std::max(0, grid.fixed_rows);
  grid.fixed_cols = std::max(0, grid.fixed_cols);
  grid.row_count = std::max(grid.row_count, grid.fixed_rows);
  grid.col_count = std::max(grid.col_count, grid.fixed_cols);
  grid.default_row_height = std::max(1, grid.default_row_height);
  grid.default_col_width = std::max(0, grid.default_col_width);
  grid.col_widths.resize(static_cast<size_t>(grid.col_count), grid.default_col_width);
  for (int& width : grid.col_widths) width = std::max(0, width);
  grid.row = std::clamp(grid.row, grid.fixed_rows, LastRow(grid));
  grid.col = std::clamp(grid.col, grid.fixed_cols, LastCol(grid));
  grid.top_row = std::clamp(grid.top_row, grid.fixed_rows, MaxTopRow(grid, area));
  grid.left_col = std::clamp(grid.left_col, grid.fixed_cols, MaxLeftCol(grid, area));
}

void ScrollIntoView(GridModel& grid, GridArea area) {
  const int page = PageRows(grid, area);
  if (grid.row < grid.top_row) {
    grid.top_row = grid.row;
  } else if (grid.row > grid.top_row + page - 1) {
    grid.top_row = grid.row - page + 1;
  }
  grid.top_row = std::clamp(grid.top_row, grid.fixed_rows, MaxTopRow(grid, area));

  if (grid.col < grid.left_col) {
    grid.left_col = grid.col;
  } else {
    const int room = area.width - FixedColsWidth(grid);
    int used = 0;
    for (int col = grid.left_col; col <= grid.col; ++col) used += ColumnWidth(grid, col);
    while (grid.left_col < grid.col && used > room) {
      used -= ColumnWidth(grid, grid.left_col);
      ++grid.left_col;
    }
  }
  grid.left_col = std::clamp(grid.left_col, grid.fixed_cols, MaxLeftCol(grid, area));
}

void FocusCell(GridModel& grid, GridArea area, int col, int row) {
  grid.row = std::clamp(row, grid.fixed_rows, LastRow(grid));
  grid.col = std::clamp(col, grid.fixed_cols, LastCol(grid));
  ScrollIntoView(grid, area);
}

bool ApplyNavigationKey(GridModel& grid, GridArea area, int key, unsigned shift) {
  const bool ctrl = (shift & kShiftCtrl) != 0;
  const int page = PageRows(grid, area);
  int row = grid.row;
  int col = grid.col;
  int top = grid.top_row;
  switch (key) {
    case kVkUp:
      --row;
      break;
    case kVkDown:
      ++row;
      break;
    case kVkLeft:
      --col;
      break;
    case kVkRight:
      ++col;
      break;
    case kVkNext:
      if (ctrl) {
        row = std::min(LastRow(grid), top + page - 1);  // last row shown whole
      } else {
        row += page;
        top += page;
      }
      break;
    case kVkPrior:
      if (ctrl) {
        row = top;
      } else {
        row -= page;
        top -= page;
      }
      break;
    case kVkHome:
      col = grid.fixed_cols;
      if (ctrl) row = grid.fixed_rows;
      break;
    case kVkEnd:
      col = LastCol(grid);
      if (ctrl) row = LastRow(grid);
      break;
    default:
      return false;
  }
  grid.top_row = std::clamp(top, grid.fixed_rows, MaxTopRow(grid, area));
  FocusCell(grid, area, col, row);
  return true;
}

ScrollBarState VerticalScrollBar(const GridModel& grid, GridArea area) {
  const int scrollable = grid.row_count - grid.fixed_rows;
  if (scrollable <= 0) return {};
  const int last_pos = MaxTopRow(grid, area) - grid.fixed_rows;
  return {scrollable - 1, scrollable - last_pos, grid.top_row - grid.fixed_rows};
}

ScrollBarState HorizontalScrollBar(const GridModel& grid, GridArea area) {
  const int scrollable = grid.col_count - grid.fixed_cols;
  if (scrollable <= 0) return {};
  const int last_pos = MaxLeftCol(grid, area) - grid.fixed_cols;
  return {scrollable - 1, scrollable - last_pos, grid.left_col - grid.fixed_cols};
}

void ScrollRows(GridModel& grid, GridArea area, ScrollRequest request, int pos) {
  const int page = PageRows(grid, area);
  int top = grid.top_row;
  switch (request) {
    case ScrollRequest::kLineBack: --top; break;
    case ScrollRequest::kLineForward: ++top; break;
    case ScrollRequest::kPageBack: top -= page; break;
    case ScrollRequest::kPageForward: top += page; break;
    case ScrollRequest::kFirst: top = grid.fixed_rows; break;
    case ScrollRequest::kLast: top = MaxTopRow(grid, area); break;
    case ScrollRequest::kTo: top = grid.fixed_rows + pos; break;
  }
  grid.top_row = std::clamp(top, grid.fixed_rows, MaxTopRow(grid, area));
}

void ScrollCols(GridModel& grid, GridArea area, ScrollRequest request, int pos) {
  const int page = std::max(1, FullyVisibleCols(grid, area));
  int left = grid.left_col;
  switch (request) {
    case ScrollRequest::kLineBack: --left; break;
    case ScrollRequest::kLineForward: ++left; break;
    case ScrollRequest::kPageBack: left -= page; break;
    case ScrollRequest::kPageForward: left += page; break;
    case ScrollRequest::kFirst: left = grid.fixed_cols; break;
    case ScrollRequest::kLast: left = MaxLeftCol(grid, area); break;
    case ScrollRequest::kTo: left = grid.fixed_cols + pos; break;
  }
  grid.left_col = std::clamp(left, grid.fixed_cols, MaxLeftCol(grid, area));
}

}  // namespace ui
