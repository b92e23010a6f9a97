// Choice of the equilibrium calculation method (Wilson, NRTL, UNIQUAC,
// UNIFAC). Created fresh for every question, so closing it without a
// choice gives 0.
#pragma once

#include <QDialog>

#include "engine/shell/user_dialog.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace vexilor::gui {

class MethodDialog : public QDialog {
  Q_OBJECT
 public:
  explicit MethodDialog(QWidget* parent = nullptr);

  //! Applies the request's texts; the Exit caption follows the global Lang.
  void Prepare(const ChooseMethodRequest& request);
  //! 0 Wilson, 1 NRTL, 2 UNIQUAC, 3 UNIFAC; changed only by OK.
  int Choice() const { return choice_; }

 private:
  void OkClicked();

  QLabel* prompt_;
  QButtonGroup* methods_;
  QPushButton* ok_;
  QPushButton* exit_;
  std::string warningText_;
  int choice_ = 0;
};

}  // namespace vexilor::gui
