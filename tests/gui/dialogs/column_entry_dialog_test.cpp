#include "gui/dialogs/column_entry_dialog.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "gui/dialogs/grid_geometry.h"
#include "gui/dialogs/string_grid.h"
#include "gui/support/modal_driver.h"

namespace vexilor::gui {
namespace {

using testing::ClickButton;
using testing::ModalDriver;
using testing::TypeIntoCell;

ColumnEntryRequest Request(std::uint8_t lang = 1, std::uint8_t units = 1, std::uint8_t comps = 2,
                           char heating = 'l') {
  ColumnEntryRequest request;
  request.Lang = lang;
  request.UnitsKind = units;
  request.CompCount = comps;
  request.CompNames = {"comp.1", "comp.2", "comp.3", "comp.4"};
  request.CompNames.resize(comps);
  request.HeatingKind = heating;
  request.TrayCapacity = 65;
  request.SteamCons = 3000;
  return request;
}

class ColumnEntryDialogTest : public ::testing::Test {
 public:
  void Open(const ColumnEntryRequest& request = Request()) {
    dialog.Prepare(request);
    dialog.show();
  }
  QLineEdit* Field(const char* name) { return dialog.findChild<QLineEdit*>(name); }
  StringGrid* Grid(const char* name) { return dialog.findChild<StringGrid*>(name); }
  // Leaves text in a field as if its last key had just been released.
  void TypeCount(const char* name, const QString& text) {
    Field(name)->setText(text);
    QTest::keyClick(Field(name), Qt::Key_End);
  }
  void FillColumn(const QString& steam, const QString& pressure, const QString& total) {
    QTest::keyClicks(Field("edSteamCons"), steam);
    QTest::keyClicks(Field("edSteamPress"), pressure);
    TypeCount("edTotalNumb", total);
  }
  void PressOk() { ClickButton(&dialog, "bitBtOk"); }

