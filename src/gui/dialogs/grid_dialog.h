// Input of a grid of numbers, created for one question. Header rows and
// columns are part of the grid; every other cell must hold a number.
#pragma once

#include <QDialog>
#include <cstdint>

#include "engine/shell/user_dialog.h"

class QLabel;
class QPushButton;

namespace vexilor::gui {

class StringGrid;

class GridDialog : public QDialog {
  Q_OBJECT
 public:
  //! baseHeight: window height before the grid's rows are counted in.
  GridDialog(int baseHeight, int fixedCols, int fixedRows, QWidget* parent = nullptr);

  //! Shapes and fills the grid from the request and applies its texts.
  void Prepare(const GridRequest& request);
  //! Parsed values ([column][row]) and whether Cancel was pressed.
  const GridAnswer& Results() const { return results_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CellTyped(int col, int row, const QString& text);
  void OkClicked();
  void CancelClicked();

  QLabel* prompt_;
  StringGrid* grid_;
  QPushButton* ok_;
  QPushButton* cancel_;
  int baseHeight_;
  int fixedCols_;
  int fixedRows_;
  std::vector<bool> intColumn_;
  std::uint8_t lang_ = 0;
  GridAnswer results_;
};

}  // namespace vexilor::gui
