// Check list of the components from which a mixture is chosen. One dialog
// serves the whole program; every showing starts with nothing ticked.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "engine/shell/user_dialog.h"

class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vexilor::gui {

class ComponentsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ComponentsDialog(QWidget* parent = nullptr);

  //! Refills the list with the request's names, none ticked, in two columns.
  void Prepare(const ComponentsRequest& request);
  //! Tick state of each listed item, as the dialog was left.
  std::vector<bool> Ticks() const;

 private:
  void SelectAll();
  void OkClicked();

  QLabel* prompt_;
  QFrame* list_;
  QGridLayout* listLayout_;
  std::vector<QCheckBox*> items_;
  QPushButton* ok_;
  QPushButton* selectAll_;
  std::uint8_t lang_ = 0;
};

}  // namespace vexilor::gui