  ColumnEntryDialog dialog;
  ModalDriver driver;
};

TEST_F(ColumnEntryDialogTest, AFilledFormIsReadOnTheTraysItNames) {
  Open();
  FillColumn("3000", "3", "8");
  TypeCount("edFeedNumb", "2");
  TypeCount("edCatchNumb", "2");
  StringGrid* feed = Grid("strGrFeed");
  // Two feeds on tray 5: the later row replaces the earlier one there.
  const char* feedCells[][3] = {{"5", "100", "20"}, {"5", "19690", "15"}};
  for (int stream = 0; stream < 2; ++stream) {
    for (int col = 1; col <= 3; ++col) {
      TypeIntoCell(feed, col, stream + 2, QString::fromLatin1(feedCells[stream][col - 1]));
    }
  }
  StringGrid* catches = Grid("strGrCatch");
  TypeIntoCell(catches, 1, 2, "9");
  TypeIntoCell(catches, 2, 2, "780");
  TypeIntoCell(catches, 1, 3, "0");
  TypeIntoCell(catches, 2, 3, "2950.5");
  testing::ClickIndicator(dialog.findChild<QRadioButton*>("rbDeadSteam"));
  PressOk();

  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  const ColumnEntryResult& result = dialog.Result();
  EXPECT_EQ(result.HeatingKind, 'd');
  EXPECT_EQ(result.SteamCons, 3000.0L);
  EXPECT_EQ(result.SteamPress, 3.0L);
  EXPECT_EQ(result.TotalNumb, 8);
  EXPECT_EQ(result.FeedNumb, 2);
  EXPECT_EQ(result.CatchNumb, 2);
  EXPECT_EQ(result.FeedTrays, (std::vector<std::uint8_t>{5, 5}));
  EXPECT_EQ(result.CatchTrays, (std::vector<std::uint8_t>{9, 0}));
  ASSERT_EQ(result.FeedCons.size(), 10u);
  EXPECT_EQ(result.FeedCons[5], 19690.0L);
  EXPECT_EQ(result.FeedConc[0][5], 15.0L);
  EXPECT_EQ(result.FeedConc[1][5], 0.0L);
  EXPECT_EQ(result.CatchCons[9], 780.0L);
  EXPECT_EQ(result.CatchCons[0], 2950.5L);
}

TEST_F(ColumnEntryDialogTest, CountsThatAreNotPositiveAreRefusedAndLeaveTheGrid) {
  Open();
  FillColumn("3000", "3", "8");
  TypeCount("edFeedNumb", "1");
  const QSize shape = Grid("strGrFeed")->size();
  const std::pair<const char*, const char*> cases[] = {
      {"-2", "Negative number"}, {"0", "Not positive number"}, {"x1", "The number is required"}};
  for (const auto& [typed, expected] : cases) {
    std::string message;
    driver.AnswerMessage(QMessageBox::Ok, &message);
    TypeCount("edFeedNumb", QString::fromLatin1(typed));
    EXPECT_EQ(message, expected) << typed;
    EXPECT_EQ(dialog.Result().FeedNumb, 0) << typed;
    EXPECT_EQ(Field("edFeedNumb")->selectedText(), QString::fromLatin1(typed));
  }
  // Refused by sign: the grid keeps its shape; a non-number shrinks it.
  EXPECT_EQ(Grid("strGrFeed")->rowCount(), 3);
  EXPECT_EQ(Grid("strGrFeed")->width(), shape.width());
}

TEST_F(ColumnEntryDialogTest, ClearingAFeedCountShrinksItsGridWithoutAMessage) {
  Open();
  FillColumn("3000", "3", "8");
  TypeCount("edFeedNumb", "3");
  EXPECT_EQ(Grid("strGrFeed")->rowCount(), 5);
  Field("edFeedNumb")->selectAll();
  QTest::keyClick(Field("edFeedNumb"), Qt::Key_Backspace);
  StringGrid* feed = Grid("strGrFeed");
  EXPECT_EQ(feed->height(), ShrunkGridHeight(kDefaultRowHeight) + feed->FrameExtent());
  EXPECT_EQ(feed->rowCount(), 5);
  EXPECT_EQ(dialog.Result().FeedNumb, 0);
}

TEST_F(ColumnEntryDialogTest, TheTotalEnablesTheCountFields) {
  Open();
  EXPECT_FALSE(Field("edFeedNumb")->isEnabled());
  FillColumn("3000", "3", "8");
  EXPECT_TRUE(Field("edFeedNumb")->isEnabled());
  EXPECT_TRUE(Field("edCatchNumb")->isEnabled());

  Field("edTotalNumb")->selectAll();
  QTest::keyClick(Field("edTotalNumb"), Qt::Key_Delete);
  EXPECT_FALSE(Field("edFeedNumb")->isEnabled());
  EXPECT_FALSE(Field("edCatchNumb")->isEnabled());

  TypeCount("edTotalNumb", "6");
  EXPECT_TRUE(Field("edCatchNumb")->isEnabled());
  EXPECT_EQ(dialog.Result().TotalNumb, 6);
}

TEST_F(ColumnEntryDialogTest, LettersInTheTotalAreRefusedAndNothingTypedIsLost) {
  Open();
  FillColumn("3000", "3", "8");
  TypeCount("edFeedNumb", "1");
  TypeIntoCell(Grid("strGrFeed"), 1, 2, "4");
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  TypeCount("edTotalNumb", "8a");
  EXPECT_EQ(message, "The number is required");
  EXPECT_TRUE(Field("edFeedNumb")->isEnabled());
  // Closing the message set nothing up again.
  EXPECT_EQ(Field("edSteamCons")->text(), QStringLiteral("3000"));
  EXPECT_EQ(Field("edFeedNumb")->text(), QStringLiteral("1"));
  EXPECT_EQ(Grid("strGrFeed")->Cell(1, 2), QStringLiteral("4"));
  EXPECT_EQ(dialog.Result().TotalNumb, 8);
}

TEST_F(ColumnEntryDialogTest, AWrongSymbolInACellIsReportedAtOnceAndStays) {
  Open();
  FillColumn("3000", "3", "8");
  TypeCount("edFeedNumb", "1");
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  TypeIntoCell(Grid("strGrFeed"), 2, 2, "1,");
  EXPECT_EQ(message, "Wrong symbol at input of number 1,");
  EXPECT_EQ(Grid("strGrFeed")->Cell(2, 2), QStringLiteral("1,"));
}

TEST_F(ColumnEntryDialogTest, GridsAndHintsFollowTheComponentsAndCounts) {
  struct Case {
    std::uint8_t units, comps;
    int columns;
    const char* concentrations;
  };
  const Case cases[] = {{1, 2, 4, "(for example 15)"},
                        {2, 2, 4, "(for example 6.7)"},
                        {1, 4, 6, "(for example 15;  81;  2)"}};
  for (const Case& c : cases) {
    ColumnEntryDialog entry;
    entry.Prepare(Request(1, c.units, c.comps));
    entry.show();
    auto* total = entry.findChild<QLineEdit*>("edTotalNumb");
    total->setText("8");
    QTest::keyClick(total, Qt::Key_End);
    for (const char* name : {"edFeedNumb", "edCatchNumb"}) {
      auto* count = entry.findChild<QLineEdit*>(name);
      count->setText("3");
      QTest::keyClick(count, Qt::Key_End);
    }
    auto* feed = entry.findChild<StringGrid*>("strGrFeed");
    const std::string feedHint = feed->toolTip().toStdString();
    const std::string catchHint =
        entry.findChild<StringGrid*>("strGrCatch")->toolTip().toStdString();
    SCOPED_TRACE(::testing::Message()
                 << int{c.units} << " units, " << int{c.comps} << " components");
    EXPECT_EQ(feed->columnCount(), c.columns);
    EXPECT_EQ(feed->Cell(c.columns - 1, 0).toStdString(), "comp." + std::to_string(c.comps - 1));
    EXPECT_NE(feedHint.find(c.concentrations), std::string::npos) << feedHint;
    EXPECT_NE(feedHint.find("(for example 5;  4;  2)"), std::string::npos) << feedHint;
    EXPECT_NE(catchHint.find("(for example 9, 6, 6)"), std::string::npos) << catchHint;
    EXPECT_EQ(feed->Cell(0, 4), QStringLiteral("3"));
  }
}

TEST_F(ColumnEntryDialogTest, WithoutWaterOnlyDeadSteamIsOffered) {
  Open(Request(1, 1, 2, 'd'));
  auto* group = dialog.findChild<QGroupBox*>("RadioGroup1");
  EXPECT_FALSE(group->isEnabled());
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("rbDeadSteam")->isChecked());
  FillColumn("3000", "3", "2");
  TypeCount("edFeedNumb", "1");
  TypeCount("edCatchNumb", "1");
  for (const auto& [col, text] : {std::pair{1, "1"}, std::pair{2, "100"}, std::pair{3, "50"}}) {
    TypeIntoCell(Grid("strGrFeed"), col, 2, text);
  }
  TypeIntoCell(Grid("strGrCatch"), 1, 2, "3");
  TypeIntoCell(Grid("strGrCatch"), 2, 2, "40");
  PressOk();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Result().HeatingKind, 'd');
}

