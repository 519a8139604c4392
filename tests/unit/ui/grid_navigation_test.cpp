#include "ui/grid_navigation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/keys.h"

namespace {

using ui::GridArea;
using ui::GridModel;

constexpr int kRowHeight = 20;

// Six columns (a 40-pixel number column and five of 100), one fixed row and column.
GridModel MakeGrid(int row_count) {
  GridModel grid;
  grid.col_count = 6;
  grid.row_count = row_count;
  grid.default_row_height = kRowHeight;
  grid.col_widths = {40, 100, 100, 100, 100, 100};
  return grid;
}

// Room for the title row and `rows` whole rows, plus half a row that is cut off.
GridArea AreaFor(int rows, int width = 800) {
  return {width, kRowHeight * (rows + 1) + kRowHeight / 2};
}

struct KeyCase {
  std::string name;
  int row_count;
  int rows_shown;
  int row, col, top;  // before
  int key;
  unsigned shift;
  int want_row, want_col, want_top;
};

// Keeps test names stable for the test runner: the case's name, not its bytes.
void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class NavigationKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NavigationKeys, MoveTheFocusedCellAndKeepItInView) {
  const KeyCase& c = GetParam();
  GridModel grid = MakeGrid(c.row_count);
  const GridArea area = AreaFor(c.rows_shown);
  grid.row = c.row;
  grid.col = c.col;
  grid.top_row = c.top;
  EXPECT_TRUE(ui::ApplyNavigationKey(grid, area, c.key, c.shift));
  EXPECT_EQ(grid.row, c.want_row);
  EXPECT_EQ(grid.col, c.want_col);
  EXPECT_EQ(grid.top_row, c.want_top);
}

constexpr unsigned kCtrl = ui::kShiftCtrl;
constexpr unsigned kShift = ui::kShiftShift;
constexpr int kBig = 30001;  // a title row and 30000 targets

