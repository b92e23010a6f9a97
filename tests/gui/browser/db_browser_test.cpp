#include "gui/browser/db_browser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlQuery>

#include "gui/browser/browser_fixture.h"

namespace vexilor::gui {
namespace {

using testing::SampleRun;
using Button = TDBNavigator::Button;

std::vector<int> Range(int first, int last) {
  std::vector<int> values;
  for (int value = first; value <= last; ++value) values.push_back(value);
  return values;
}

TEST_F(BrowserTest, OpensOnTheNewestCalculationWithItsStreamsAndTraysInStoredOrder) {
  const int ids[] = {Store(SampleRun()), Store(SampleRun(2, 1, 'd')), Store(SampleRun())};
  OpenBrowser();

  EXPECT_EQ(Grid("DBGrid1")->CurrentRow(), 2);
  EXPECT_EQ(dm->ReportRecNo, 3);
  // Streams: the feed, then the takeoffs from the still and the dephlegmator.
  EXPECT_EQ(Column("DBGrid2", 2), (QVariantList{2, 0, 5}));
  EXPECT_EQ(Column("DBGrid2", 1), (QVariantList{"Feed submi", "Selection ", "Selection "}));
  EXPECT_EQ(Column("DBGrid2", 11), (QVariantList{ids[2], ids[2], ids[2]}));
  EXPECT_EQ(Column("DBGrid3", 1), (QVariantList{0, 1, 2, 3, 4, 5}));

  Navigator()->Press(Button::Prior);  // the details follow the calculation
  EXPECT_EQ(Column("DBGrid2", 1), (QVariantList{"Подача пит", "Отбор фрак", "Отбор фрак"}));
  EXPECT_EQ(Column("DBGrid3", 19), QVariantList(6, ids[1]));
  EXPECT_EQ(dm->ReportRecNo, 2);
}

TEST_F(BrowserTest, TitlesFollowTheLanguageAndUnitsOfTheCurrentCalculation) {
  Store(SampleRun(1, 1, 'l'));
  Store(SampleRun(2, 2, 'd'));
  OpenBrowser(1);  // English interface, Russian calculation current

  EXPECT_EQ(Title("DBGrid1", 0), "№ Расчета");
  EXPECT_EQ(Title("DBGrid1", 14), "Наименование компонента 3");
  EXPECT_EQ(Title("DBGrid2", 3), "Расход, кмоль/ч");
  EXPECT_EQ(Title("DBGrid2", 6), "Метанол, содержание в потоке, %мольн.");
  EXPECT_EQ(Title("DBGrid2", 8), ", содержание в потоке, %мольн.");  // no fifth component
  EXPECT_EQ(Title("DBGrid3", 1), "№ Тарелки");
  EXPECT_EQ(Title("DBGrid3", 3), "Расход жидкой фазы, кмоль/ч");
  EXPECT_EQ(browser->windowTitle(),
            "Input datas and outcomes of rectification processes calculation");

  std::vector<int> calculationsHidden = Range(17, 28);
  calculationsHidden.push_back(30);  // RmolMass is never shown
  EXPECT_EQ(Hidden("DBGrid1"), calculationsHidden);
  EXPECT_EQ(Hidden("DBGrid2"), (std::vector<int>{9, 10, 11}));
  std::vector<int> traysHidden = Range(15, 19);
  traysHidden.insert(traysHidden.begin(), 0);  // nor TRes_Id
  EXPECT_EQ(Hidden("DBGrid3"), traysHidden);

  Navigator()->Press(Button::First);
  EXPECT_EQ(Title("DBGrid1", 0), "Calc Id");
  EXPECT_EQ(Title("DBGrid2", 3), "Consump.,  kg/sec");
  EXPECT_EQ(Title("DBGrid3", 6), "Ethanol, contents in vapour, % mass.");
  // Reading the tables again keeps titles and hidden columns.
  Navigator()->Press(Button::Refresh);
  EXPECT_EQ(Title("DBGrid1", 0), "Calc Id");
  EXPECT_EQ(Hidden("DBGrid1"), calculationsHidden);
  EXPECT_EQ(Grid("DBGrid1")->CurrentRow(), 0);
}

TEST_F(BrowserTest, EmptyDatabaseShowsFieldNamesAndLeavesReportRecNo) {
  dm->ReportRecNo = 7;
  OpenBrowser();

  EXPECT_EQ(Grid("DBGrid1")->model()->rowCount(), 0);
  EXPECT_EQ(Grid("DBGrid2")->model()->rowCount(), 0);
  EXPECT_EQ(Grid("DBGrid3")->model()->rowCount(), 0);
  EXPECT_EQ(Title("DBGrid1", 0), "Rect_Id");
  EXPECT_EQ(Title("DBGrid2", 3), "AConsum");
  EXPECT_EQ(Title("DBGrid3", 2), "Temper");
  EXPECT_EQ(Hidden("DBGrid1"), (std::vector<int>{30}));
  EXPECT_EQ(Hidden("DBGrid3"), (std::vector<int>{0}));
  EXPECT_EQ(dm->ReportRecNo, 7);
}

TEST_F(BrowserTest, NavigatorOffersEditingOnlyForTheCalculationsGrid) {
  Store(SampleRun());
  OpenBrowser();
  const auto shownButtons = [this] {
    std::vector<Button> shown;
    for (int i = 0; i < TDBNavigator::kButtonCount; ++i) {
      if (!Navigator()->ButtonOf(static_cast<Button>(i))->isHidden()) {
        shown.push_back(static_cast<Button>(i));
      }
    }
    return shown;
  };
  const std::vector<Button> browseOnly = {Button::First, Button::Prior, Button::Next, Button::Last,
                                          Button::Refresh};
  EXPECT_EQ(shownButtons().size(), 10u);

  QTest::mouseClick(Grid("DBGrid3")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Navigator()->Grid(), Grid("DBGrid3"));
  EXPECT_EQ(shownButtons(), browseOnly);

  QTest::mouseClick(Grid("DBGrid1")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(shownButtons().size(), 10u);

  // A click on a title binds too (the grids' hint says so), without moving.
  const int row = Grid("DBGrid1")->CurrentRow();
  QTest::mouseClick(Grid("DBGrid2")->horizontalHeader()->viewport(), Qt::LeftButton, {},
                    QPoint(5, 5));
  EXPECT_EQ(Navigator()->Grid(), Grid("DBGrid2"));
  EXPECT_EQ(shownButtons(), browseOnly);
  EXPECT_EQ(Grid("DBGrid1")->CurrentRow(), row);
}

TEST_F(BrowserTest, ReportAndPictureTakeTheCalculationThatIsCurrent) {
  const int ids[] = {Store(SampleRun()), Store(SampleRun(2)), Store(SampleRun())};
  OpenBrowser();
  std::vector<int> reported;
  std::vector<int> drawn;
  QObject::connect(browser.get(), &TfmDbRect::ReportRequested,
                   [&](const store::StoredCalculation& c) { reported.push_back(c.Init.Rect_Id); });
  QObject::connect(browser.get(), &TfmDbRect::PictorialFormRequested,
                   [&](const store::StoredCalculation& c) {
                     drawn.push_back(c.Init.Rect_Id);
                     EXPECT_EQ(c.Trays.size(), 6u);
                     EXPECT_EQ(c.Streams.size(), 3u);
                   });

  Navigator()->Press(Button::First);
  QTest::mouseClick(browser->findChild<QPushButton*>("btnReport"), Qt::LeftButton);
  Navigator()->Press(Button::Next);
  QTest::mouseClick(browser->findChild<QPushButton*>("BtnPictFm"), Qt::LeftButton);

  EXPECT_EQ(reported, (std::vector<int>{ids[0]}));
  EXPECT_EQ(drawn, (std::vector<int>{ids[1]}));
}

TEST_F(BrowserTest, FlowsConcentrationsAndTemperaturesShowWithFourDecimals) {
  Store(SampleRun());
  OpenBrowser();
  const QAbstractItemModel* trays = Grid("DBGrid3")->model();
  const QAbstractItemModel* streams = Grid("DBGrid2")->model();

  const double still = (1.35 - 1) * 273.15;
  EXPECT_EQ(trays->index(0, 2).data().toString(), QString::asprintf("%8.4f", still));
  EXPECT_EQ(streams->index(0, 7).data().toString(), "  0.0000");  // Aconc_4 of a 3-component run
  EXPECT_EQ(streams->index(0, 4).data().toString(), " 30.0000");
  EXPECT_EQ(Grid("DBGrid1")->model()->index(0, 11).data().toString(), "3");  // RquantComp
}

TEST_F(BrowserTest, DeletingAsksFirstAndTakesTheStreamsAndTraysAlong) {
  const int ids[] = {Store(SampleRun()), Store(SampleRun()), Store(SampleRun())};
  OpenBrowser();

  dialog.AnswerMessage(Answer::No);
  Navigator()->Press(Button::Delete);
  EXPECT_EQ(store::CalculationIds(*dm).size(), 3u);
  ASSERT_EQ(dialog.Messages.size(), 1u);
  EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Confirmation);
  EXPECT_NE(dialog.Messages[0].Text.find(std::to_string(ids[2])), std::string::npos);

  dialog.AnswerMessage(Answer::Yes);
  Navigator()->Press(Button::Delete);
  EXPECT_EQ(store::CalculationIds(*dm), (std::vector<int>{ids[0], ids[1]}));
  QSqlQuery orphans(dm->Database());
  orphans.exec(QStringLiteral("SELECT (SELECT count(*) FROM AddData WHERE ARect = %1) + "
                              "(SELECT count(*) FROM RctResult WHERE TRect = %1)")
                   .arg(ids[2]));
  ASSERT_TRUE(orphans.next());
  EXPECT_EQ(orphans.value(0).toInt(), 0);
  // The last calculation went: the one before it is current, with its rows.
  EXPECT_EQ(Grid("DBGrid1")->CurrentRow(), 1);
  EXPECT_EQ(Column("DBGrid3", 19), QVariantList(6, ids[1]));
}

TEST_F(BrowserTest, EditsArePostedAndARefusedPostIsReportedOnce) {
  const int id = Store(SampleRun());
  OpenBrowser();
  QAbstractItemModel* calculations = Grid("DBGrid1")->model();

  calculations->setData(calculations->index(0, 10), "NRTL");
  Navigator()->Press(Button::Post);
  QSqlQuery query(dm->Database());
  query.exec(QStringLiteral("SELECT RMethod FROM InitData WHERE Rect_Id = %1").arg(id));
  ASSERT_TRUE(query.next());
  EXPECT_EQ(query.value(0).toString(), "NRTL");
  EXPECT_TRUE(dialog.Messages.empty());

  calculations->setData(calculations->index(0, 2), QVariant());  // RquantTrays is required
  Navigator()->Press(Button::Post);
  ASSERT_EQ(dialog.Messages.size(), 1u);
  EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
  EXPECT_NE(dialog.Messages[0].Text.find("NOT NULL"), std::string::npos) << dialog.Messages[0].Text;

  // Closing with the refused edit asks; No keeps the window and the edit.
  dialog.AnswerMessage(Answer::No);
  browser->reject();
  EXPECT_TRUE(browser->isVisible());
  EXPECT_TRUE(calculations->index(0, 2).data(Qt::EditRole).isNull());
  dialog.AnswerMessage(Answer::Yes);
  browser->reject();
  EXPECT_FALSE(browser->isVisible());
  EXPECT_TRUE(dialog.ScriptDone());
}

TEST_F(BrowserTest, InsertedCalculationIsPostedWithTheNextKey) {
  Store(SampleRun());
  OpenBrowser();
  QAbstractItemModel* calculations = Grid("DBGrid1")->model();

  Navigator()->Press(Button::Insert);
  ASSERT_EQ(calculations->rowCount(), 2);
  EXPECT_EQ(Grid("DBGrid1")->CurrentRow(), 1);
  for (const auto& [column, value] :
       std::vector<std::pair<int, QVariant>>{{2, 10}, {3, 1}, {4, 1}, {6, 1500.0}}) {
    calculations->setData(calculations->index(1, column), value);
  }
  Navigator()->Press(Button::Post);
  EXPECT_TRUE(dialog.Messages.empty()) << dialog.MessageTexts().front();
  EXPECT_EQ(store::CalculationIds(*dm), (std::vector<int>{1, 2}));
  EXPECT_EQ(Grid("DBGrid1")->CurrentRow(), 1);
  EXPECT_EQ(Grid("DBGrid2")->model()->rowCount(), 0);

  // An insert left without typing anything goes away again.
  Navigator()->Press(Button::Insert);
  EXPECT_EQ(calculations->rowCount(), 3);
  Navigator()->Press(Button::Prior);
  EXPECT_EQ(calculations->rowCount(), 2);
  EXPECT_EQ(store::CalculationIds(*dm).size(), 2u);
  EXPECT_TRUE(dialog.Messages.empty());
}

TEST_F(BrowserTest, TextTypedIntoACellIsPostedWhenTheEditEnds) {
  const int id = Store(SampleRun());
  OpenBrowser();
  ResultsGrid* grid = Grid("DBGrid1");
  browser->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(browser.get()));
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(0, 10));  // RMethod, 7 characters