TEST_F(ColumnEntryDialogTest, OkRefusesInOrderUntilEverythingIsThere) {
  Open();
  struct Step {
    std::function<void(ColumnEntryDialogTest&)> fill;
    const char* message;
  };
  const Step steps[] = {
      {[](ColumnEntryDialogTest&) {}, "One of parameters of the heating steam is not set"},
      {[](ColumnEntryDialogTest& t) {
         QTest::keyClicks(t.Field("edSteamCons"), "3000");
         QTest::keyClicks(t.Field("edSteamPress"), "abc");
       },
       "Set total number of column trays"},
      {[](ColumnEntryDialogTest& t) { t.TypeCount("edTotalNumb", "8"); },
       "Set number of Feed trays of the column"},
      {[](ColumnEntryDialogTest& t) { t.TypeCount("edFeedNumb", "1"); },
       "Set number of Catch trays of the column"},
      {[](ColumnEntryDialogTest& t) { t.TypeCount("edCatchNumb", "1"); },
       "'abc' is not a valid floating point value"},
      {[](ColumnEntryDialogTest& t) {
         t.Field("edSteamPress")->setText("3");
         TypeIntoCell(t.Grid("strGrFeed"), 1, 2, "4");
         TypeIntoCell(t.Grid("strGrFeed"), 2, 2, "100");
       },
       "All fields of this tables should be filled"},
      {[](ColumnEntryDialogTest& t) {
         TypeIntoCell(t.Grid("strGrFeed"), 3, 2, "40");
         TypeIntoCell(t.Grid("strGrCatch"), 1, 2, "9");
       },
       "All fields of this tables should be filled"},
      // A text left in a cell although its check spoke when it was typed.
      {[](ColumnEntryDialogTest& t) { t.Grid("strGrCatch")->SetCell(2, 2, "1.5."); },
       "Error of number entry 1.5."},
  };
  for (const Step& step : steps) {
    step.fill(*this);
    std::string message;
    driver.AnswerMessage(QMessageBox::Ok, &message);
    PressOk();
    EXPECT_EQ(message, step.message);
    EXPECT_TRUE(dialog.isVisible()) << step.message;
  }
}

