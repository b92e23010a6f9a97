// The grids of the results browser: a table view over a ResultsTableModel
// that keeps its current row while the model is read again.
#pragma once

#include <QTableView>

#include "gui/browser/results_table_model.h"

namespace vexilor::gui {

class ResultsGrid : public QTableView {
  Q_OBJECT

 public:
  ResultsGrid(ResultsTableModel* model, QWidget* parent);

  ResultsTableModel* Model() const { return model_; }
  //! Row of the current cell, -1 when there is none.
  int CurrentRow() const;
  //! Makes row current (clamped to the rows there are), keeping the
  //! column; a row with unposted edits is posted first, and stays current
  //! when that fails.
  void MoveToRow(int row);
  //! Ends an edit in progress: its text goes to the model (commit) or is
  //! dropped. The navigator does this before it acts.
  void EndEdit(bool commit);
  //! The first visible column, for making a row current.
  int FirstVisibleColumn() const;

 signals:
  //! A mouse button was pressed inside the grid (binds the navigator).
  void Pressed();
  //! The current row changed to row (-1: none).
  void CurrentRowChanged(int row);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ResultsTableModel* model_;
  int rowBeforeReset_ = -1;
  int columnBeforeReset_ = 0;
};

}  // namespace vexilor::gui
