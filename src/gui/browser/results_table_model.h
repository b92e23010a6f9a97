// One results table as the browser's grids show and edit it.
#pragma once

#include <QSqlTableModel>

#include "store/schema.h"

namespace vexilor::gui {

//! A table of the results database with the display texts of its fields
//! (flows, concentrations and temperatures in "%8.4f"), a read-only key,
//! and every refused post reported through PostFailed. Edits are posted
//! when the grid leaves the row or the navigator posts them.
class ResultsTableModel : public QSqlTableModel {
  Q_OBJECT

 public:
  ResultsTableModel(const store::TableDef& table, const QSqlDatabase& database, QObject* parent);

  const store::TableDef& Table() const { return table_; }

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  //! Called by a grid when an edit ends or its current row changes:
  //! posts the row.
  bool submit() override;

  //! Posts pending edits; when the database refuses them, reports the
  //! error (reportFailure) and keeps them pending. A row inserted and
  //! left empty is dropped, as an insert that was cancelled.
  bool Post(bool reportFailure = true);
  //! True for a row inserted in the grid and not typed into yet.
  bool IsUntouchedNewRow(int row) const;
  //! Drops the rows inserted and never typed into.
  void DropUntouchedNewRows();
  //! Reads every row: SQLite does not tell the count in advance, so the
  //! model otherwise holds only the first batch.
  void FetchAll();

 signals:
  void PostFailed(const QString& message);

 private:
  //! True when the only pending change is an untouched new row.
  bool OnlyUntouchedNewRowPending() const;

  const store::TableDef& table_;
  bool dropping_ = false;  //!< dropping a row moves the current row, which drops again
};

}  // namespace vexilor::gui
