#include "gui/dialogs/string_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "engine/shell/lang.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/number_parsing.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

QWidget* TypedCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
  auto* editor = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
  if (editor == nullptr) return QStyledItemDelegate::createEditor(parent, option, index);
  editor->setFrame(false);
  connect(editor, &QLineEdit::textEdited, this, [this, editor, index](const QString& text) {
    emit const_cast<TypedCellDelegate*>(this)->commitData(editor);
    emit TextTyped(index, text);
  });
  return editor;
}

StringGrid::StringGrid(QWidget* parent)
    : QTableWidget(parent), delegate_(new TypedCellDelegate(this)) {
  setItemDelegate(delegate_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
  }
  // Sections include the grid line, so a row is one pixel more than its
  // default height, as the grid's sizing arithmetic counts it.
  verticalHeader()->setDefaultSectionSize(kDefaultRowHeight + 1);
  horizontalHeader()->setDefaultSectionSize(kDefaultColWidth + 1);
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setTabKeyNavigation(true);
  setWordWrap(false);
  // The check of a typed text may show a message, which closes the editor;
  // it runs once the editor has finished handling the key.
  connect(
      delegate_, &TypedCellDelegate::TextTyped, this,
      [this](const QModelIndex& index, const QString& text) {
        emit CellTyped(index.column(), index.row(), text);
      },
      Qt::QueuedConnection);
}

void StringGrid::SetShape(int colCount, int rowCount, int fixedCols, int fixedRows) {
  fixedCols_ = fixedCols;
  fixedRows_ = fixedRows;
  setColumnCount(colCount);
  setRowCount(rowCount);
  for (int col = 0; col < colCount; ++col) {
    for (int row = 0; row < rowCount; ++row) {
      QTableWidgetItem* cell = item(row, col);
      if (cell == nullptr) {
        cell = new QTableWidgetItem;
        setItem(row, col, cell);
      }
      StyleCell(cell, col, row);
    }
  }
  if (colCount > 0) setColumnWidth(0, firstColumnWidth_ + 1);
  // The current cell is a data cell, never a title.
  const QModelIndex current = currentIndex();
  if ((!current.isValid() || current.column() < fixedCols || current.row() < fixedRows) &&
      colCount > fixedCols && rowCount > fixedRows) {
    setCurrentCell(fixedRows, fixedCols);
  }
}

void StringGrid::SetFirstColumnWidth(int width) {
  firstColumnWidth_ = width;
  if (columnCount() > 0) setColumnWidth(0, width + 1);
}

void StringGrid::StyleCell(QTableWidgetItem* cell, int col, int row) const {
  const bool fixed = col < fixedCols_ || row < fixedRows_;
  Qt::ItemFlags flags = Qt::ItemIsEnabled;
  if (!fixed) flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
  cell->setFlags(flags);
  cell->setBackground(fixed ? palette().button() : palette().base());
}

QString StringGrid::Cell(int col, int row) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell == nullptr ? QString() : cell->text();
}

void StringGrid::SetCell(int col, int row, const QString& text) {
  QTableWidgetItem* cell = item(row, col);
  if (cell == nullptr) {
    cell = new QTableWidgetItem;
    setItem(row, col, cell);
    StyleCell(cell, col, row);
  }
  cell->setText(text);
}

void StringGrid::ResumeEditing(int col, int row) {
  setFocus();
  const QModelIndex index = model()->index(row, col);
  if (!index.isValid()) return;
  setCurrentIndex(index);
  // The editor was closed when the message took the focus; open it again
  // once the focus has settled.
  QTimer::singleShot(0, this, [this, index] {
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable)) return;
    if (indexWidget(index) == nullptr) edit(index);
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) editor->end(false);
  });
}

void StringGrid::SetDefaultColumnWidth(int width) {
  defaultColWidth_ = width;
  horizontalHeader()->setDefaultSectionSize(width + 1);
}

int StringGrid::ScrollBarExtent() const {
  return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

bool AcceptTypedNumber(QWidget* parent, std::uint8_t lang, const QString& text) {
  const QString trimmed = TrimBlanks(text);
  if (trimmed.isEmpty() || IsRealPrefix(trimmed)) return true;
  QApplication::beep();
  ShowMessageBox(parent, MessageKind::Error, ButtonSet::Ok,
                 std::string(PickText(lang, "Wrong symbol at input of number ",
                                      "Неправильный символ при вводе числа ")) +
                     FromQt(text));
  return false;
}

void ReportNumberEntryError(QWidget* parent, std::uint8_t lang, const QString& text) {
  QApplication::beep();
  ShowMessageBox(parent, MessageKind::Error, ButtonSet::Ok,
                 std::string(PickText(lang, "Error of number entry ", "Ошибка при вводе числа ")) +
                     FromQt(text));
}

}  // namespace vexilor::gui
