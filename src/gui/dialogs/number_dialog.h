// Input of one number. One dialog serves the whole program: its results
// and any text a caller does not set are kept between questions.
#pragma once

#include <QDialog>
#include <string>

#include "engine/shell/user_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vexilor::gui {

class NumberDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NumberDialog(QWidget* parent = nullptr);

  //! Applies the request; the initial text is written into the field and
  //! selected, so that typing replaces it.
  void Prepare(const NumberRequest& request);
  //! RealResult (kind 0) and IntResult (kind 1) as last accepted.
  const NumberAnswer& Results() const { return results_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OkClicked();

  QLabel* prompt_;
  QLabel* unitLabel_;
  QLineEdit* input_;
  QPushButton* ok_;
  std::string errorPrefix_;
  int valueKind_ = 0;
  NumberAnswer results_;
};

}  // namespace vexilor::gui
