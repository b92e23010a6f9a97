// Choice among a few alternatives. One dialog serves the whole program:
// its choice changes only through the confirm button, so closing it keeps
// the choice of the previous question.
#pragma once

#include <QDialog>
#include <vector>

#include "engine/shell/user_dialog.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vexilor::gui {

class AlternativesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AlternativesDialog(QWidget* parent = nullptr);

  //! Refills the radio group with the request's alternatives, the first
  //! selected, and applies its texts, columns and window height.
  void Prepare(const AlternativesRequest& request);
  //! Zero-based index of the confirmed alternative (0 before any use).
  int Choice() const { return choice_; }

 private:
  void Confirm();

  QLabel* prompt_;
  QGroupBox* group_;
  QGridLayout* groupLayout_;
  QButtonGroup* alternatives_;
  std::vector<QRadioButton*> buttons_;
  QPushButton* confirm_;
  int choice_ = 0;
};

}  // namespace vexilor::gui
