// The column data entry dialog: heating, steam, the number of trays and
// the feed and takeoff streams of a column, in one form. Counts are checked
// as they are typed, grid cells as they are edited, the whole form by OK.
#pragma once

#include <QDialog>
#include <QHash>
#include <QSet>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/shell/user_dialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vexilor::gui {

class StringGrid;

class ColumnEntryDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ColumnEntryDialog(QWidget* parent = nullptr);

  //! Sets every text, hint and grid from the request. Runs once, when the
  //! dialog opens, so that closing one of its messages loses nothing typed.
  void Prepare(const ColumnEntryRequest& request);
  //! The values read by OK; valid once the dialog was accepted.
  const ColumnEntryResult& Result() const { return result_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void SetTexts();
  void FillGridTitles();
  void SetCountFieldsEnabled(bool enabled);

  // Checks run when a key is released in a count field.
  void CheckTotalNumb();
  void CheckFeedNumb();
  void CheckCatchNumb();
  //! The part of the two stream-count checks they share: reads the count
  //! into count (0 when refused), numbers the grid's stream rows. False when
  //! the count was refused or cleared.
  bool AcceptStreamCount(QLineEdit* field, StringGrid* grid, std::uint16_t& count);
  //! Refuses a count field's text: message, beep, text selected, focus kept.
  void RefuseCount(QLineEdit* field, const std::string& message);
  void ApplyFeedGridShape();
  void ApplyCatchGridShape();
  void ApplyDialogHeight();

  void CellTyped(StringGrid* grid, int col, int row, const QString& text);

  // The OK pass; each step returns false after refusing.
  void OkClicked();
  bool ReadSteam();
  bool CheckTotalForOk();
  bool ReadFeedGrid();
  bool ReadCatchGrid();
  //! Reads a stream's tray number from column 1; refuses a bad one.
  bool ReadTray(StringGrid* grid, int row, bool focusGridOnEmpty, std::uint8_t& tray);
  //! Reads a real from (col, row); refuses a bad or empty cell.
  bool ReadCellReal(StringGrid* grid, int col, int row, bool focusGridOnEmpty, Real& value);
  bool CellEmptyRefused(StringGrid* grid, int col, int row, bool focusGridOnEmpty);
  void Refuse(MessageKind kind, const std::string& message);

  ColumnEntryRequest request_;
  ColumnEntryResult result_;
  int maxTrays_ = 0;
  int baseHeight_ = 0;
  //! Keys pressed in each count field and not yet released there.
  QHash<QObject*, QSet<int>> keysDown_;

  QTabWidget* pcDesign_;
  QWidget* tshMain_;
  QWidget* tShAdditional_;
  QGroupBox* grbWayHeat_;
  QGroupBox* RadioGroup1_;
  QRadioButton* liveSteam_;
  QRadioButton* deadSteam_;
  QGroupBox* grBoxSteam_;
  QLabel* steamConsLabel_;
  QLabel* steamPressLabel_;
  QLineEdit* edSteamCons_;
  QLineEdit* edSteamPress_;
  QLabel* lbColumn_;
  QLabel* totalLabel_;
  QLabel* feedCountLabel_;
  QLabel* catchCountLabel_;
  QLineEdit* edTotalNumb_;
  QLineEdit* edFeedNumb_;
  QLineEdit* edCatchNumb_;
  QLabel* lbFeed_;
  QLabel* lbCatch_;
  StringGrid* strGrFeed_;
  StringGrid* strGrCatch_;
  QCheckBox* cbDesign_;
  QPushButton* bitBtOk_;
  QPushButton* bitBtCancel_;
};

}  // namespace vexilor::gui