INSTANTIATE_TEST_SUITE_P(
    Table, NavigationKeys,
    ::testing::Values(
        // A grid of 9 data rows showing 5 of them: the top row goes no further than 5.
        KeyCase{"DownMovesOneRow", 10, 5, 1, 1, 1, ui::kVkDown, 0, 2, 1, 1},
        KeyCase{"UpStopsBelowTheTitleRow", 10, 5, 1, 2, 1, ui::kVkUp, 0, 1, 2, 1},
        KeyCase{"LeftStopsRightOfTheNumberColumn", 10, 5, 3, 1, 1, ui::kVkLeft, 0, 3, 1, 1},
        KeyCase{"RightStopsAtTheLastColumn", 10, 5, 3, 5, 1, ui::kVkRight, 0, 3, 5, 1},
        KeyCase{"DownPastTheLastRowShownScrollsOne", 10, 5, 5, 1, 1, ui::kVkDown, 0, 6, 1, 2},
        KeyCase{"UpAboveTheTopRowScrollsOne", 10, 5, 4, 1, 4, ui::kVkUp, 0, 3, 1, 3},
        KeyCase{"DownOnTheLastRowStays", 10, 5, 9, 1, 5, ui::kVkDown, 0, 9, 1, 5},
        KeyCase{"PageDownMovesRowAndTopByAPage", 10, 5, 2, 1, 1, ui::kVkNext, 0, 7, 1, 5},
        KeyCase{"PageDownNearTheEndStopsOnTheLastRow", 10, 5, 6, 1, 5, ui::kVkNext, 0, 9, 1, 5},
        KeyCase{"PageUpNearTheStartStopsOnRowOne", 10, 5, 9, 1, 5, ui::kVkPrior, 0, 4, 1, 1},
        KeyCase{"HomeGoesToTheFirstColumnOnly", 10, 5, 7, 4, 5, ui::kVkHome, 0, 7, 1, 5},
        KeyCase{"EndGoesToTheLastColumnOnly", 10, 5, 7, 2, 5, ui::kVkEnd, 0, 7, 5, 5},
        KeyCase{"CtrlHomeGoesToTheFirstCell", 10, 5, 7, 3, 5, ui::kVkHome, kCtrl, 1, 1, 1},
        KeyCase{"CtrlEndGoesToTheLastCell", 10, 5, 1, 1, 1, ui::kVkEnd, kCtrl, 9, 5, 5},
        KeyCase{"CtrlPageDownGoesToTheLastRowShownWhole", 10, 5, 2, 1, 1, ui::kVkNext, kCtrl, 5,
                1, 1},
        KeyCase{"CtrlPageUpGoesToTheTopRow", 10, 5, 6, 1, 3, ui::kVkPrior, kCtrl, 3, 1, 3},
        KeyCase{"CtrlShiftDownMovesLikeDown", 10, 5, 2, 1, 1, ui::kVkDown, kCtrl | kShift, 3, 1,
                1},
        // A row that was scrolled out of sight comes back into view.
        KeyCase{"DownFromARowScrolledAwayShowsIt", 10, 5, 1, 1, 5, ui::kVkDown, 0, 2, 1, 2},
        // 30000 targets showing 20: the top row goes no further than 29981.
        KeyCase{"BigCtrlEnd", kBig, 20, 1, 1, 1, ui::kVkEnd, kCtrl, 30000, 5, 29981},
        KeyCase{"BigCtrlHome", kBig, 20, 30000, 2, 29981, ui::kVkHome, kCtrl, 1, 1, 1},
        KeyCase{"BigPageDownFromTheStart", kBig, 20, 1, 1, 1, ui::kVkNext, 0, 21, 1, 21},
        KeyCase{"BigPageDownAtTheEnd", kBig, 20, 29990, 1, 29981, ui::kVkNext, 0, 30000, 1,
                29981},
        KeyCase{"BigPageUpFromTheEnd", kBig, 20, 30000, 1, 29981, ui::kVkPrior, 0, 29980, 1,
                29961},
        KeyCase{"BigDownOnTheLastRowStays", kBig, 20, 30000, 1, 29981, ui::kVkDown, 0, 30000, 1,
                29981},
        KeyCase{"BigDownBelowTheViewScrollsOne", kBig, 20, 15019, 1, 15000, ui::kVkDown, 0,
                15020, 1, 15001},
        KeyCase{"BigUpAboveTheViewScrollsOne", kBig, 20, 15000, 1, 15000, ui::kVkUp, 0, 14999, 1,
                14999}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(NavigationKeys, OtherKeysAreLeftToTheProgram) {
  GridModel grid = MakeGrid(10);
  grid.row = 4;
  grid.top_row = 2;
  for (int key : {ui::kVkReturn, ui::kVkEscape, ui::kVkSpace, ui::kVkF3}) {
    EXPECT_FALSE(ui::ApplyNavigationKey(grid, AreaFor(5), key, 0)) << key;
  }
  EXPECT_EQ(grid.row, 4);
  EXPECT_EQ(grid.top_row, 2);
}

TEST(NavigationKeys, FocusFollowsIntoColumnsScrolledSideways) {
  GridModel grid = MakeGrid(10);
  // Room for the number column and two data columns.
  const GridArea narrow{250, AreaFor(5).height};
  ASSERT_TRUE(ui::ApplyNavigationKey(grid, narrow, ui::kVkEnd, 0));
  EXPECT_EQ(grid.col, 5);
  EXPECT_EQ(grid.left_col, 4);
  ASSERT_TRUE(ui::ApplyNavigationKey(grid, narrow, ui::kVkHome, 0));
  EXPECT_EQ(grid.left_col, 1);
}

TEST(NavigationKeys, AGridWithoutDataRowsKeepsItsFocusOnRowOne) {
  GridModel grid = MakeGrid(1);
  for (int key : {ui::kVkDown, ui::kVkUp, ui::kVkNext, ui::kVkEnd}) {
    ui::ApplyNavigationKey(grid, AreaFor(5), key, kCtrl);
    EXPECT_EQ(grid.row, 1);
    EXPECT_EQ(grid.top_row, 1);
  }
}

TEST(GridLayout, OnlyTheRowsOnScreenAreShownWhateverTheRowCount) {
  GridModel grid = MakeGrid(kBig);
  grid.top_row = 29981;
  const std::vector<ui::GridSpan> rows = ui::ShownRows(grid, AreaFor(20));
  ASSERT_EQ(rows.size(), 21u);  // the title row and the last 20 rows
  EXPECT_EQ(rows.front().index, 0);
  EXPECT_EQ(rows[1].index, 29981);
  EXPECT_EQ(rows[1].start, kRowHeight);
  EXPECT_EQ(rows.back().index, 30000);

  grid.top_row = 100;  // a row cut off at the bottom is shown too
  const std::vector<ui::GridSpan> middle = ui::ShownRows(grid, AreaFor(20));
  ASSERT_EQ(middle.size(), 22u);
  EXPECT_EQ(middle.back().index, 120);
  EXPECT_EQ(ui::FullyVisibleRows(grid, AreaFor(20)), 20);
}

TEST(GridLayout, ColumnsScrolledAwayAreNotShownButTheFixedOneIs) {
  GridModel grid = MakeGrid(10);
  grid.left_col = 3;
  const std::vector<ui::GridSpan> cols = ui::ShownCols(grid, {240, 100});
  ASSERT_EQ(cols.size(), 3u);
  EXPECT_EQ(cols[0].index, 0);
  EXPECT_EQ(cols[1].index, 3);
  EXPECT_EQ(cols[1].start, 40);
  EXPECT_EQ(cols[2].index, 4);
  EXPECT_EQ(cols[2].start, 140);
}

struct HitCase {
  int x, y;
  int col, row;
};

TEST(GridLayout, PointsHitTheCellsOnScreen) {
  GridModel grid = MakeGrid(kBig);
  grid.top_row = 500;
  const GridArea area = AreaFor(5);
  const HitCase cases[] = {
      {0, 0, 0, 0},          {39, 19, 0, 0},       {40, 20, 1, 500},
      {139, 39, 1, 500},     {140, 40, 2, 501},    {539, 115, 5, 504},
      {540, 30, -1, -1},     // right of the last column
      {10, area.height, -1, -1},
      {-1, 30, -1, -1},
  };
  for (const HitCase& c : cases) {
    const ui::GridCell cell = ui::CellAt(grid, area, c.x, c.y);
    EXPECT_EQ(cell.col, c.col) << c.x << "," << c.y;
    EXPECT_EQ(cell.row, c.row) << c.x << "," << c.y;
  }

  GridModel short_grid = MakeGrid(3);
  EXPECT_EQ(ui::CellAt(short_grid, area, 50, 70).row, -1);  // below the last row
}

TEST(GridLayout, ColumnEdgesAreGrippedInTheTitleRowOnly) {
  GridModel grid = MakeGrid(10);
  const GridArea area = AreaFor(5);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 140, 5), 1);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 140 - ui::kColumnEdgeGrip, 5), 1);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 140 + ui::kColumnEdgeGrip, 5), 1);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 40, 5), 0);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 540, 19), 5);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 90, 5), -1);   // the middle of column 1
  EXPECT_EQ(ui::ColumnEdgeAt(grid, area, 140, 25), -1);  // a data row

  ui::DragColumnWidth(grid, 2, 150);
  EXPECT_EQ(grid.col_widths[2], 150);
  ui::DragColumnWidth(grid, 2, -30);
  EXPECT_EQ(grid.col_widths[2], ui::kMinColumnWidth);
  ui::DragColumnWidth(grid, 9, 50);  // no such column: nothing happens
  EXPECT_EQ(grid.col_widths.size(), 6u);
}