  QTest::keyClick(grid, Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(editor, nullptr);
  ASSERT_NE(editor, grid);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, "Wilson-modified");
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the grid ends an edit on Return from the event loop

  QSqlQuery query(dm->Database());
  query.exec(QStringLiteral("SELECT RMethod FROM InitData WHERE Rect_Id = %1").arg(id));
  ASSERT_TRUE(query.next());
  EXPECT_EQ(query.value(0).toString(), "Wilson-");
  EXPECT_TRUE(dialog.Messages.empty());
}

struct WindowTexts {
  std::uint8_t lang;
  const char* caption;
  const char* report;
  const char* picture;
  const char* close;
  const char* gridHint;
};

class BrowserTextsTest : public BrowserTest, public ::testing::WithParamInterface<WindowTexts> {};

TEST_P(BrowserTextsTest, WindowHasItsSizePanelsAndTextsInTheLanguageGiven) {
  const WindowTexts& texts = GetParam();
  OpenBrowser(texts.lang);

  EXPECT_EQ(browser->size(), QSize(693, 540));
  EXPECT_EQ(browser->windowTitle(), texts.caption);
  EXPECT_EQ(browser->findChild<QPushButton*>("btnReport")->text(), texts.report);
  EXPECT_EQ(browser->findChild<QPushButton*>("BtnPictFm")->text(), texts.picture);
  EXPECT_EQ(browser->findChild<QPushButton*>("BitBtClose")->text(), texts.close);
  EXPECT_EQ(Grid("DBGrid2")->toolTip(), texts.gridHint);
  EXPECT_EQ(browser->findChild<QWidget*>("InitDatPanel")->height(), 80);
  EXPECT_EQ(browser->findChild<QWidget*>("ResultPanel")->height(), 264);
  EXPECT_EQ(browser->findChild<QWidget*>("ContrPanel")->height(), 41);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, BrowserTextsTest,
    ::testing::Values(
        WindowTexts{1, "Input datas and outcomes of rectification processes calculation",
                    "Get Report", "Pictorial Form", "Cancel",
                    "For navigation on a data set click\n\ron heading of the corresponding table"},
        WindowTexts{2, "Исходные данные и результаты расчета процессов ректификации",
                    "Получить отчет", "Графич. форма", "Выход",
                    "Для навигации по набору данных щелкните\n\rпо заголовку соответствующей "
                    "таблицы"}),
    [](const auto& info) { return std::string(info.param.lang == 1 ? "English" : "Russian"); });

}  // namespace
}  // namespace vexilor::gui
