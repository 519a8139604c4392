#include "ui/draw_grid.h"

#include "ui/backend.h"

namespace ui {

TDrawGrid::TDrawGrid(Widget& parent) : TWinControl(WidgetKind::kDrawGrid, parent) {
  backend().AttachGrid(Id(), model_);
}

GridArea TDrawGrid::CellArea() const {
  if (model_.client_width > 0 || model_.client_height > 0) {
    return {model_.client_width, model_.client_height};
  }
  const Rect bounds = Bounds();
  return {bounds.width, bounds.height};
}

void TDrawGrid::Changed() {
  ClampGrid(model_, CellArea());
  backend().GridChanged(Id());
}

void TDrawGrid::SetColCount(int count) {
  model_.col_count = count;
  Changed();
}

void TDrawGrid::SetRowCount(int count) {
  model_.row_count = count;
  Changed();
}

void TDrawGrid::SetFixedCols(int count) {
  model_.fixed_cols = count;
  Changed();
}

void TDrawGrid::SetFixedRows(int count) {
  model_.fixed_rows = count;
  Changed();
}

void TDrawGrid::SetDefaultColWidth(int width) {
  model_.default_col_width = width;
  model_.col_widths.assign(model_.col_widths.size(), width);
  Changed();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
  model_.default_row_height = height;
  Changed();
}

int TDrawGrid::ColWidths(int col) const { return ColumnWidth(model_, col); }

void TDrawGrid::SetColWidths(int col, int width) {
  if (col < 0 || col >= static_cast<int>(model_.col_widths.size())) return;
  model_.col_widths[static_cast<size_t>(col)] = width;
  Changed();
}

void TDrawGrid::SetStretchLastCol(bool stretch) {
  model_.stretch_last_col = stretch;
  Changed();
}

void TDrawGrid::SetRow(int row) { FocusCell(model_.col, row); }
void TDrawGrid::SetCol(int col) { FocusCell(col, model_.row); }

void TDrawGrid::FocusCell(int col, int row) {
  ui::FocusCell(model_, CellArea(), col, row);
  Changed();
}

void TDrawGrid::SetTopRow(int row) {
  model_.top_row = row;
  Changed();
}

void TDrawGrid::SetLeftCol(int col) {
  model_.left_col = col;
  Changed();
}

int TDrawGrid::VisibleRowCount() const { return FullyVisibleRows(model_, CellArea()); }
int TDrawGrid::VisibleColCount() const { return FullyVisibleCols(model_, CellArea()); }

void TDrawGrid::HandleEvent(Event& event) {
  switch (event.kind) {
    case EventKind::kDrawCell:
      if (event.canvas == nullptr) return;
      if (OnDrawCell) {
        OnDrawCell(*this, event.col, event.row, event.rect, event.selected, *event.canvas);
      } else {
        DrawDefaultCell(event);
      }
      break;
    case EventKind::kMouseUp:
      if (OnMouseUp) OnMouseUp(*this);
      break;
    case EventKind::kMouseWheel:
      if (OnMouseWheel) {
        OnMouseWheel(*this, event.delta);
      } else {
        SetRow(event.delta > 0 ? Row() - 1 : Row() + 1);
      }
      break;
    case EventKind::kMouseEnter:
      if (OnMouseEnter) OnMouseEnter(*this);
      break;
    case EventKind::kMouseLeave:
      if (OnMouseLeave) OnMouseLeave(*this);
      break;
    default:
      TWinControl::HandleEvent(event);
      break;
  }
}

// Until the program connects its handler the grid shows plain cells, not garbage.
void TDrawGrid::DrawDefaultCell(const Event& event) {
  Color color = kClWhite;
  if (event.col < model_.fixed_cols || event.row < model_.fixed_rows) {
    color = FixedColor;
  } else if (event.selected) {
    color = SelectedColor;
  }
  event.canvas->FillRect(event.rect, color);
}

}  // namespace ui
