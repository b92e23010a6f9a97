#include "gui/support/modal_driver.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vexilor::testing {

namespace {
constexpr int kPollMs = 5;
// An unexpected modal window is closed after about three seconds.
constexpr int kPatiencePolls = 600;
}  // namespace

ModalDriver::ModalDriver() {
  QTimer::singleShot(kPollMs, &context_, [this] { Poll(); });
}

ModalDriver::~ModalDriver() {
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted modal step(s) never came";
}

ModalDriver& ModalDriver::AnswerMessage(QMessageBox::StandardButton button, std::string* text) {
  return On<QMessageBox>([button, text](QMessageBox* box) {
    if (text != nullptr) *text = MessageText(box);
    if (button == QMessageBox::Cancel) {
      QTest::keyClick(box, Qt::Key_Escape);
      return;
    }
    QAbstractButton* pressed = box->button(button);
    ASSERT_NE(pressed, nullptr) << "message box without the button: " << MessageText(box);
    pressed->click();
  });
}

ModalDriver& ModalDriver::AcceptMessage() {
  return On<QMessageBox>([this](QMessageBox* box) {
    Messages.push_back(MessageText(box));
    box->defaultButton()->click();
  });
}

void ModalDriver::Poll() {
  // The next poll is due before this one acts: acting may open a nested
  // modal window whose event loop must see it.
  QTimer::singleShot(kPollMs, &context_, [this] { Poll(); });
  QWidget* window = QApplication::activeModalWidget();
  if (window == nullptr || !window->isVisible()) {
    waitingOn_ = nullptr;
    return;
  }
  if (!steps_.empty() && steps_.front().matches(window)) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    waitingOn_ = nullptr;
    step.act(window);
    return;
  }
  if (window != waitingOn_) {
    waitingOn_ = window;
    waitedPolls_ = 0;
  }
  if (++waitedPolls_ < kPatiencePolls) return;
  const auto* box = qobject_cast<QMessageBox*>(window);
  ADD_FAILURE() << "unexpected modal window " << window->metaObject()->className() << " \""
                << window->windowTitle().toStdString() << "\""
                << (box != nullptr ? ": " + MessageText(box) : std::string());
  waitingOn_ = nullptr;
  if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->reject();
  } else {
    window->close();
  }
}

void TypeIntoCell(QTableWidget* table, int col, int row, const QString& text) {
  table->setFocus();
  table->setCurrentCell(row, col);
  const QModelIndex index = table->model()->index(row, col);
  if (table->indexWidget(index) == nullptr) table->edit(index);
  QWidget* editor = table->indexWidget(index);
  ASSERT_NE(editor, nullptr) << "no editor in cell " << col << ", " << row;
  QTest::keyClicks(editor, text);
  QCoreApplication::processEvents();
}

void ClickIndicator(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void ClickButton(QWidget* window, const char* objectName) {
  auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(objectName));
  ASSERT_NE(button, nullptr) << "no button " << objectName;
  QTest::mouseClick(button, Qt::LeftButton);
}

std::string MessageText(const QMessageBox* box) {
  return box->text().toStdString();
}

}  // namespace vexilor::testing
