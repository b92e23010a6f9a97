#include "gui/browser/field_delegate.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <memory>

namespace vexilor::gui {
namespace {

//! One row of InitData in a plain item model, edited through the delegate.
class FieldDelegateTest : public ::testing::Test {
 protected:
  FieldDelegateTest()
      : model(1, static_cast<int>(store::InitDataTable().Fields.size())),
        delegate(store::InitDataTable(), nullptr) {}

  QModelIndex Cell(const char* field) {
    return model.index(0, store::InitDataTable().FieldIndex(field));
  }
  //! Opens an editor on the field holding value, lets edit change it, and
  //! writes it back; returns the field's value afterwards.
  template <typename Editor>
  QVariant EditField(const char* field, const QVariant& value,
                     const std::function<void(Editor*)>& edit) {
    model.setData(Cell(field), value, Qt::EditRole);
    std::unique_ptr<QWidget> editor(
        delegate.createEditor(&parent, QStyleOptionViewItem(), Cell(field)));
    auto* typed = qobject_cast<Editor*>(editor.get());
    EXPECT_NE(typed, nullptr);
    if (typed == nullptr) return {};
    delegate.setEditorData(typed, Cell(field));
    edit(typed);
    delegate.setModelData(typed, &model, Cell(field));
    return Cell(field).data(Qt::EditRole);
  }
  QVariant Type(const char* field, const QVariant& value, const QString& text) {
    return EditField<QLineEdit>(field, value, [&](QLineEdit* line) { line->setText(text); });
  }

  QStandardItemModel model;
  FieldDelegate delegate;
  QWidget parent;
};

TEST_F(FieldDelegateTest, TextsAreLimitedToTheirFieldWidth) {
  const struct {
    const char* field;
    int width;
  } cases[] = {{"RheatKind", 6}, {"RMethod", 7}, {"RComp1", 20}, {"RfileVLE", 40}};
  for (const auto& c : cases) {
    EditField<QLineEdit>(
        c.field, "x", [&](QLineEdit* line) { EXPECT_EQ(line->maxLength(), c.width) << c.field; });
  }
}

TEST_F(FieldDelegateTest, NumbersOutsideTheirFieldKeepTheStoredValue) {
  EXPECT_EQ(Type("RquantTrays", 8, "12"), 12);
  EXPECT_EQ(Type("RquantTrays", 8, "40000"), 8);  // beyond 16 bits
  EXPECT_EQ(Type("RLang", 1, "x"), 1);
  EXPECT_EQ(Type("RPressure", 760.0, "1e-3"), 0.001);
  EXPECT_EQ(Type("RPressure", 760.0, "-"), 760.0);
  EXPECT_TRUE(Type("RPressure", 760.0, "").isNull());  // erased: empty
  EXPECT_TRUE(Type("RComp2", "Water", " ").isNull());
}

TEST_F(FieldDelegateTest, RealsAreOfferedForEditingInTheirShortestExactForm) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0.1 + 0.2, "0.30000000000000004"}, {1500.0, "1500"}, {1e-7, "1e-07"}};
  for (const auto& c : cases) {
    EditField<QLineEdit>("RheatStCons", c.value,
                         [&](QLineEdit* line) { EXPECT_EQ(line->text(), c.text); });
  }
}

TEST_F(FieldDelegateTest, EndingAnEditWithoutAChangeWritesNothing) {
  int writes = 0;
  QObject::connect(&model, &QAbstractItemModel::dataChanged, [&writes] { ++writes; });
  EditField<QLineEdit>("RComp1", "Water", [](QLineEdit*) {});
  EditField<QDateEdit>("RDate", QVariant(), [](QDateEdit*) {});
  EXPECT_EQ(writes, 2);  // the two values the test put in, none by the delegate
  EXPECT_TRUE(Cell("RDate").data(Qt::EditRole).isNull());
}

TEST_F(FieldDelegateTest, DatesAreStoredAsIsoText) {
  const QVariant after = EditField<QDateEdit>("RDate", "2024-03-05", [](QDateEdit* edit) {
    EXPECT_EQ(edit->date(), QDate(2024, 3, 5));
    edit->setDate(QDate(2025, 12, 31));
  });
  EXPECT_EQ(after, "2025-12-31");
}

}  // namespace
}  // namespace vexilor::gui
