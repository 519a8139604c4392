#include "ui/draw_grid.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "headless/grid_driver.h"
#include "headless/headless_app.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace {

constexpr int kRowHeight = 20;
constexpr int kBig = 30001;  // a title row and 30000 targets

// A grid laid out like the program's list: six columns, a 40-pixel number column, room
// for five whole rows and half of a sixth.
class DrawGrid : public ::testing::Test {
 protected:
  DrawGrid() {
    grid_.SetColCount(6);
    grid_.SetDefaultColWidth(100);
    grid_.SetColWidths(0, 40);
    grid_.SetDefaultRowHeight(kRowHeight);
    grid_.SetBounds({0, 0, 540, kRowHeight * 6 + kRowHeight / 2});
    grid_.SetRowCount(kBig);
  }

  // Logs the events a form's handlers would see.
  void LogEvents() {
    grid_.OnEnter = [this](ui::Widget&) { log_.push_back("enter"); };
    grid_.OnExit = [this](ui::Widget&) { log_.push_back("exit"); };
    grid_.OnMouseUp = [this](ui::Widget&) { log_.push_back("up " + Focus()); };
    grid_.OnDblClick = [this](ui::Widget&) { log_.push_back("dblclick " + Focus()); };
    grid_.OnMouseEnter = [this](ui::Widget&) { log_.push_back("mouse in"); };
    grid_.OnMouseLeave = [this](ui::Widget&) { log_.push_back("mouse out"); };
    grid_.OnKeyUp = [this](ui::Widget&, int key, unsigned) {
      log_.push_back("keyup " + std::to_string(key) + " " + Focus());
    };
  }
  std::string Focus() const {
    return std::to_string(grid_.Col()) + "," + std::to_string(grid_.Row());
  }

  headless::ScopedHeadlessApp app_;
  ui::TForm form_{"TTestForm"};
  ui::TDrawGrid grid_{form_};
  headless::GridDriver driver_{app_.backend(), grid_};
  std::vector<std::string> log_;
};

TEST_F(DrawGrid, PaintDrawsOnlyTheCellsOnScreenRowByRow) {
  grid_.SetRow(30000);
  grid_.SetCol(3);
  grid_.OnDrawCell = [](ui::Widget&, int col, int row, ui::Rect rect, bool selected,
                        ui::Canvas& canvas) {
    canvas.FillRect(rect, selected ? ui::kClHighlight : ui::kClWhite);
    canvas.DrawCellText(rect, std::to_string(col) + ":" + std::to_string(row),
                    ui::TextPlacement::kLeftMargin, 2, ui::kClWindowText);
  };
  const headless::PaintResult painted = driver_.Paint();

  // The title row and the last five rows; nothing above them.
  EXPECT_EQ(painted.Rows(), (std::vector<int>{0, 29996, 29997, 29998, 29999, 30000}));
  ASSERT_EQ(painted.cells.size(), 6u * 6u);
  for (size_t i = 0; i < painted.cells.size(); ++i) {
    EXPECT_EQ(painted.cells[i].col, static_cast<int>(i % 6)) << i;  // whole rows, in order
  }
  EXPECT_EQ(painted.Text(3, 29998), "3:29998");
  EXPECT_EQ(painted.Text(0, 0), "0:0");  // fixed cells go through the handler too
  EXPECT_EQ(painted.Background(3, 30000), ui::kClHighlight);
  EXPECT_EQ(painted.Background(2, 30000), ui::kClWhite);
  EXPECT_TRUE(painted.Cell(3, 30000).selected);
  EXPECT_EQ(painted.Cell(2, 29999).rect, (ui::Rect{140, 80, 100, kRowHeight}));
  const headless::TextCall* text = painted.Cell(1, 29997).LastText();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->placement, ui::TextPlacement::kLeftMargin);
  EXPECT_EQ(text->margin, 2);
  EXPECT_EQ(painted.Find(1, 1), nullptr);
  EXPECT_THROW(painted.Cell(1, 1), std::out_of_range);
}

