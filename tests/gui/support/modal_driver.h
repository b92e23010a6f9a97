// Answers the modal windows that the code under test opens, one scripted
// step after another: each step waits until the active modal window is of
// the expected kind, then acts on it (types, clicks, records its text).
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTableWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vexilor::testing {

class ModalDriver {
 public:
  ModalDriver();
  //! Fails the test when scripted steps were never reached.
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  //! Next step: the active modal window is a T (with that object name when
  //! one is given); act on it.
  template <typename T>
  ModalDriver& On(std::function<void(T*)> act, const QString& objectName = {}) {
    steps_.push_back(Step{[objectName](QWidget* window) {
                            return qobject_cast<T*>(window) != nullptr &&
                                   (objectName.isEmpty() || window->objectName() == objectName);
                          },
                          [act](QWidget* window) { act(qobject_cast<T*>(window)); }});
    return *this;
  }

  //! Next step: a message box; its text is recorded into *text when given
  //! and the button is pressed (QMessageBox::Cancel: the box is closed by
  //! Esc).
  ModalDriver& AnswerMessage(QMessageBox::StandardButton button, std::string* text = nullptr);
  //! Next step: a message box, answered by its default button; its text is
  //! appended to Messages.
  ModalDriver& AcceptMessage();

  bool Done() const { return steps_.empty(); }
  //! Texts of the message boxes AcceptMessage answered.
  std::vector<std::string> Messages;

 private:
  struct Step {
    std::function<bool(QWidget*)> matches;
    std::function<void(QWidget*)> act;
  };
  void Poll();

  std::deque<Step> steps_;
  QObject context_;
  QWidget* waitingOn_ = nullptr;
  int waitedPolls_ = 0;
};

//! Clicks a check box or radio button on its indicator.
void ClickIndicator(QAbstractButton* button);
//! Types into a cell of a table through its in-place editor, key by key,
//! and lets the checks that follow each key run.
void TypeIntoCell(QTableWidget* table, int col, int row, const QString& text);
//! Clicks the button of the window with the object name.
void ClickButton(QWidget* window, const char* objectName);
//! The text of a message box with its line breaks as shown.
std::string MessageText(const QMessageBox* box);

}  // namespace vexilor::testing
