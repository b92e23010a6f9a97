#include "gui/browser/results_grid.h"

#include <QEvent>
#include <QHeaderView>

#include "gui/browser/field_delegate.h"

namespace vexilor::gui {

ResultsGrid::ResultsGrid(ResultsTableModel* model, QWidget* parent)
    : QTableView(parent), model_(model) {
  setModel(model);
  setItemDelegate(new FieldDelegate(model->Table(), this));
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(true);
  horizontalHeader()->setSectionsMovable(false);
  // A click on a title binds the navigator, nothing more: it must not move
  // the current row as a column selection would.
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->viewport()->installEventFilter(this);
  verticalHeader()->viewport()->installEventFilter(this);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

  // Reading the table again (after a post, a refresh or a deletion) resets
  // the model, which forgets the current cell: take the same row again.
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    rowBeforeReset_ = CurrentRow();
    columnBeforeReset_ = std::max(currentIndex().column(), 0);
  });
  connect(model, &QAbstractItemModel::modelReset, this, [this] {
    if (rowBeforeReset_ < 0 && model_->rowCount() > 0) rowBeforeReset_ = 0;
    if (rowBeforeReset_ >= 0) {
      while (model_->rowCount() <= rowBeforeReset_ && model_->canFetchMore()) model_->fetchMore();
      const int row = std::min(rowBeforeReset_, model_->rowCount() - 1);
      if (row >= 0) setCurrentIndex(model_->index(row, columnBeforeReset_));
    }
    if (CurrentRow() < 0) emit CurrentRowChanged(-1);
  });
}

int ResultsGrid::CurrentRow() const {
  return currentIndex().isValid() ? currentIndex().row() : -1;
}

int ResultsGrid::FirstVisibleColumn() const {
  for (int column = 0; column < model_->columnCount(); ++column) {
    if (!isColumnHidden(column)) return column;
  }
  return 0;
}

void ResultsGrid::EndEdit(bool commit) {
  if (state() != QAbstractItemView::EditingState) return;
  QWidget* editor = indexWidget(currentIndex());
  if (editor == nullptr) return;
  if (commit) commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ResultsGrid::MoveToRow(int row) {
  if (CurrentRow() >= 0 && model_->isDirty() && !model_->Post()) return;
  if (row >= model_->rowCount()) model_->FetchAll();
  row = std::clamp(row, 0, model_->rowCount() - 1);
  if (row < 0) return;
  const int column = currentIndex().isValid() ? currentIndex().column() : FirstVisibleColumn();
  setCurrentIndex(model_->index(row, column));
}

void ResultsGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  // Leaving a row inserted and never typed into drops it.
  if (previous.isValid() && current.row() != previous.row() &&
      model_->IsUntouchedNewRow(previous.row())) {
    model_->DropUntouchedNewRows();
  }
  if (current.row() != previous.row() || current.isValid() != previous.isValid()) {
    emit CurrentRowChanged(current.isValid() ? current.row() : -1);
  }
}

bool ResultsGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) emit Pressed();
  return QTableView::viewportEvent(event);
}

bool ResultsGrid::eventFilter(QObject* watched, QEvent* event) {
  const bool onHeader =
      watched == horizontalHeader()->viewport() || watched == verticalHeader()->viewport();
  if (onHeader && event->type() == QEvent::MouseButtonPress) emit Pressed();
  return QTableView::eventFilter(watched, event);
}

}  // namespace vexilor::gui