TEST(GridLayout, AStretchedLastColumnReachesTheRightEdgeButNeverShrinks) {
  GridModel grid = MakeGrid(10);
  grid.stretch_last_col = true;
  // 540 pixels of columns: the last one gets what an 800-pixel area leaves.
  std::vector<ui::GridSpan> cols = ui::ShownCols(grid, AreaFor(5, 800));
  EXPECT_EQ(cols.back().index, 5);
  EXPECT_EQ(cols.back().start + cols.back().size, 800);
  EXPECT_EQ(ui::ColumnEdgeAt(grid, AreaFor(5, 800), 799, 5), 5);
  EXPECT_EQ(grid.col_widths[5], 100);  // the width set stays
  // Too narrow for all: it keeps its own width, and the others are not touched.
  cols = ui::ShownCols(grid, AreaFor(5, 300));
  EXPECT_EQ(ui::ShownColumnWidth(grid, AreaFor(5, 300), 5), 100);
  EXPECT_EQ(cols[1].size, 100);
  grid.stretch_last_col = false;
  EXPECT_EQ(ui::ShownColumnWidth(grid, AreaFor(5, 800), 5), 100);
}

TEST(GridScrolling, TheVerticalBarCoversExactlyTheTopRowsThatFillTheView) {
  GridModel grid = MakeGrid(kBig);
  const GridArea area = AreaFor(20);
  grid.top_row = 101;
  const ui::ScrollBarState bar = ui::VerticalScrollBar(grid, area);
  EXPECT_EQ(bar.max, 29999);
  EXPECT_EQ(bar.page, 20);
  EXPECT_EQ(bar.pos, 100);
  EXPECT_EQ(bar.max - bar.page + 1, ui::MaxTopRow(grid, area) - grid.fixed_rows);

  GridModel small = MakeGrid(4);  // everything fits: the page exceeds the range
  const ui::ScrollBarState fits = ui::VerticalScrollBar(small, area);
  EXPECT_GT(fits.page, fits.max);
}

