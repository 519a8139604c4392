// The drawn grid: rows and columns whose cells the program paints itself in OnDrawCell,
// a fixed title row and number column, a focused cell moved by keys and clicks, scroll
// bars and columns the user can widen. The grid owns its GridModel; the backend shows
// it and works it as the user does, and every change made here is passed on to it.
#pragma once

#include "ui/not_in_core.h"

#include <functional>

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/grid_model.h"
#include "ui/grid_navigation.h"

namespace ui {

class TDrawGrid : public TWinControl {
 public:
  explicit TDrawGrid(Widget& parent);

  int ColCount() const { return model_.col_count; }
  void SetColCount(int count);
  // Setting the row count pulls the focused row and the top row back into range.
  int RowCount() const { return model_.row_count; }
  void SetRowCount(int count);
  int FixedCols() const { return model_.fixed_cols; }
  void SetFixedCols(int count);
  int FixedRows() const { return model_.fixed_rows; }
  void SetFixedRows(int count);
  // Setting the default column width gives it to every column.
  int DefaultColWidth() const { return model_.default_col_width; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return model_.default_row_height; }
  void SetDefaultRowHeight(int height);
  // The width set for a column (a stretched last column may be drawn wider).
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  // Whether the last column reaches to the right edge when the others leave room.
  bool StretchLastCol() const { return model_.stretch_last_col; }
  void SetStretchLastCol(bool stretch);

  // The focused cell. Setting it scrolls it into view and keeps it out of the fixed
  // row and column. With no data rows, Row() is FixedRows(), a row that does not exist.
  int Row() const { return model_.row; }
  void SetRow(int row);
  int Col() const { return model_.col; }
  void SetCol(int col);
  void FocusCell(int col, int row);
  // The first scrollable row and column shown; the focused cell does not move.
  int TopRow() const { return model_.top_row; }
  void SetTopRow(int row);
  int LeftCol() const { return model_.left_col; }
  void SetLeftCol(int col);
  // Scrollable rows shown whole, from TopRow().
  int VisibleRowCount() const;
  int VisibleColCount() const;

  const GridModel& Model() const { return model_; }

  // Colours a cell-drawing handler uses for the grid's own parts.
  Color FixedColor = kClBtnFace;
  Color SelectedColor = kClHighlight;
  Color SelectedTextColor = kClHighlightText;

  // Fired for every cell shown, row by row (all columns of a row before the next row),
  // fixed cells included; `selected` marks the focused cell.
  std::function<void(Widget& sender, int col, int row, Rect rect, bool selected, Canvas& canvas)>
      OnDrawCell;
  std::function<void(Widget& sender)> OnMouseUp;
  // Positive `delta` = wheel turned away from the user. Without a handler the focused
  // row moves by one.
  std::function<void(Widget& sender, int delta)> OnMouseWheel;
  std::function<void(Widget& sender)> OnMouseEnter;
  std::function<void(Widget& sender)> OnMouseLeave;

 protected:
  void HandleEvent(Event& event) override;

 private:
  GridArea CellArea() const;
  void Changed();
  void DrawDefaultCell(const Event& event);

  GridModel model_;
};

}  // namespace ui
