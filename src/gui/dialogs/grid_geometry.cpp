#include "gui/dialogs/grid_geometry.h"

#include <algorithm>

namespace vexilor::gui {

namespace {
// The room a scroll bar takes beside or under the grids of the entry dialog.
constexpr int kScrollBarRoom = 20;
constexpr int kVisibleRows = 5;
constexpr int kVisibleColumns = 4;
}  // namespace

NumberGridLayout LayoutNumberGrid(int colCount, int rowCount, int fixedRows, int baseHeight,
                                  int firstColWidth, int rowHeight, int colWidth) {
  const int visibleRows = std::min(rowCount, kVisibleRows);
  NumberGridLayout layout;
  layout.grid.height = visibleRows * (rowHeight + 1);
  layout.windowHeight = baseHeight + (visibleRows - fixedRows - 1) * rowHeight;
  if (colCount <= kVisibleColumns) {
    layout.grid.width = firstColWidth + 1 + (colCount - 1) * (colWidth + 1);
  } else {
    layout.grid.width = firstColWidth + 1 + (kVisibleColumns - 1) * (colWidth + 1);
    layout.grid.height = (visibleRows + 1) * (rowHeight + 1);
  }
  layout.grid.hScroll = colCount > kVisibleColumns;
  layout.grid.vScroll = rowCount > kVisibleRows;
  return layout;
}

GridBox FeedGridBox(int rowCount, int colCount, int firstColWidth, int rowHeight, int colWidth) {
  GridBox box;
  const int visibleRows = std::min(rowCount, kVisibleRows);
  box.height = visibleRows * (rowHeight + 1);
  if (colCount <= kVisibleColumns) {
    box.width = firstColWidth + 1 + (colCount - 1) * (colWidth + 1);
  } else {
    box.width = firstColWidth + 1 + (kVisibleColumns - 1) * (colWidth + 1);
    box.hScroll = true;
    box.height = (visibleRows + 1) * (rowHeight + 1);
  }
  if (rowCount > kVisibleRows) {
    box.vScroll = true;
    box.width += kScrollBarRoom;
  }
  return box;
}

GridBox CatchGridBox(int rowCount, int firstColWidth, int rowHeight, int colWidth) {
  GridBox box;
  box.width = firstColWidth + 1 + 2 * (colWidth + 1);
  box.height = std::min(rowCount, kVisibleRows) * (rowHeight + 1);
  if (rowCount <= kVisibleRows) {
    box.hScroll = true;
    box.height += kScrollBarRoom;
  } else {
    box.vScroll = true;
    box.width += kScrollBarRoom;
  }
  return box;
}

int EntryDialogHeight(int baseHeight, int feedCount, int catchCount, int rowHeight) {
  const int streams = std::max(feedCount, catchCount);
  if (streams > 3) return baseHeight + 2 * rowHeight;
  return baseHeight + std::max(streams - 1, 0) * rowHeight;
}

}  // namespace vexilor::gui
