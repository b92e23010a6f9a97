#include "gui/dialogs/message_box.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "gui/dialogs/file_dialogs.h"
#include "gui/support/modal_driver.h"

namespace vexilor::gui {
namespace {

using testing::ModalDriver;

TEST(MessageBoxTest, TypeAndButtonSetShowAsIconTitleAndButtons) {
  struct Case {
    MessageKind kind;
    ButtonSet buttons;
    QMessageBox::Icon icon;
    QString title;
    QMessageBox::StandardButtons shown;
  };
  const Case cases[] = {
      {MessageKind::Error, ButtonSet::Ok, QMessageBox::Critical, "Error", QMessageBox::Ok},
      {MessageKind::Warning, ButtonSet::Yes, QMessageBox::Warning, "Warning", QMessageBox::Yes},
      {MessageKind::Information, ButtonSet::Ok, QMessageBox::Information, "Information",
       QMessageBox::Ok},
      {MessageKind::Confirmation, ButtonSet::YesNo, QMessageBox::Question, "Confirm",
       QMessageBox::Yes | QMessageBox::No},
      {MessageKind::Error, ButtonSet::AbortRetry, QMessageBox::Critical, "Error",
       QMessageBox::Abort | QMessageBox::Retry},
  };
  for (const Case& c : cases) {
    ModalDriver driver;
    driver.On<QMessageBox>([&c](QMessageBox* box) {
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->windowTitle(), c.title);
      QMessageBox::StandardButtons visible;
      for (QAbstractButton* button : box->buttons()) {
        if (!button->isHidden()) visible |= box->standardButton(button);
      }
      EXPECT_EQ(visible, c.shown);
      EXPECT_EQ(box->text(), QStringLiteral("line one\nline two"));
      box->defaultButton()->click();
    });
    const Answer answer = ShowMessageBox(nullptr, c.kind, c.buttons, "line one\r\nline two");
    EXPECT_NE(answer, Answer::Closed);
  }
}

TEST(MessageBoxTest, EachButtonAndEscGiveTheirAnswer) {
  const std::tuple<ButtonSet, QMessageBox::StandardButton, Answer> cases[] = {
      {ButtonSet::Ok, QMessageBox::Ok, Answer::Ok},
      {ButtonSet::Ok, QMessageBox::Cancel, Answer::Closed},
      {ButtonSet::Yes, QMessageBox::Cancel, Answer::Closed},
      {ButtonSet::YesNo, QMessageBox::Yes, Answer::Yes},
      {ButtonSet::YesNo, QMessageBox::No, Answer::No},
      {ButtonSet::YesNo, QMessageBox::Cancel, Answer::Closed},
      {ButtonSet::AbortRetry, QMessageBox::Abort, Answer::Abort},
      {ButtonSet::AbortRetry, QMessageBox::Retry, Answer::Retry},
  };
  for (const auto& [buttons, pressed, expected] : cases) {
    ModalDriver driver;
    driver.AnswerMessage(pressed);
    EXPECT_EQ(ShowMessageBox(nullptr, MessageKind::Plain, buttons, "?"), expected);
  }
}

TEST(FileDialogsTest, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtNameFilter("Text files|*.txt"), QStringLiteral("Text files (*.txt)"));
  EXPECT_EQ(QtNameFilter("Файлы данных|*.dat"), QStringLiteral("Файлы данных (*.dat)"));
  EXPECT_EQ(QtNameFilter("Data|*.dat|All|*.*"), QStringLiteral("Data (*.dat);;All (*.*)"));
  EXPECT_EQ(QtNameFilter("Texts|*.txt;*.log"), QStringLiteral("Texts (*.txt *.log)"));
}

}  // namespace
}  // namespace vexilor::gui
