// In-place editors of the results grids, one kind per field type.
#pragma once

#include <QStyledItemDelegate>

#include "store/schema.h"

namespace vexilor::gui {

//! Texts are limited to their field's width, 16-bit integers to their
//! range, reals to numbers, dates to dates, so a grid cannot post a value
//! its field cannot hold. A text or number erased to nothing posts NULL.
class FieldDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  FieldDelegate(const store::TableDef& table, QObject* parent);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  const store::FieldDef* FieldAt(const QModelIndex& index) const;

  const store::TableDef& table_;
};

}  // namespace vexilor::gui
