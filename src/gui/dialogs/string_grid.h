// A table widget that behaves like a grid of strings: fixed header rows
// and columns inside the grid, every other cell editable in place, and an
// editor that reports every keystroke so that a cell can be checked while
// it is typed.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <cstdint>

namespace vexilor::gui {

//! Default row height and column width of a grid, in pixels, without the
//! one-pixel grid line; a row or column occupies one pixel more.
inline constexpr int kDefaultRowHeight = 17;
inline constexpr int kDefaultColWidth = 64;

//! Item delegate whose line editor commits its text on every edit, so the
//! cell always holds what is typed, and reports the edit.
class TypedCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;

 signals:
  //! The user changed the text of the cell at index to text.
  void TextTyped(const QModelIndex& index, const QString& text) const;
};

//! A grid of strings; construct, then SetShape.
class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit StringGrid(QWidget* parent = nullptr);

  //! Sets the counts of columns and rows and the fixed ones among them.
  //! Existing cell texts inside the new shape are kept.
  void SetShape(int colCount, int rowCount, int fixedCols, int fixedRows);
  void SetColCount(int colCount) { SetShape(colCount, rowCount(), fixedCols_, fixedRows_); }
  void SetRowCount(int rowCount) { SetShape(columnCount(), rowCount, fixedCols_, fixedRows_); }
  //! Width of column 0 without its grid line.
  void SetFirstColumnWidth(int width);
  int FirstColumnWidth() const { return firstColumnWidth_; }
  //! Width of the columns added from now on, without the grid line.
  void SetDefaultColumnWidth(int width);
  int DefaultColumnWidth() const { return defaultColWidth_; }

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);

  //! Makes (col, row) the current cell and reopens its editor with the
  //! caret after the text, as after a message about that cell.
  void ResumeEditing(int col, int row);

  //! The frame around the cells (both sides together), in pixels.
  int FrameExtent() const { return 2 * frameWidth(); }
  //! Thickness of a scroll bar, in pixels.
  int ScrollBarExtent() const;

 signals:
  //! The user changed the text of a data cell.
  void CellTyped(int col, int row, const QString& text);

 private:
  void StyleCell(QTableWidgetItem* item, int col, int row) const;

  TypedCellDelegate* delegate_;
  int fixedCols_ = 0;
  int fixedRows_ = 0;
  int firstColumnWidth_ = kDefaultColWidth;
  int defaultColWidth_ = kDefaultColWidth;
};

//! The check of a cell while it is typed: a text that is not empty must be
//! a number, or the beginning of one, once trimmed. Otherwise beeps, shows
//! the wrong-symbol error with the text as typed and returns false.
bool AcceptTypedNumber(QWidget* parent, std::uint8_t lang, const QString& text);

//! Beeps and shows the error of a cell that OK could not read as a number.
void ReportNumberEntryError(QWidget* parent, std::uint8_t lang, const QString& text);

}  // namespace vexilor::gui
