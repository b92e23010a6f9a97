// The results database browser fmDbRect: the stored calculations, the
// feed and takeoff streams of the current one and its trays, in three
// linked grids, with a navigator and the picture and report commands.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "store/grid_titles.h"
#include "store/stored_calculation.h"

class QPushButton;

namespace vexilor::store {
class TDM;
}

namespace vexilor::gui {

class ResultsGrid;
class ResultsTableModel;
class TDBNavigator;

class TfmDbRect : public QDialog {
  Q_OBJECT

 public:
  //! lang: language of the window's own texts (1 English, otherwise
  //! Russian); the grid titles follow each calculation's own language.
  //! dm must outlive the window.
  TfmDbRect(QWidget* owner, std::uint8_t lang, store::TDM& dm);

  store::TDM& DataModule() const { return dm_; }

 signals:
  //! "Pictorial Form": draw this calculation (the current one).
  void PictorialFormRequested(const vexilor::store::StoredCalculation& calculation);
  //! "Get Report": print this calculation (the one at ReportRecNo).
  void ReportRequested(const vexilor::store::StoredCalculation& calculation);

 public slots:
  //! Posts pending edits, then closes; when they cannot be posted the
  //! user chooses between discarding them and staying.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  void SetTexts();
  void Open();
  void ShowDetailsOfCurrent();
  //! Sets the grid titles and ReportRecNo from the current calculation.
  void DataSource2DataChange();
  void ApplyColumnLayout();
  void DeleteCurrentCalculation();
  void BtnPictFmClick();
  void btnReportClick();
  void ShowError(const QString& message);
  //! Rect_Id of the current calculation; nullopt when none or not posted.
  std::optional<int> CurrentRectId() const;

  std::uint8_t lang_;
  store::TDM& dm_;
  bool opened_ = false;
  std::optional<store::GridTitles> titles_;

  ResultsTableModel* DataSource1 = nullptr;  //!< InitData
  ResultsTableModel* DataSource2 = nullptr;  //!< AddData
  ResultsTableModel* DataSource3 = nullptr;  //!< RctResult
  QWidget* InitDatPanel = nullptr;
  ResultsGrid* DBGrid1 = nullptr;
  QWidget* AddDatPanel = nullptr;
  ResultsGrid* DBGrid2 = nullptr;
  QWidget* ResultPanel = nullptr;
  ResultsGrid* DBGrid3 = nullptr;
  QWidget* ContrPanel = nullptr;
  TDBNavigator* DBNavigator1 = nullptr;
  QPushButton* BtnPictFm = nullptr;
  QPushButton* btnReport = nullptr;
  QPushButton* BitBtClose = nullptr;
};

}  // namespace vexilor::gui