TEST_F(ColumnEntryDialogTest, ATotalAboveTheSolverLimitIsRefused) {
  Open();  // two components: at most 19 trays
  std::string typed;
  driver.AnswerMessage(QMessageBox::Ok, &typed);
  FillColumn("3000", "3", "20");
  EXPECT_EQ(typed, "The number is more than 19");
  EXPECT_FALSE(Field("edFeedNumb")->isEnabled());
  EXPECT_EQ(dialog.Result().TotalNumb, 0);
  EXPECT_NE(Field("edTotalNumb")->toolTip().toStdString().find("no more then 19"),
            std::string::npos);

  // A total changed without a key release is checked again by OK.
  TypeCount("edTotalNumb", "19");
  TypeCount("edFeedNumb", "1");
  TypeCount("edCatchNumb", "1");
  Field("edTotalNumb")->setText("0");
  std::string atOk;
  driver.AnswerMessage(QMessageBox::Ok, &atOk);
  PressOk();
  EXPECT_EQ(atOk, "Total number of column trays should be from 1 to 19");
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ColumnEntryDialogTest, TrayNumbersOutsideTheColumnAreRefused) {
  Open();
  FillColumn("3000", "3", "8");
  TypeCount("edFeedNumb", "1");
  TypeCount("edCatchNumb", "1");
  for (const auto& [col, text] : {std::pair{1, "4"}, std::pair{2, "100"}, std::pair{3, "50"}}) {
    TypeIntoCell(Grid("strGrFeed"), col, 2, text);
  }
  TypeIntoCell(Grid("strGrCatch"), 1, 2, "10");
  TypeIntoCell(Grid("strGrCatch"), 2, 2, "40");
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  PressOk();
  EXPECT_EQ(message, "Number of a tray should be from 0 to 9");
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ColumnEntryDialogTest, RussianTextsAndTitles) {
  Open(Request(0, 2, 3));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ввод данных для расчета процесса ректификации"));
  auto* pages = dialog.findChild<QTabWidget*>("pcDesign");
  EXPECT_EQ(pages->tabText(0), QStringLiteral("Главные"));
  EXPECT_FALSE(pages->isTabVisible(1));
  StringGrid* feed = Grid("strGrFeed");
  EXPECT_EQ(feed->Cell(0, 0), QStringLiteral("№"));
  EXPECT_EQ(feed->Cell(1, 0), QStringLiteral("№ т. питан."));
  EXPECT_EQ(feed->Cell(2, 1), QStringLiteral(" кмоль/час;"));
  EXPECT_EQ(feed->Cell(3, 1), QStringLiteral("  % мольн;"));
  EXPECT_EQ(Grid("strGrCatch")->Cell(1, 0), QStringLiteral("№ т. отбор."));
  EXPECT_EQ(Field("edSteamCons")->toolTip(),
            QStringLiteral("Задайте расход греющего пара, кг/час (например 3000)"));
}

}  // namespace
}  // namespace vexilor::gui