struct ScrollCase {
  ui::ScrollRequest request;
  int pos;
  int want_top;
};

TEST(GridScrolling, ScrollRequestsMoveTheTopRowButNotTheFocus) {
  const ScrollCase cases[] = {
      {ui::ScrollRequest::kLineForward, 0, 1001}, {ui::ScrollRequest::kLineBack, 0, 999},
      {ui::ScrollRequest::kPageForward, 0, 1020}, {ui::ScrollRequest::kPageBack, 0, 980},
      {ui::ScrollRequest::kFirst, 0, 1},          {ui::ScrollRequest::kLast, 0, 29981},
      {ui::ScrollRequest::kTo, 29980, 29981},     {ui::ScrollRequest::kTo, 70000, 29981},
      {ui::ScrollRequest::kTo, -5, 1},
  };
  for (const ScrollCase& c : cases) {
    GridModel grid = MakeGrid(kBig);
    grid.top_row = 1000;
    grid.row = 1005;
    ui::ScrollRows(grid, AreaFor(20), c.request, c.pos);
    EXPECT_EQ(grid.top_row, c.want_top) << static_cast<int>(c.request) << " " << c.pos;
    EXPECT_EQ(grid.row, 1005);
  }
}

TEST(GridScrolling, TheHorizontalBarScrollsWholeColumns) {
  GridModel grid = MakeGrid(10);
  const GridArea narrow{250, 100};
  ui::ScrollBarState bar = ui::HorizontalScrollBar(grid, narrow);
  EXPECT_EQ(bar.max, 4);
  EXPECT_EQ(bar.max - bar.page + 1, 3);  // left column 4 shows the last two columns
  ui::ScrollCols(grid, narrow, ui::ScrollRequest::kTo, bar.max);
  EXPECT_EQ(grid.left_col, 4);
  ui::ScrollCols(grid, narrow, ui::ScrollRequest::kPageBack);
  EXPECT_EQ(grid.left_col, 2);
  EXPECT_EQ(grid.col, 1);
}

TEST(GridClamping, ShrinkingTheGridPullsFocusAndTopRowBack) {
  GridModel grid = MakeGrid(kBig);
  grid.row = 29000;
  grid.top_row = 28990;
  grid.row_count = 50;
  ui::ClampGrid(grid, AreaFor(20));
  EXPECT_EQ(grid.row, 49);
  EXPECT_EQ(grid.top_row, 30);

  grid.col_count = 3;
  grid.col = 5;
  ui::ClampGrid(grid, AreaFor(20));
  EXPECT_EQ(grid.col, 2);
  EXPECT_EQ(grid.col_widths.size(), 3u);

  grid.row_count = 0;  // never fewer rows than fixed ones
  grid.default_row_height = 0;
  ui::ClampGrid(grid, AreaFor(20));
  EXPECT_EQ(grid.row_count, 1);
  EXPECT_EQ(grid.row, 1);
  EXPECT_GE(grid.default_row_height, 1);
}

}  // namespace