TEST_F(DrawGrid, WithoutAHandlerCellsArePaintedPlainly) {
  const headless::PaintResult painted = driver_.Paint();
  EXPECT_EQ(painted.Background(0, 0), grid_.FixedColor);
  EXPECT_EQ(painted.Background(3, 0), grid_.FixedColor);
  EXPECT_EQ(painted.Background(0, 3), grid_.FixedColor);
  EXPECT_EQ(painted.Background(1, 1), grid_.SelectedColor);
  EXPECT_EQ(painted.Background(2, 2), ui::kClWhite);
}

TEST_F(DrawGrid, SettingTheRowScrollsItIntoViewAndTheTopRowLeavesTheFocus) {
  EXPECT_EQ(grid_.VisibleRowCount(), 5);
  grid_.SetRow(1000);
  EXPECT_EQ(grid_.Row(), 1000);
  EXPECT_EQ(grid_.TopRow(), 996);

  // Selecting a found row as the program does: row, column 1, top row three above.
  grid_.SetCol(4);
  grid_.SetRow(20);
  grid_.SetCol(1);
  grid_.SetTopRow(17);
  EXPECT_EQ(grid_.TopRow(), 17);
  EXPECT_EQ(grid_.Row(), 20);
  EXPECT_EQ(grid_.Col(), 1);

  grid_.SetTopRow(29999);  // beyond the last top row that fills the grid
  EXPECT_EQ(grid_.TopRow(), 29996);
  EXPECT_EQ(grid_.Row(), 20);
  grid_.SetRow(0);  // never the title row
  EXPECT_EQ(grid_.Row(), 1);
  EXPECT_EQ(grid_.TopRow(), 1);
}

TEST_F(DrawGrid, ShrinkingTheRowCountPullsRowAndTopRowBack) {
  grid_.SetRow(25000);
  grid_.SetRowCount(100);
  EXPECT_EQ(grid_.Row(), 99);
  EXPECT_EQ(grid_.TopRow(), 95);
  grid_.SetRowCount(1);  // a filter that keeps nothing: only the title row
  EXPECT_EQ(grid_.RowCount(), 1);
  EXPECT_EQ(grid_.Row(), 1);
  const headless::PaintResult painted = driver_.Paint();
  EXPECT_EQ(painted.Rows(), (std::vector<int>{0}));
}

TEST_F(DrawGrid, ColumnWidthsFollowTheDefaultAndStayWithinTheColumns) {
  EXPECT_EQ(grid_.ColWidths(0), 40);
  EXPECT_EQ(grid_.ColWidths(5), 100);
  grid_.SetColWidths(6, 77);  // no such column
  grid_.SetColWidths(-1, 77);
  grid_.SetColCount(7);
  EXPECT_EQ(grid_.ColWidths(6), 100);
  EXPECT_EQ(grid_.ColWidths(0), 40);
  grid_.SetDefaultColWidth(64);
  EXPECT_EQ(grid_.ColWidths(0), 64);
  EXPECT_EQ(grid_.ColWidths(6), 64);
}

struct KeyCase {
  int key;
  unsigned shift;
  int want_row;
};

// The program's key handler: Down with exactly Shift or exactly Alt is its own.
TEST_F(DrawGrid, AConsumedKeyLeavesTheGridStillAndOthersMoveIt) {
  grid_.OnKeyDown = [](ui::Widget&, int& key, unsigned shift) {
    if (key == ui::kVkDown && (shift == ui::kShiftShift || shift == ui::kShiftAlt)) key = 0;
  };
  LogEvents();
  const KeyCase cases[] = {
      {ui::kVkDown, ui::kShiftShift, 10},
      {ui::kVkDown, ui::kShiftAlt, 10},
      {ui::kVkDown, ui::kShiftCtrl | ui::kShiftShift, 11},
      {ui::kVkDown, 0, 11},
      {ui::kVkUp, ui::kShiftShift, 9},
  };
  for (const KeyCase& c : cases) {
    grid_.SetRow(10);
    log_.clear();
    driver_.PressKey(c.key, c.shift);
    EXPECT_EQ(grid_.Row(), c.want_row) << c.key << " " << c.shift;
    // Key up comes after the move, with the key that was pressed.
    EXPECT_EQ(log_, (std::vector<std::string>{"keyup " + std::to_string(c.key) + " 1," +
                                              std::to_string(c.want_row)}));
  }
}

