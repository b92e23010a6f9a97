#include "gui/shell/qt_user_dialog.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/method_dialog.h"
#include "gui/dialogs/number_dialog.h"
#include "gui/shell/main_window_fixture.h"

namespace vexilor::gui {
namespace {

using QtUserDialogTest = MainWindowFixture;
using testing::ClickButton;
using testing::ClickIndicator;

Qt::CursorShape OverrideShape() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor == nullptr ? Qt::BitmapCursor : cursor->shape();
}

TEST_F(QtUserDialogTest, TheBusyCursorNestsAndMakesWayForQuestions) {
  Open(1);
  UserDialog& dialog = Dialogs();
  dialog.SetBusyCursor(true);
  dialog.SetBusyCursor(true);
  dialog.SetBusyCursor(false);
  EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
  Qt::CursorShape duringQuestion = Qt::BitmapCursor;
  driver.On<QMessageBox>([&duringQuestion](QMessageBox* box) {
    duringQuestion = OverrideShape();
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(dialog.ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, "Go on?"), Answer::Yes);
  EXPECT_EQ(duringQuestion, Qt::ArrowCursor);
  EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
  dialog.SetBusyCursor(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtUserDialogTest, EveryMethodQuestionStartsFresh) {
  Open(1);
  ChooseMethodRequest request{"Model", "Choose the model", "Choose one"};
  driver.On<MethodDialog>([](MethodDialog* shown) {
    for (auto* button : shown->findChildren<QRadioButton*>()) {
      if (button->text() == "UNIFAC") ClickIndicator(button);
    }
    ClickButton(shown, "btOk");
  });
  EXPECT_EQ(Dialogs().ChooseEquilibriumMethod(request), 3);
  driver.On<MethodDialog>([](MethodDialog* shown) { ClickButton(shown, "btExit"); });
  EXPECT_EQ(Dialogs().ChooseEquilibriumMethod(request), 0);
}

TEST_F(QtUserDialogTest, TheNumberDialogIsSharedBetweenQuestions) {
  Open(1);
  NumberRequest first;
  first.Caption = "The definition of the parameter";
  first.Prompt = "Set pressure in a column, mm.of mercury (for example 760)";
  first.InitialText = "760";
  driver.On<NumberDialog>([](NumberDialog* shown) { ClickButton(shown, "btOk"); });
  EXPECT_EQ(Dialogs().AskNumber(first).RealResult, 760.0L);

  NumberRequest second;
  second.Prompt = "Set number of iterations";
  second.ValueKind = 1;
  second.InitialText = "50";
  QString caption;
  driver.On<NumberDialog>([&caption](NumberDialog* shown) {
    caption = shown->windowTitle();
    shown->close();
  });
  const NumberAnswer answer = Dialogs().AskNumber(second);
  EXPECT_EQ(caption, QStringLiteral("The definition of the parameter"));
  EXPECT_EQ(answer.RealResult, 760.0L);
  EXPECT_EQ(answer.IntResult, 0);
}

TEST_F(QtUserDialogTest, AnUnconfirmedColumnEntryGivesNothing) {
  Open(1);
  ColumnEntryRequest request;
  request.Lang = 1;
  request.CompNames = {"comp.1", "comp.2"};
  driver.On<ColumnEntryDialog>([](ColumnEntryDialog* shown) { ClickButton(shown, "bitBtCancel"); });
  EXPECT_FALSE(Dialogs().EnterColumnData(request).has_value());
}

TEST_F(QtUserDialogTest, FileQuestionsUseTheRequestedTitleFilterFolderAndName) {
  Open(1);
  FileDialogRequest request;
  request.Title = "Saving file";
  request.Filter = "Datafiles|*.dat";
  request.DefaultExt = "dat";
  request.InitialDir = folder.path().toStdString();
  request.ProposedName = "NRTL";
  driver.On<QFileDialog>([this](QFileDialog* shown) {
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Saving file"));
    EXPECT_EQ(shown->nameFilters(), QStringList{"Datafiles (*.dat)"});
    EXPECT_EQ(shown->directory().absolutePath(), QDir(folder.path()).absolutePath());
    static_cast<QDialog*>(shown)->accept();
  });
  EXPECT_EQ(Dialogs().SaveFileName(request), folder.filePath("NRTL.dat").toStdString());
  driver.On<QFileDialog>([](QFileDialog* shown) { shown->reject(); });
  EXPECT_EQ(Dialogs().OpenFileName(request), "");
}

}  // namespace
}  // namespace vexilor::gui
