// Sizing arithmetic of the number grids: how many rows and columns show,
// which scroll bars appear and how tall the dialog around a grid becomes.
// Pixel sizes count the one-pixel grid line with every row and column; the
// widget adds its frame.
#pragma once

namespace vexilor::gui {

//! Outer size of a grid's cell area and its scroll bars.
struct GridBox {
  int width = 0;
  int height = 0;
  bool hScroll = false;
  bool vScroll = false;
};

//! Grid and window of the number-grid dialog: at most five rows and four
//! columns show; more rows bring a vertical scroll bar, more columns a
//! horizontal one (for which the grid is one row taller).
struct NumberGridLayout {
  GridBox grid;
  int windowHeight = 0;
};

//! firstColWidth: width of column 0; rowHeight, colWidth: the defaults of
//! the other rows and columns (without the grid line).
NumberGridLayout LayoutNumberGrid(int colCount, int rowCount, int fixedRows, int baseHeight,
                                  int firstColWidth, int rowHeight, int colWidth);

//! Feed grid of the column data entry dialog with rowCount rows (streams
//! plus two title rows) and colCount columns.
GridBox FeedGridBox(int rowCount, int colCount, int firstColWidth, int rowHeight, int colWidth);

//! Takeoff grid of the column data entry dialog (three columns).
GridBox CatchGridBox(int rowCount, int firstColWidth, int rowHeight, int colWidth);

//! Height of a grid shrunk to three rows after its count was cleared.
constexpr int ShrunkGridHeight(int rowHeight) {
  return 3 * (rowHeight + 1);
}

//! Height of the column data entry dialog: it grows by one row height per
//! stream beyond the first, up to three streams of the larger grid.
int EntryDialogHeight(int baseHeight, int feedCount, int catchCount, int rowHeight);

}  // namespace vexilor::gui