TEST_F(DrawGrid, AClickFocusesTheGridAndMovesToTheDataCellUnderIt) {
  LogEvents();
  driver_.Click(3, 4);
  EXPECT_EQ(app_.backend().focused, grid_.Id());
  driver_.Click(2, 0);  // a title cell: the focus stays
  driver_.Click(0, 2);  // a row number: likewise
  EXPECT_EQ(log_, (std::vector<std::string>{"enter", "up 3,4", "up 3,4", "up 3,4"}));

  driver_.Click(1, 6);  // the row cut off at the bottom comes into view
  EXPECT_EQ(grid_.Row(), 6);
  EXPECT_EQ(grid_.TopRow(), 2);
  EXPECT_THROW(driver_.Click(1, 500), std::logic_error);  // not on screen
}

TEST_F(DrawGrid, ADoubleClickReportsTheCellItLandedOn) {
  LogEvents();
  driver_.DoubleClick(2, 3);
  EXPECT_EQ(log_, (std::vector<std::string>{"enter", "up 2,3", "dblclick 2,3"}));
}

TEST_F(DrawGrid, FocusAndPointerEventsReachTheirHandlers) {
  LogEvents();
  driver_.MouseEnter();
  driver_.Enter();
  driver_.Exit();
  driver_.MouseLeave();
  EXPECT_EQ(log_, (std::vector<std::string>{"mouse in", "enter", "exit", "mouse out"}));
  EXPECT_EQ(app_.backend().focused, 0u);
}

TEST_F(DrawGrid, TheWheelGoesToTheHandlerOrElseMovesOneRow) {
  std::vector<int> deltas;
  grid_.OnMouseWheel = [&deltas](ui::Widget&, int delta) { deltas.push_back(delta); };
  driver_.Wheel(120);
  driver_.Wheel(-240);
  EXPECT_EQ(deltas, (std::vector<int>{120, -240}));
  EXPECT_EQ(grid_.Row(), 1);

  grid_.OnMouseWheel = nullptr;
  driver_.Wheel(-360);
  EXPECT_EQ(grid_.Row(), 2);
  driver_.Wheel(120);
  driver_.Wheel(120);
  EXPECT_EQ(grid_.Row(), 1);
}

TEST_F(DrawGrid, DraggingAColumnEdgeInTheTitleRowResizesIt) {
  LogEvents();
  driver_.DragColumnEdge(2, 35);
  EXPECT_EQ(grid_.ColWidths(2), 135);
  driver_.DragColumnEdge(2, -500);
  EXPECT_EQ(grid_.ColWidths(2), ui::kMinColumnWidth);
  EXPECT_EQ(log_, (std::vector<std::string>{"enter", "up 1,1", "up 1,1"}));
  // The next paint lays the columns out with the new width.
  EXPECT_EQ(driver_.Paint().Cell(3, 1).rect.left, 40 + 100 + ui::kMinColumnWidth);
}

TEST_F(DrawGrid, ADrawHandlerThatThrowsDoesNotStopThePaint) {
  grid_.OnDrawCell = [](ui::Widget&, int col, int row, ui::Rect rect, bool, ui::Canvas& canvas) {
    if (col == 2 && row == 2) throw std::runtime_error("broken record");
    canvas.FillRect(rect, ui::kClWhite);
  };
  const headless::PaintResult painted = driver_.Paint();
  EXPECT_EQ(painted.Find(2, 2)->Background(), std::nullopt);
  EXPECT_EQ(painted.Background(3, 2), ui::kClWhite);
  EXPECT_FALSE(app_.backend().message_boxes.empty());
}

}  // namespace
