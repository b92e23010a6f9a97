#include "gui/browser/results_table_model.h"

#include <QScopedValueRollback>
#include <QSqlError>
#include <QSqlRecord>

#include "store/display_text.h"

namespace vexilor::gui {

ResultsTableModel::ResultsTableModel(const store::TableDef& table, const QSqlDatabase& database,
                                     QObject* parent)
    : QSqlTableModel(parent, database), table_(table) {
  setTable(QString::fromStdString(table.Name));
  setEditStrategy(QSqlTableModel::OnRowChange);
  setSort(0, Qt::AscendingOrder);  // the key grows with every post: stored order
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
  const bool fixedPoint =
      index.isValid() && index.column() < static_cast<int>(table_.Fields.size()) &&
      store::ShownInFixedPoint(table_.Fields[static_cast<std::size_t>(index.column())].Name);
  if (fixedPoint && role == Qt::DisplayRole) {
    const QVariant value = QSqlTableModel::data(index, Qt::EditRole);
    return QString::fromStdString(store::FixedPointText(
        value.isNull() ? std::nullopt : std::optional<double>(value.toDouble())));
  }
  if (fixedPoint && role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return QSqlTableModel::data(index, role);
}

Qt::ItemFlags ResultsTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags itemFlags = QSqlTableModel::flags(index);
  if (index.column() == 0) itemFlags &= ~Qt::ItemIsEditable;  // the auto-increment key
  return itemFlags;
}

bool ResultsTableModel::IsUntouchedNewRow(int row) const {
  const QSqlRecord values = record(row);
  if (values.isEmpty() || !values.value(0).isNull()) return false;  // posted rows have a key
  for (int field = 0; field < values.count(); ++field) {
    if (values.isGenerated(field)) return false;  // a field set since the insert
  }
  return true;
}

bool ResultsTableModel::OnlyUntouchedNewRowPending() const {
  bool found = false;
  for (int row = 0; row < rowCount(); ++row) {
    if (!isDirty(index(row, 0))) continue;
    if (!IsUntouchedNewRow(row)) return false;
    found = true;
  }
  return found;
}

void ResultsTableModel::DropUntouchedNewRows() {
  if (dropping_) return;
  const QScopedValueRollback guard(dropping_, true);
  for (int row = rowCount() - 1; row >= 0; --row) {
    if (IsUntouchedNewRow(row)) revertRow(row);
  }
}

bool ResultsTableModel::submit() {
  // Moving onto a row just inserted must not post it before it is typed into.
  if (OnlyUntouchedNewRowPending()) return true;
  const bool posted = QSqlTableModel::submit();
  if (!posted) emit PostFailed(lastError().text());
  return posted;
}

bool ResultsTableModel::Post(bool reportFailure) {
  if (!isDirty()) return true;
  if (OnlyUntouchedNewRowPending()) {
    DropUntouchedNewRows();
    return true;
  }
  const bool posted = submitAll();
  if (!posted && reportFailure) emit PostFailed(lastError().text());
  return posted;
}

void ResultsTableModel::FetchAll() {
  while (canFetchMore()) fetchMore();
}

}  // namespace vexilor::gui
