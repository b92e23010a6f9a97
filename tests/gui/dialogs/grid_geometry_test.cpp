#include "gui/dialogs/grid_geometry.h"

#include <gtest/gtest.h>

namespace vexilor::gui {
namespace {

constexpr int kRow = 17;
constexpr int kCol = 64;

struct NumberGridCase {
  int colCount, rowCount, fixedRows;
  int width, height, windowHeight;
  bool hScroll, vScroll;
};

TEST(GridGeometryTest, NumberGridShowsFiveRowsAndFourColumnsAtMost) {
  // Base height 219, column 0 as wide as the others.
  const NumberGridCase cases[] = {
      // Three rows, two of them titles, two columns: no scroll bars.
      {2, 3, 2, 64 + 1 + 65, 3 * 18, 219 + 0 * kRow, false, false},
      {4, 5, 2, 64 + 1 + 3 * 65, 5 * 18, 219 + 2 * kRow, false, false},
      // A fifth column: four show, one row more for the horizontal bar.
      {5, 3, 2, 64 + 1 + 3 * 65, 4 * 18, 219, true, false},
      // A sixth row: five show with a vertical bar.
      {2, 6, 2, 64 + 1 + 65, 5 * 18, 219 + 2 * kRow, false, true},
      {6, 8, 1, 64 + 1 + 3 * 65, 6 * 18, 219 + 3 * kRow, true, true},
  };
  for (const NumberGridCase& c : cases) {
    const NumberGridLayout layout =
        LayoutNumberGrid(c.colCount, c.rowCount, c.fixedRows, 219, kCol, kRow, kCol);
    SCOPED_TRACE(::testing::Message() << c.colCount << " x " << c.rowCount);
    EXPECT_EQ(layout.grid.width, c.width);
    EXPECT_EQ(layout.grid.height, c.height);
    EXPECT_EQ(layout.windowHeight, c.windowHeight);
    EXPECT_EQ(layout.grid.hScroll, c.hScroll);
    EXPECT_EQ(layout.grid.vScroll, c.vScroll);
  }
}

TEST(GridGeometryTest, FeedGridGrowsWithStreamsAndScrollsBeyondFiveRowsOrFourColumns) {
  struct Case {
    int rows, cols, width, height;
    bool hScroll, vScroll;
  };
  const Case cases[] = {
      {3, 4, 21 + 3 * 65, 3 * 18, false, false},      // one stream, two components
      {5, 4, 21 + 3 * 65, 5 * 18, false, false},      // three streams
      {6, 4, 21 + 3 * 65 + 20, 5 * 18, false, true},  // four streams: vertical bar
      {3, 5, 21 + 3 * 65, 4 * 18, true, false},       // three components
      {7, 6, 21 + 3 * 65 + 20, 6 * 18, true, true},   // both bars
  };
  for (const Case& c : cases) {
    const GridBox box = FeedGridBox(c.rows, c.cols, 20, kRow, kCol);
    SCOPED_TRACE(::testing::Message() << c.rows << " rows, " << c.cols << " columns");
    EXPECT_EQ(box.width, c.width);
    EXPECT_EQ(box.height, c.height);
    EXPECT_EQ(box.hScroll, c.hScroll);
    EXPECT_EQ(box.vScroll, c.vScroll);
  }
}

TEST(GridGeometryTest, CatchGridKeepsRoomForItsScrollBar) {
  const GridBox few = CatchGridBox(4, 20, kRow, kCol);
  EXPECT_EQ(few.width, 21 + 2 * 65);
  EXPECT_EQ(few.height, 4 * 18 + 20);
  EXPECT_TRUE(few.hScroll);
  EXPECT_FALSE(few.vScroll);
  const GridBox many = CatchGridBox(9, 20, kRow, kCol);
  EXPECT_EQ(many.width, 21 + 2 * 65 + 20);
  EXPECT_EQ(many.height, 5 * 18);
  EXPECT_FALSE(many.hScroll);
  EXPECT_TRUE(many.vScroll);
}

TEST(GridGeometryTest, EntryDialogGrowsOneRowPerStreamUpToThree) {
  const std::tuple<int, int, int> cases[] = {
      {0, 0, 442},
      {1, 0, 442},
      {0, 1, 442},
      {2, 1, 442 + kRow},
      {1, 3, 442 + 2 * kRow},
      {4, 1, 442 + 2 * kRow},
      {9, 9, 442 + 2 * kRow},
  };
  for (const auto& [feeds, catches, height] : cases) {
    EXPECT_EQ(EntryDialogHeight(442, feeds, catches, kRow), height) << feeds << ", " << catches;
  }
  EXPECT_EQ(ShrunkGridHeight(kRow), 54);
}

}  // namespace
}  // namespace vexilor::gui
