#include "headless/grid_driver.h"

#include <algorithm>
#include <stdexcept>

namespace headless {
namespace {

// Records into one cell what its drawing handler paints; measures text with the
// backend's fixed metrics, so layout in tests does not depend on fonts.
class RecordingCanvas : public ui::Canvas {
 public:
  RecordingCanvas(HeadlessBackend& backend, ui::WidgetId grid, PaintedCell& cell)
      : backend_(backend), grid_(grid), cell_(cell) {}

  void FillRect(ui::Rect rect, ui::Color color) override { cell_.fills.push_back({rect, color}); }
  void DrawCellText(ui::Rect rect, std::string_view text, ui::TextPlacement placement, int margin,
                ui::Color color) override {
    cell_.texts.push_back({rect, std::string(text), placement, margin, color});
  }
  int TextWidth(std::string_view text) override { return backend_.TextWidth(grid_, text); }
  int TextHeight(std::string_view text) override { return backend_.TextHeight(grid_, text); }

 private:
  HeadlessBackend& backend_;
  ui::WidgetId grid_;
  PaintedCell& cell_;
};

}  // namespace

std::string PaintedCell::Text() const {
  std::string joined;
  for (const TextCall& call : texts) joined += call.text;
  return joined;
}

std::optional<ui::Color> PaintedCell::Background() const {
  if (fills.empty()) return std::nullopt;
  return fills.back().color;
}

const TextCall* PaintedCell::LastText() const { return texts.empty() ? nullptr : &texts.back(); }

const PaintedCell* PaintResult::Find(int col, int row) const {
  for (const PaintedCell& cell : cells) {
    if (cell.col == col && cell.row == row) return &cell;
  }
  return nullptr;
}

const PaintedCell& PaintResult::Cell(int col, int row) const {
  const PaintedCell* cell = Find(col, row);
  if (cell == nullptr) {
    throw std::out_of_range("cell " + std::to_string(col) + "," + std::to_string(row) +
                            " was not drawn");
  }
  return *cell;
}

ui::Color PaintResult::Background(int col, int row) const {
  const std::optional<ui::Color> color = Cell(col, row).Background();
  if (!color) {
    throw std::out_of_range("cell " + std::to_string(col) + "," + std::to_string(row) +
                            " was not filled");
  }
  return *color;
}

std::vector<int> PaintResult::Rows() const {
  std::vector<int> rows;
  for (const PaintedCell& cell : cells) {
    if (rows.empty() || rows.back() != cell.row) rows.push_back(cell.row);
  }
  return rows;
}

GridDriver::GridDriver(HeadlessBackend& backend, const ui::Widget& grid)
    : backend_(backend), id_(grid.Id()) {
  model();  // fails early for a widget that is not an attached grid
}

ui::GridModel& GridDriver::model() const {
  ui::GridModel* grid = backend_.At(id_).grid;
  if (grid == nullptr) throw std::logic_error("the widget is not a drawn grid");
  return *grid;
}

ui::GridArea GridDriver::Area() const {
  const ui::GridModel& grid = model();
  if (grid.client_width > 0 || grid.client_height > 0) {
    return {grid.client_width, grid.client_height};
  }
  const ui::Rect bounds = backend_.At(id_).bounds;
  return {bounds.width, bounds.height};
}

void GridDriver::Fire(ui::Event& event) { backend_.At(id_).owner->Dispatch(event); }

PaintResult GridDriver::Paint() {
  const ui::GridArea area = Area();
  const std::vector<ui::GridSpan> rows = ui::ShownRows(model(), area);
  const std::vector<ui::GridSpan> cols = ui::ShownCols(model(), area);
  PaintResult result;
  result.cells.reserve(rows.size() * cols.size());
  for (const ui::GridSpan& row : rows) {
    for (const ui::GridSpan& col : cols) {
      PaintedCell cell;
      cell.col = col.index;
      cell.row = row.index;
      cell.rect = {col.start, row.start, col.size, row.size};
      cell.selected = col.index == model().col && row.index == model().row;
      RecordingCanvas canvas(backend_, id_, cell);
      ui::Event event{ui::EventKind::kDrawCell};
      event.col = cell.col;
      event.row = cell.row;
      event.rect = cell.rect;
      event.selected = cell.selected;
      event.canvas = &canvas;
      Fire(event);
      result.cells.push_back(std::move(cell));
    }
  }
  return result;
}

void GridDriver::PressKey(int key, unsigned shift) {
  ui::Event down{ui::EventKind::kKeyDown};
  down.key = key;
  down.shift = shift;
  Fire(down);
  if (down.key != 0) ui::ApplyNavigationKey(model(), Area(), down.key, shift);
  ui::Event up{ui::EventKind::kKeyUp};
  up.key = key;
  up.shift = shift;
  Fire(up);
}

bool GridDriver::PointOf(int col, int row, int& x, int& y) const {
  const ui::GridArea area = Area();
  const std::vector<ui::GridSpan> rows = ui::ShownRows(model(), area);
  const std::vector<ui::GridSpan> cols = ui::ShownCols(model(), area);
  auto row_span = std::find_if(rows.begin(), rows.end(),
                               [row](const ui::GridSpan& span) { return span.index == row; });
  auto col_span = std::find_if(cols.begin(), cols.end(),
                               [col](const ui::GridSpan& span) { return span.index == col; });
  if (row_span == rows.end() || col_span == cols.end()) return false;
  // The middle of the part that is on screen.
  x = (col_span->start + std::min(col_span->start + col_span->size, area.width)) / 2;
  y = (row_span->start + std::min(row_span->start + row_span->size, area.height)) / 2;
  return true;
}

void GridDriver::FocusGrid() {
  if (backend_.focused == id_) return;
  const ui::WidgetId previous = backend_.focused;
  backend_.focused = id_;
  if (const HeadlessBackend::WidgetState* state = backend_.Find(previous)) {
    ui::Event exit{ui::EventKind::kExit};
    state->owner->Dispatch(exit);
  }
  ui::Event enter{ui::EventKind::kEnter};
  Fire(enter);
}

void GridDriver::Click(int col, int row) {
  int x = 0;
  int y = 0;
  if (!PointOf(col, row, x, y)) {
    throw std::logic_error("cell " + std::to_string(col) + "," + std::to_string(row) +
                           " is not on screen");
  }
  FocusGrid();
  const ui::GridArea area = Area();
  const ui::GridCell cell = ui::CellAt(model(), area, x, y);
  if (cell.col >= model().fixed_cols && cell.row >= model().fixed_rows) {
    ui::FocusCell(model(), area, cell.col, cell.row);
  }
  ui::Event up{ui::EventKind::kMouseUp};
  Fire(up);
}

void GridDriver::DoubleClick(int col, int row) {
  Click(col, row);
  ui::Event event{ui::EventKind::kDoubleClick};
  Fire(event);
}

void GridDriver::Wheel(int delta) {
  ui::Event event{ui::EventKind::kMouseWheel};
  event.delta = delta;
  Fire(event);
}

void GridDriver::Enter() {
  backend_.focused = id_;
  ui::Event event{ui::EventKind::kEnter};
  Fire(event);
}

void GridDriver::Exit() {
  if (backend_.focused == id_) backend_.focused = 0;
  ui::Event event{ui::EventKind::kExit};
  Fire(event);
}

void GridDriver::MouseEnter() {
  ui::Event event{ui::EventKind::kMouseEnter};
  Fire(event);
}

void GridDriver::MouseLeave() {
  ui::Event event{ui::EventKind::kMouseLeave};
  Fire(event);
}

void GridDriver::DragColumnEdge(int col, int dx) {
  const ui::GridArea area = Area();
  const std::vector<ui::GridSpan> cols = ui::ShownCols(model(), area);
  auto span = std::find_if(cols.begin(), cols.end(),
                           [col](const ui::GridSpan& shown) { return shown.index == col; });
  const int x = span == cols.end() ? -1 : span->start + span->size;
  const int grabbed = ui::ColumnEdgeAt(model(), area, x, 0);
  if (grabbed < 0) {
    throw std::logic_error("the edge of column " + std::to_string(col) + " cannot be grabbed");
  }
  FocusGrid();
  ui::DragColumnWidth(model(), grabbed, ui::ShownColumnWidth(model(), area, grabbed) + dx);
  ui::ClampGrid(model(), area);
  ui::Event up{ui::EventKind::kMouseUp};
  Fire(up);
}

void GridDriver::ScrollRows(ui::ScrollRequest request, int pos) {
  ui::ScrollRows(model(), Area(), request, pos);
}

void GridDriver::ScrollCols(ui::ScrollRequest request, int pos) {
  ui::ScrollCols(model(), Area(), request, pos);
}

}  // namespace headless
