// The state of a drawn grid: sizes, column widths, the focused cell and the scroll
// position. The component owns it; the backend shows it and updates the focused cell,
// the top row and the column widths as the user works the grid.
#pragma once

#include "ui/not_in_core.h"

#include <vector>

namespace ui {

struct GridModel {
  int col_count = 5;
  int row_count = 5;
  int fixed_cols = 1;
  int fixed_rows = 1;
  int default_col_width = 64;
  int default_row_height = 24;
  std::vector<int> col_widths = std::vector<int>(5, 64);
  int col = 1;  // focused cell
  int row = 1;
  int top_row = 1;   // first scrollable row shown
  int left_col = 1;  // first scrollable column shown
  // The last column is drawn wide enough to reach the right edge when the others leave
  // room; its width in col_widths stays what was set, the least it is drawn with.
  bool stretch_last_col = false;
  // The area the cells are drawn in, kept up to date by a backend whose grid has borders
  // and scroll bars; 0 = not reported, the widget's bounds are that area.
  int client_width = 0;
  int client_height = 0;
};

}  // namespace ui
