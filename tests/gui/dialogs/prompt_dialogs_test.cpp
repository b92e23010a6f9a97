// The four small prompt dialogs, driven through their real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/shell/lang.h"
#include "gui/dialogs/alternatives_dialog.h"
#include "gui/dialogs/components_dialog.h"
#include "gui/dialogs/method_dialog.h"
#include "gui/dialogs/number_dialog.h"
#include "gui/support/modal_driver.h"

namespace vexilor::gui {
namespace {

using testing::ClickButton;
using testing::ModalDriver;

// Sets the global language flag for one test.
class LangScope {
 public:
  explicit LangScope(std::uint8_t lang) : saved_(Lang) { Lang = lang; }
  ~LangScope() { Lang = saved_; }

 private:
  std::uint8_t saved_;
};

QRadioButton* RadioWithText(QWidget* window, const QString& text) {
  for (auto* button : window->findChildren<QRadioButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST(MethodDialogTest, OkWithNothingSelectedWarnsAndStaysOpen) {
  LangScope english(1);
  MethodDialog dialog;
  dialog.Prepare({"Model", "Choose the model", "Choose a method first"});
  EXPECT_EQ(dialog.findChild<QPushButton*>("btExit")->text(), QStringLiteral("Exit"));

  std::string warning;
  ModalDriver driver;
  driver.On<MethodDialog>([](MethodDialog* shown) { ClickButton(shown, "btOk"); })
      .AnswerMessage(QMessageBox::Ok, &warning)
      .On<MethodDialog>([](MethodDialog* shown) {
        EXPECT_TRUE(shown->isVisible());
        testing::ClickIndicator(RadioWithText(shown, "NRTL"));
        EXPECT_EQ(shown->focusWidget(), shown->findChild<QPushButton*>("btOk"));
        ClickButton(shown, "btOk");
      });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(warning, "Choose a method first");
  EXPECT_EQ(dialog.Choice(), 1);
}

TEST(MethodDialogTest, ExitOrCloseBoxAtOnceGivesWilson) {
  LangScope russian(2);
  for (const bool closeBox : {false, true}) {
    MethodDialog dialog;
    dialog.Prepare({"Model", "Choose", "Warn"});
    EXPECT_EQ(dialog.findChild<QPushButton*>("btExit")->text(), QStringLiteral("Выход"));
    ModalDriver driver;
    driver.On<MethodDialog>([closeBox](MethodDialog* shown) {
      if (closeBox) {
        shown->close();
      } else {
        ClickButton(shown, "btExit");
      }
    });
    dialog.exec();
    EXPECT_EQ(dialog.Choice(), 0);
  }
}

AlternativesRequest TwoSources() {
  AlternativesRequest request;
  request.Caption = "The definition of the parameter";
  request.Prompt = "Choose a source";
  request.GroupCaption = "Wish to enter the initial data from:";
  request.Alternatives = {" keyboard", " file"};
  return request;
}

TEST(AlternativesDialogTest, CloseBoxKeepsTheChoiceOfThePreviousUse) {
  AlternativesDialog dialog;
  dialog.Prepare(TwoSources());
  ModalDriver driver;
  driver.On<AlternativesDialog>([](AlternativesDialog* shown) {
    testing::ClickIndicator(RadioWithText(shown, " file"));
    ClickButton(shown, "btChecked");
  });
  dialog.exec();
  EXPECT_EQ(dialog.Choice(), 1);

  AlternativesRequest second = TwoSources();
  second.GroupCaption.reset();
  second.Alternatives = {"one", "two", "three"};
  dialog.Prepare(second);
  // The group was refilled, the first alternative selected, and a group
  // caption not given keeps the previous one.
  EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 3);
  EXPECT_TRUE(RadioWithText(&dialog, "one")->isChecked());
  EXPECT_EQ(dialog.findChild<QGroupBox*>("rgAlternatives")->title(),
            QStringLiteral("Wish to enter the initial data from:"));
  driver.On<AlternativesDialog>([](AlternativesDialog* shown) { shown->close(); });
  dialog.exec();
  EXPECT_EQ(dialog.Choice(), 1);
}

TEST(AlternativesDialogTest, ConfirmWithoutTouchingTakesTheFirstAlternative) {
  AlternativesDialog dialog;
  AlternativesRequest request = TwoSources();
  request.Columns = 2;
  request.WindowHeight = 260;
  dialog.Prepare(request);
  ModalDriver driver;
  driver.On<AlternativesDialog>([](AlternativesDialog* shown) {
    EXPECT_GE(shown->height(), 260);
    // Two columns: the alternatives stand side by side.
    EXPECT_LT(RadioWithText(shown, " keyboard")->x(), RadioWithText(shown, " file")->x());
    QTest::keyClick(shown->focusWidget(), Qt::Key_Space);
  });
  dialog.exec();
  EXPECT_EQ(dialog.Choice(), 0);
}

ComponentsRequest FourComponents(std::uint8_t lang) {
  return {"Choice of componental ratio of mixture",
          "Set quality ratio of mixture",
          {"comp.1", "comp.2", "comp.3", "comp.4"},
          lang};
}

TEST(ComponentsDialogTest, OkWithNothingTickedWarnsThenSelectAllTicksEverything) {
  ComponentsDialog dialog;
  dialog.Prepare(FourComponents(1));
  EXPECT_EQ(dialog.findChild<QPushButton*>("btSelectAll")->text(), QStringLiteral("Select All"));
  std::string warning;
  ModalDriver driver;
  driver.On<ComponentsDialog>([](ComponentsDialog* shown) { ClickButton(shown, "btOk"); })
      .AnswerMessage(QMessageBox::Ok, &warning)
      .On<ComponentsDialog>([](ComponentsDialog* shown) {
        ClickButton(shown, "btSelectAll");
        EXPECT_EQ(shown->focusWidget(), shown->findChild<QPushButton*>("btOk"));
        ClickButton(shown, "btOk");
      });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(warning, "Choose even one component of a mix");
  EXPECT_EQ(dialog.Ticks(), std::vector<bool>(4, true));

  // Every showing starts with nothing ticked.
  dialog.Prepare(FourComponents(0));
  EXPECT_EQ(dialog.Ticks(), std::vector<bool>(4, false));
  EXPECT_EQ(dialog.findChild<QPushButton*>("btSelectAll")->text(), QStringLiteral("Выбрать все"));
}

TEST(ComponentsDialogTest, TickedItemsAreReturnedAndTheCloseBoxReturnsThemAsTheyAre) {
  ComponentsDialog dialog;
  dialog.Prepare(FourComponents(2));
  ModalDriver driver;
  driver.On<ComponentsDialog>([](ComponentsDialog* shown) {
    for (auto* item : shown->findChildren<QCheckBox*>()) {
      if (item->text() == "comp.2" || item->text() == "comp.4") testing::ClickIndicator(item);
    }
    shown->close();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_EQ(dialog.Ticks(), (std::vector<bool>{false, true, false, true}));
}

NumberRequest IntegerQuestion(std::string initialText) {
  NumberRequest request;
  request.Caption = "Iterations";
  request.Prompt = "Set number of iterations";
  request.ValueKind = 1;
  request.InitialText = std::move(initialText);
  return request;
}

// Replaces the field's text by typing, as the user would over the
// selected initial text.
void TypeNumber(NumberDialog* dialog, const QString& text) {
  auto* input = dialog->findChild<QLineEdit*>("edInput");
  input->selectAll();
  QTest::keyClicks(input, text);
}

TEST(NumberDialogTest, IntegersAreTrimmedAndKeepTheirLowSixteenBits) {
  NumberDialog dialog;
  for (const auto& [typed, expected] : {std::pair{"  12  ", 12}, std::pair{"70000", 4464}}) {
    dialog.Prepare(IntegerQuestion("50"));
    ModalDriver driver;
    driver.On<NumberDialog>([typed](NumberDialog* shown) {
      TypeNumber(shown, QString::fromLatin1(typed));
      QTest::keyClick(shown->findChild<QLineEdit*>("edInput"), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.Results().IntResult, expected) << typed;
  }
}

TEST(NumberDialogTest, TheInitialTextIsSelectedSoTypingReplacesIt) {
  NumberDialog dialog;
  dialog.Prepare(IntegerQuestion("50"));
  ModalDriver driver;
  driver.On<NumberDialog>([](NumberDialog* shown) {
    auto* input = shown->findChild<QLineEdit*>("edInput");
    EXPECT_EQ(input->selectedText(), QStringLiteral("50"));
    QTest::keyClicks(input, "7");
    ClickButton(shown, "btOk");
  });
  dialog.exec();
  EXPECT_EQ(dialog.Results().IntResult, 7);
}

TEST(NumberDialogTest, ABadNumberWarnsWithExactlyTheTypedTextAndStaysOpen) {
  NumberDialog dialog;
  NumberRequest request = IntegerQuestion("");
  request.ErrorPrefix = "Bad: ";
  dialog.Prepare(request);
  std::string warning;
  ModalDriver driver;
  driver
      .On<NumberDialog>([](NumberDialog* shown) {
        TypeNumber(shown, "1,5x");
        ClickButton(shown, "btOk");
      })
      .AnswerMessage(QMessageBox::Ok, &warning)
      .On<NumberDialog>([](NumberDialog* shown) {
        auto* input = shown->findChild<QLineEdit*>("edInput");
        EXPECT_EQ(input->selectedText(), QStringLiteral("1,5x"));
        QTest::keyClicks(input, "3");
        ClickButton(shown, "btOk");
      });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(warning, "Bad: 1,5x");
  EXPECT_EQ(dialog.Results().IntResult, 3);
}

TEST(NumberDialogTest, OkOnAnEmptyFieldDoesNothing) {
  NumberDialog dialog;
  dialog.Prepare(IntegerQuestion(""));
  bool stayedOpen = false;
  ModalDriver driver;
  driver.On<NumberDialog>([&stayedOpen](NumberDialog* shown) {
    ClickButton(shown, "btOk");
    stayedOpen = shown->isVisible();
    shown->close();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_TRUE(stayedOpen);
}

TEST(NumberDialogTest, ResultsAndCaptionPersistBetweenQuestions) {
  NumberDialog dialog;
  dialog.Prepare(IntegerQuestion("9"));
  ModalDriver driver;
  driver.On<NumberDialog>([](NumberDialog* shown) { ClickButton(shown, "btOk"); });
  dialog.exec();

  NumberRequest real;
  real.Prompt = "Enter new value of convergence constant";
  real.ValueKind = 0;
  real.InitialText = "0.6";
  dialog.Prepare(real);
  // A question without a caption keeps the caption of the previous one.
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Iterations"));
  driver.On<NumberDialog>([](NumberDialog* shown) {
    TypeNumber(shown, "2.5e-1");
    ClickButton(shown, "btOk");
  });
  dialog.exec();
  EXPECT_EQ(dialog.Results().RealResult, 0.25L);
  EXPECT_EQ(dialog.Results().IntResult, 9);

  // Closing without OK changes nothing.
  dialog.Prepare(IntegerQuestion("123"));
  driver.On<NumberDialog>([](NumberDialog* shown) { shown->close(); });
  dialog.exec();
  EXPECT_EQ(dialog.Results().IntResult, 9);
  EXPECT_EQ(dialog.Results().RealResult, 0.25L);
}

}  // namespace
}  // namespace vexilor::gui
