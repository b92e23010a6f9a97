#include "gui/dialogs/grid_dialog.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "gui/dialogs/string_grid.h"
#include "gui/support/modal_driver.h"

namespace vexilor::gui {
namespace {

using testing::ClickButton;
using testing::ModalDriver;
using testing::TypeIntoCell;

// Three rows, two of them titles, and two real columns: one data row.
GridRequest OneRowOfTwoReals(std::uint8_t lang = 1) {
  GridRequest request;
  request.BaseHeight = 219;
  request.FixedCols = 0;
  request.FixedRows = 2;
  request.ColCount = 2;
  request.RowCount = 3;
  request.CellTexts = {{"A12", "J/mol", ""}, {"A21", "J/mol", ""}};
  request.IntColumn = {false, false};
  request.Caption = "Parameters";
  request.Prompt = "Enter the power parameters";
  request.Lang = lang;
  return request;
}

StringGrid* GridOf(QWidget* dialog) {
  return dialog->findChild<StringGrid*>("StringGrid1");
}

TEST(GridDialogTest, OkReadsEveryDataCell) {
  GridDialog dialog(219, 0, 2);
  dialog.Prepare(OneRowOfTwoReals());
  ModalDriver driver;
  driver.On<GridDialog>([](GridDialog* shown) {
    EXPECT_EQ(GridOf(shown)->Cell(0, 0), QStringLiteral("A12"));
    TypeIntoCell(GridOf(shown), 0, 2, "1.5");
    TypeIntoCell(GridOf(shown), 1, 2, "-2");
    ClickButton(shown, "btOk");
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.Results().GridReals[0][2], 1.5L);
  EXPECT_EQ(dialog.Results().GridReals[1][2], -2.0L);
  EXPECT_FALSE(dialog.Results().Cancelled);
}

TEST(GridDialogTest, AnEmptyCellKeepsTheWindowOpenWithoutAMessage) {
  GridDialog dialog(219, 0, 2);
  dialog.Prepare(OneRowOfTwoReals());
  bool stayedOpen = false;
  ModalDriver driver;
  driver.On<GridDialog>([&stayedOpen](GridDialog* shown) {
    TypeIntoCell(GridOf(shown), 0, 2, "1.5");
    ClickButton(shown, "btOk");
    stayedOpen = shown->isVisible();
    ClickButton(shown, "btCancel");
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(dialog.Results().Cancelled);
  // What was read before the empty cell stays read.
  EXPECT_EQ(dialog.Results().GridReals[0][2], 1.5L);
}

TEST(GridDialogTest, ALetterBringsTheWrongSymbolMessageAtOnceAndTheTextStays) {
  GridDialog dialog(219, 0, 2);
  dialog.Prepare(OneRowOfTwoReals(2));
  std::string message;
  ModalDriver driver;
  driver.On<GridDialog>([](GridDialog* shown) { TypeIntoCell(GridOf(shown), 1, 2, "1x"); })
      .AnswerMessage(QMessageBox::Ok, &message)
      .On<GridDialog>([](GridDialog* shown) {
        EXPECT_EQ(GridOf(shown)->Cell(1, 2), QStringLiteral("1x"));
        shown->close();
      });
  dialog.exec();
  EXPECT_EQ(message, "Неправильный символ при вводе числа 1x");
}

TEST(GridDialogTest, ABadIntegerIsReportedAndEmptiedAndEarlierValuesStay) {
  GridRequest request = OneRowOfTwoReals();
  request.IntColumn = {false, true};
  GridDialog dialog(219, 0, 2);
  dialog.Prepare(request);
  std::string message;
  ModalDriver driver;
  driver
      .On<GridDialog>([](GridDialog* shown) {
        TypeIntoCell(GridOf(shown), 0, 2, "4");
        TypeIntoCell(GridOf(shown), 1, 2, "2.5");
        ClickButton(shown, "btOk");
      })
      .AnswerMessage(QMessageBox::Ok, &message)
      .On<GridDialog>([](GridDialog* shown) {
        StringGrid* grid = GridOf(shown);
        EXPECT_EQ(grid->Cell(1, 2), QString());
        EXPECT_EQ(grid->currentColumn(), 1);
        TypeIntoCell(grid, 1, 2, "70000");
        ClickButton(shown, "btOk");
      });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(message, "Error of number entry 2.5");
  EXPECT_EQ(dialog.Results().GridReals[0][2], 4.0L);
  EXPECT_EQ(dialog.Results().GridInts[1][2], 4464);
}

TEST(GridDialogTest, CloseBoxLeavesTheOutputsAndCancelledAsTheyWere) {
  GridDialog dialog(219, 0, 2);
  dialog.Prepare(OneRowOfTwoReals());
  ModalDriver driver;
  driver.On<GridDialog>([](GridDialog* shown) { shown->close(); });
  dialog.exec();
  EXPECT_FALSE(dialog.Results().Cancelled);
  EXPECT_EQ(dialog.Results().GridReals[0][2], 0.0L);
}

// Columns (rows) of the grid that are wholly in view.
int VisibleColumns(const StringGrid* grid) {
  int visible = 0;
  for (int col = 0; col < grid->columnCount(); ++col) {
    if (grid->columnViewportPosition(col) + grid->columnWidth(col) <= grid->viewport()->width()) {
      ++visible;
    }
  }
  return visible;
}

int VisibleRows(const StringGrid* grid) {
  int visible = 0;
  for (int row = 0; row < grid->rowCount(); ++row) {
    if (grid->rowViewportPosition(row) + grid->rowHeight(row) <= grid->viewport()->height()) {
      ++visible;
    }
  }
  return visible;
}

TEST(GridDialogTest, MoreThanFourColumnsOrFiveRowsScroll) {
  struct Case {
    int cols, rows;
    int visibleCols, visibleRows;
    bool hScroll, vScroll;
  };
  const Case cases[] = {
      {2, 3, 2, 3, false, false},
      {5, 3, 4, 3, true, false},
      {2, 6, 2, 5, false, true},
      {7, 9, 4, 5, true, true},
  };
  for (const Case& c : cases) {
    GridRequest request = OneRowOfTwoReals();
    request.ColCount = c.cols;
    request.RowCount = c.rows;
    request.CellTexts.clear();
    request.IntColumn.assign(static_cast<std::size_t>(c.cols), false);
    GridDialog dialog(219, 0, 2);
    dialog.Prepare(request);
    dialog.show();
    const StringGrid* grid = GridOf(&dialog);
    SCOPED_TRACE(::testing::Message() << c.cols << " x " << c.rows);
    EXPECT_EQ(VisibleColumns(grid), c.visibleCols);
    EXPECT_EQ(VisibleRows(grid), c.visibleRows);
    EXPECT_EQ(grid->horizontalScrollBar()->isVisible(), c.hScroll);
    EXPECT_EQ(grid->verticalScrollBar()->isVisible(), c.vScroll);
    dialog.hide();
  }
}

}  // namespace
}  // namespace vexilor::gui
