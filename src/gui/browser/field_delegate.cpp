#include "gui/browser/field_delegate.h"

#include <QDateEdit>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QLocale>

namespace vexilor::gui {
namespace {

using store::FieldType;

//! Editors remember what they were opened with, so that ending an edit
//! without a change writes nothing: a new row stays untouched, a stored
//! row is not posted again.
constexpr const char* kOpenedWith = "openedWith";

//! The text of a real as typed back: the shortest form that reads back
//! to the same double, so opening an editor never changes a value.
QString RealText(const QVariant& value) {
  return value.isNull()
             ? QString()
             : QLocale::c().toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
}

}  // namespace

FieldDelegate::FieldDelegate(const store::TableDef& table, QObject* parent)
    : QStyledItemDelegate(parent), table_(table) {}

const store::FieldDef* FieldDelegate::FieldAt(const QModelIndex& index) const {
  const auto column = static_cast<std::size_t>(index.column());
  return index.column() >= 0 && column < table_.Fields.size() ? &table_.Fields[column] : nullptr;
}

QWidget* FieldDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  const store::FieldDef* field = FieldAt(index);
  if (field == nullptr) return QStyledItemDelegate::createEditor(parent, option, index);
  if (field->Type == FieldType::Date) {
    auto* editor = new QDateEdit(parent);
    editor->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    editor->setCalendarPopup(true);
    return editor;
  }
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  switch (field->Type) {
    case FieldType::Text:
      editor->setMaxLength(field->Width);
      break;
    case FieldType::SmallInt:
    case FieldType::AutoIncrement:
      editor->setValidator(new QIntValidator(-32768, 32767, editor));
      break;
    case FieldType::Double: {
      auto* validator = new QDoubleValidator(editor);
      validator->setLocale(QLocale::c());
      validator->setNotation(QDoubleValidator::ScientificNotation);
      editor->setValidator(validator);
      break;
    }
    case FieldType::Date:
      break;
  }
  return editor;
}

void FieldDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QVariant value = index.data(Qt::EditRole);
  if (auto* dateEdit = qobject_cast<QDateEdit*>(editor)) {
    const QDate date = value.toDate();
    dateEdit->setDate(date.isValid() ? date : QDate::currentDate());
    dateEdit->setProperty(kOpenedWith, dateEdit->date());
    return;
  }
  auto* lineEdit = qobject_cast<QLineEdit*>(editor);
  const store::FieldDef* field = FieldAt(index);
  if (lineEdit == nullptr || field == nullptr) {
    QStyledItemDelegate::setEditorData(editor, index);
    return;
  }
  lineEdit->setText(field->Type == FieldType::Double ? RealText(value) : value.toString());
  lineEdit->setProperty(kOpenedWith, lineEdit->text());
}

void FieldDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                 const QModelIndex& index) const {
  if (auto* dateEdit = qobject_cast<QDateEdit*>(editor)) {
    if (dateEdit->date() == dateEdit->property(kOpenedWith).toDate()) return;
    model->setData(index, dateEdit->date().toString(Qt::ISODate));
    return;
  }
  auto* lineEdit = qobject_cast<QLineEdit*>(editor);
  const store::FieldDef* field = FieldAt(index);
  if (lineEdit == nullptr || field == nullptr) {
    QStyledItemDelegate::setModelData(editor, model, index);
    return;
  }
  if (lineEdit->text() == lineEdit->property(kOpenedWith).toString()) return;
  const QString text = lineEdit->text().trimmed();
  if (text.isEmpty()) {
    model->setData(index, QVariant());
    return;
  }
  if (!lineEdit->hasAcceptableInput()) return;  // "-" or "1e": keep the stored value
  switch (field->Type) {
    case FieldType::Double:
      model->setData(index, QLocale::c().toDouble(text));
      break;
    case FieldType::SmallInt:
    case FieldType::AutoIncrement:
      model->setData(index, text.toInt());
      break;
    default:
      model->setData(index, lineEdit->text());
      break;
  }
}

}  // namespace vexilor::gui
