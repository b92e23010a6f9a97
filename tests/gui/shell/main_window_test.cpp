#include "gui/shell/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>

#include "engine/shell/failures.h"
#include "gui/shell/file_actions.h"
#include "gui/shell/main_frame.h"
#include "gui/shell/main_window_fixture.h"
#include "gui/shell/memo_results_text.h"

namespace vexilor::gui {
namespace {

using MainWindowTest = MainWindowFixture;

QString ToolButtonHint(MainWindow& window, const char* name) {
  return window.findChild<QToolButton*>(name)->toolTip();
}

TEST_F(MainWindowTest, CaptionsAndHintsFollowTheLanguage) {
  struct Case {
    std::uint8_t lang;
    const char *title, *file, *run, *cancel, *open, *exit, *homePage, *openHint, *results, *graph;
  };
  const Case cases[] = {
      {1, "Calculation of processes of multicomponent systems rectification.", "File", "Run",
       "Cancel", "Open", "Exit", "HomePage", "To open a file", "Results of calculations",
       "Pictorial form"},
      {2, "Расчет процессов ректификации многокомпонентных систем", "Файл", "Пуск", "Выход",
       "Открыть", "Выход", "Домашняя страница", "Открыть файл", "Результаты расчетов",
       "Графическая форма"},
      // The language dialog closed without a choice: Russian everywhere.
      {0, "Расчет процессов ректификации многокомпонентных систем", "Файл", "Пуск", "Выход",
       "Открыть", "Выход", "Домашняя страница", "Открыть файл", "Результаты расчетов",
       "Графическая форма"},
  };
  for (const Case& c : cases) {
    MainWindow& window = Open(c.lang);
    SCOPED_TRACE(::testing::Message() << "Lang " << int{c.lang});
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title));
    const QList<QAction*> menu = window.menuBar()->actions();
    ASSERT_GE(menu.size(), 6);
    EXPECT_EQ(menu[0]->text(), QString::fromUtf8(c.file));
    EXPECT_EQ(menu[3]->text(), QString::fromUtf8(c.results));
    EXPECT_EQ(window.Frame().BitBtnRun->text(), QString::fromUtf8(c.run));
    EXPECT_EQ(window.Frame().BitBtCancel->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(window.Actions().OpenAction->text(), QString::fromUtf8(c.open));
    EXPECT_EQ(window.Actions().CancAction->text(), QString::fromUtf8(c.exit));
    EXPECT_EQ(window.Actions().HomePageAction->text(), QString::fromUtf8(c.homePage));
    EXPECT_EQ(ToolButtonHint(window, "ToolBtnOpen"), QString::fromUtf8(c.openHint));
    EXPECT_EQ(window.ActionGraphGo->text(), QString::fromUtf8(c.graph));
    EXPECT_EQ(window.Actions().LangCopy(), c.lang);
    TearDown();
  }
}

TEST_F(MainWindowTest, TheWindowHoldsItsSizeMenuAndToolBars) {
  MainWindow& window = Open(1);
  EXPECT_EQ(window.size(), QSize(748, 536));
  QStringList menu;
  for (QAction* item : window.menuBar()->actions()) {
    if (item->isVisible()) menu << item->text();
  }
  EXPECT_EQ(menu,
            (QStringList{"File", "Font", "Print", "Results of calculations", "About", "HomePage"}));
  QStringList tools;
  for (QAction* action : window.Frame().ToolBar1->actions()) tools << action->objectName();
  EXPECT_EQ(tools, (QStringList{"OpenAction", "SavAction", "SavAsAction", "FontAction",
                                "PrintAction", "AboutAction", "HomePageAction"}));
  EXPECT_EQ(window.Output().font().pixelSize(), 12);
  EXPECT_EQ(ToolButtonHint(window, "ToolBtnGraph"),
            QStringLiteral("Results in the pictorial form"));
}

TEST_F(MainWindowTest, ResultCommandsWaitForAFinishedRun) {
  MainWindow& window = Open(1);
  EXPECT_TRUE(window.ActionDBGo->isEnabled());
  EXPECT_FALSE(window.ActionGraphGo->isEnabled());
  EXPECT_FALSE(window.ActionReportGo->isEnabled());

  FinishedRun run;
  run.TrayCount = 8;
  window.SetFinishedRun(run);
  int pictures = 0;
  window.SetPictorialFormHandler([&pictures](const FinishedRun& shown) {
    EXPECT_EQ(shown.TrayCount, 8);
    ++pictures;
  });
  Dialogs().ResultsAvailable();
  EXPECT_TRUE(window.ActionGraphGo->isEnabled());
  EXPECT_TRUE(window.ActionReportGo->isEnabled());
  EXPECT_EQ(window.focusWidget(), window.Frame().BitBtCancel);
  window.ActionGraphGo->trigger();
  EXPECT_EQ(pictures, 1);

  // A failed local method keeps the pictures and Run away until a restart.
  Dialogs().LocalMethodFailed();
  EXPECT_FALSE(window.ActionGraphGo->isEnabled());
  EXPECT_FALSE(window.Frame().BitBtnRun->isEnabled());
  EXPECT_TRUE(window.ActionReportGo->isEnabled());
}

TEST_F(MainWindowTest, TheLampPicturesComeFromTheWorkingFolder) {
  Provide("LED2OFF.BMP");
  MainWindow& window = Open(1);
  QPushButton* run = window.Frame().BitBtnRun;
  ASSERT_FALSE(run->icon().isNull());
  const qint64 off = run->icon().cacheKey();
  // LED2ON.BMP is missing: the button keeps its picture.
  Dialogs().SetRunLamp(RunLamp::On);
  EXPECT_EQ(run->icon().cacheKey(), off);
  Provide("LED2ON.BMP");
  Dialogs().SetRunLamp(RunLamp::On);
  EXPECT_NE(run->icon().cacheKey(), off);
  const qint64 on = run->icon().cacheKey();
  Dialogs().SetRunLamp(RunLamp::Done);
  EXPECT_NE(run->icon().cacheKey(), on);
  EXPECT_FALSE(run->icon().isNull());
}

TEST_F(MainWindowTest, TheClockShowsTheTimeOfDayOrTheElapsedTime) {
  EXPECT_EQ(ClockText(0), "00.00.00");
  EXPECT_EQ(ClockText(3725), "01.02.05");
  EXPECT_EQ(ClockText(86400 + 61), "00.01.01");
  MainWindow& window = Open(2);
  Dialogs().SetClockRunning(true);
  EXPECT_EQ(window.Frame().ClockPanel->text(), QStringLiteral("00.00.00"));
  Dialogs().SetClockRunning(false);
  EXPECT_NE(window.Frame().ClockPanel->text(), QString());
}

TEST_F(MainWindowTest, RunWithoutACalculationSaysSo) {
  MainWindow& window = Open(1);
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  window.Frame().BitBtnRun->click();
  EXPECT_EQ(message,
            "The rectification calculation is not available in this version of the "
            "program.");
}

TEST_F(MainWindowTest, DuringARunOnlyStopAndTheHarmlessCommandsAreOffered) {
  MainWindow& window = Open(2);
  bool checked = false;
  window.SetRunHandler([&] {
    EXPECT_FALSE(window.Frame().BitBtnRun->isEnabled());
    EXPECT_FALSE(window.Actions().OpenAction->isEnabled());
    EXPECT_FALSE(window.ActionDBGo->isEnabled());
    EXPECT_TRUE(window.Actions().SavAction->isEnabled());
    EXPECT_TRUE(window.Frame().BitBtnStop->isVisible());
    EXPECT_EQ(window.Frame().BitBtnStop->text(), QStringLiteral("Стоп"));
    EXPECT_TRUE(window.Output().isReadOnly());
    Dialog().SetWaitLabel("Please wait ! There is a search of\n\rinitial approximation");
    EXPECT_EQ(window.Frame().lbFrame->text(),
              QStringLiteral("Please wait ! There is a search of\ninitial approximation"));
    Dialog().SetBusyCursor(true);
    EXPECT_FALSE(Dialog().ProcessEvents());
    window.Frame().BitBtnStop->click();
    EXPECT_TRUE(Dialog().ProcessEvents());
    checked = true;
    throw RunStopped();
  });
  window.Frame().BitBtnRun->click();
  EXPECT_TRUE(checked);
  // Stopped quietly, and cleaned up after.
  EXPECT_TRUE(window.Frame().BitBtnRun->isEnabled());
  EXPECT_FALSE(window.Frame().BitBtnStop->isVisible());
  EXPECT_FALSE(window.Output().isReadOnly());
  EXPECT_EQ(window.Frame().lbFrame->text(), QString());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(terminations, 0);
}

TEST_F(MainWindowTest, AProgramEndingConditionOffersToKeepTheResults) {
  MainWindow& window = Open(1);
  window.SetRunHandler([&] {
    window.Results().Append("Some results");
    EndProgram(MessageKind::Error, ButtonSet::Ok, "Datafile x.dat is not found");
  });
  std::string ending, question;
  driver.AnswerMessage(QMessageBox::Ok, &ending).AnswerMessage(QMessageBox::No, &question);
  window.Frame().BitBtnRun->click();
  EXPECT_EQ(ending, "Datafile x.dat is not found");
  EXPECT_EQ(question, "Wish to keep the text with results in a file (y/n) ?");
  EXPECT_EQ(terminations, 1);
}

TEST_F(MainWindowTest, AnUnexpectedErrorEndsTheRunWithAMessage) {
  MainWindow& window = Open(1);
  window.SetRunHandler([] { throw std::runtime_error("cannot open DbRectif.db"); });
  std::string message;
  driver.AnswerMessage(QMessageBox::Ok, &message);
  window.Frame().BitBtnRun->click();
  EXPECT_EQ(message, "cannot open DbRectif.db");
  EXPECT_TRUE(window.Frame().BitBtnRun->isEnabled());
  EXPECT_EQ(terminations, 0);
}

TEST_F(MainWindowTest, ExitDuringARunStopsItFirstThenAsks) {
  MainWindow& window = Open(1);
  int pumps = 0;
  window.SetRunHandler([&] {
    window.Results().Append("Progress line");
    window.Actions().CancAction->trigger();
    EXPECT_EQ(terminations, 0);
    while (!Dialog().ProcessEvents()) ++pumps;
    throw RunStopped();
  });
  std::string question;
  driver.AnswerMessage(QMessageBox::No, &question);
  window.Frame().BitBtnRun->click();
  EXPECT_EQ(pumps, 0);
  EXPECT_EQ(question, "Wish to keep the text with results in a file (y/n) ?");
  EXPECT_EQ(terminations, 1);
}

TEST_F(MainWindowTest, TheCloseBoxIsTheExitCommand) {
  MainWindow& window = Open(1);
  window.close();
  EXPECT_EQ(terminations, 1);
  window.Results().Append("results");
  std::string question;
  driver.AnswerMessage(QMessageBox::No, &question);
  window.close();
  EXPECT_EQ(question, "Wish to keep the text with results in a file (y/n) ?");
  EXPECT_EQ(terminations, 2);
}

}  // namespace
}  // namespace vexilor::gui
