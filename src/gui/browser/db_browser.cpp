#include "gui/browser/db_browser.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSplitter>
#include <QSqlError>
#include <QSqlRecord>
#include <QStyle>
#include <QVBoxLayout>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/browser/db_navigator.h"
#include "gui/browser/results_grid.h"
#include "gui/browser/results_table_model.h"
#include "store/data_module.h"
#include "store/store_calculation.h"

namespace vexilor::gui {
namespace {

QString Text(std::uint8_t lang, std::string_view english, std::string_view russian) {
  const std::string_view text = PickText(lang, english, russian);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

//! A panel that a grid fills.
QWidget* PanelWith(QWidget* grid, const char* name) {
  auto* panel = new QWidget;
  panel->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid);
  return panel;
}

//! Shows the titled columns of a grid and hides the others. The grid's
//! columns begin at model column firstColumn and there are shownCount of
//! them; model columns outside that range are never shown. Without titles
//! (no calculation seen yet) the field names stay.
void LayOutColumns(ResultsGrid* grid, const store::ColumnTitles* titles, int firstColumn,
                   int shownCount) {
  ResultsTableModel* model = grid->Model();
  for (int column = 0; column < model->columnCount(); ++column) {
    const int gridColumn = column - firstColumn;
    bool shown = gridColumn >= 0 && gridColumn < shownCount;
    if (shown && titles != nullptr) {
      const auto& title = (*titles)[static_cast<std::size_t>(gridColumn)];
      shown = title.has_value();
      if (shown) model->setHeaderData(column, Qt::Horizontal, QString::fromStdString(*title));
    }
    grid->setColumnHidden(column, !shown);
  }
}

}  // namespace

TfmDbRect::TfmDbRect(QWidget* owner, std::uint8_t lang, store::TDM& dm)
    : QDialog(owner), lang_(lang), dm_(dm) {
  setObjectName(QStringLiteral("fmDbRect"));
  resize(693, 540);
  BuildWindow();
  SetTexts();
}

void TfmDbRect::BuildWindow() {
  const QSqlDatabase database = dm_.Database();
  DataSource1 = new ResultsTableModel(store::InitDataTable(), database, this);
  DataSource2 = new ResultsTableModel(store::AddDataTable(), database, this);
  DataSource3 = new ResultsTableModel(store::RctResultTable(), database, this);
  DataSource1->setObjectName(QStringLiteral("DataSource1"));
  DataSource2->setObjectName(QStringLiteral("DataSource2"));
  DataSource3->setObjectName(QStringLiteral("DataSource3"));

  DBGrid1 = new ResultsGrid(DataSource1, this);
  DBGrid2 = new ResultsGrid(DataSource2, this);
  DBGrid3 = new ResultsGrid(DataSource3, this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
  DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
  InitDatPanel = PanelWith(DBGrid1, "InitDatPanel");
  AddDatPanel = PanelWith(DBGrid2, "AddDatPanel");
  ResultPanel = PanelWith(DBGrid3, "ResultPanel");

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->setHandleWidth(5);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(InitDatPanel);
  splitter->addWidget(AddDatPanel);
  splitter->addWidget(ResultPanel);
  splitter->setStretchFactor(1, 1);  // the streams take what the other two leave
  splitter->setSizes({80, 540 - 80 - 264 - 41 - 10, 264});

  ContrPanel = new QWidget(this);
  ContrPanel->setObjectName(QStringLiteral("ContrPanel"));
  ContrPanel->setFixedHeight(41);
  DBNavigator1 = new TDBNavigator(lang_, ContrPanel);
  DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
  BtnPictFm = new QPushButton(ContrPanel);
  btnReport = new QPushButton(ContrPanel);
  BitBtClose =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QString(), ContrPanel);
  BtnPictFm->setObjectName(QStringLiteral("BtnPictFm"));
  btnReport->setObjectName(QStringLiteral("btnReport"));
  BitBtClose->setObjectName(QStringLiteral("BitBtClose"));
  for (QPushButton* button : {BtnPictFm, btnReport, BitBtClose}) {
    button->setAutoDefault(false);  // Enter in a grid must not press a button
  }
  auto* bar = new QHBoxLayout(ContrPanel);
  bar->setContentsMargins(8, 8, 8, 8);
  bar->addWidget(DBNavigator1);
  bar->addSpacing(16);
  bar->addWidget(BtnPictFm);
  bar->addStretch(1);
  bar->addWidget(btnReport);
  bar->addWidget(BitBtClose);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(splitter, 1);
  layout->addWidget(ContrPanel);

  // A press in a grid binds the navigator to that grid's table.
  connect(DBGrid1, &ResultsGrid::Pressed, this, [this] { DBNavigator1->Bind(DBGrid1, true); });
  connect(DBGrid2, &ResultsGrid::Pressed, this, [this] { DBNavigator1->Bind(DBGrid2, false); });
  connect(DBGrid3, &ResultsGrid::Pressed, this, [this] { DBNavigator1->Bind(DBGrid3, false); });
  connect(DBNavigator1, &TDBNavigator::DeleteRequested, this, &TfmDbRect::DeleteCurrentCalculation);

  // Master and details: the streams and trays of the current calculation.
  connect(DBGrid1, &ResultsGrid::CurrentRowChanged, this, &TfmDbRect::ShowDetailsOfCurrent);
  connect(DataSource2, &QAbstractItemModel::modelReset, this, &TfmDbRect::DataSource2DataChange);
  connect(DataSource2, &QAbstractItemModel::rowsInserted, this, &TfmDbRect::DataSource2DataChange);
  connect(DataSource2, &QAbstractItemModel::rowsRemoved, this, &TfmDbRect::DataSource2DataChange);
  connect(DataSource2, &QAbstractItemModel::dataChanged, this, &TfmDbRect::DataSource2DataChange);
  // A model read again shows every column; hide and title them again.
  for (ResultsTableModel* model : {DataSource1, DataSource2, DataSource3}) {
    connect(model, &QAbstractItemModel::modelReset, this, &TfmDbRect::ApplyColumnLayout);
    connect(model, &ResultsTableModel::PostFailed, this, &TfmDbRect::ShowError);
  }

  connect(BtnPictFm, &QPushButton::clicked, this, &TfmDbRect::BtnPictFmClick);
  connect(btnReport, &QPushButton::clicked, this, &TfmDbRect::btnReportClick);
  connect(BitBtClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmDbRect::SetTexts() {
  setWindowTitle(Text(lang_, "Input datas and outcomes of rectification processes calculation",
                      "Исходные данные и результаты расчета процессов ректификации"));
  btnReport->setText(Text(lang_, "Get Report", "Получить отчет"));
  btnReport->setToolTip(Text(lang_,
                             "To prepare the report for the chosen\n\rinitial data set click by "
                             "the button",
                             "Чтобы подготовить отчет для выбранного\n\rнабора исходных данных "
                             "щелкните по кнопке"));
  BtnPictFm->setText(Text(lang_, "Pictorial Form", "Графич. форма"));
  BitBtClose->setText(Text(lang_, "Cancel", "Выход"));
  const QString gridHint = Text(lang_,
                                "For navigation on a data set click\n\ron heading of the "
                                "corresponding table",
                                "Для навигации по набору данных щелкните\n\rпо заголовку "
                                "соответствующей таблицы");
  for (ResultsGrid* grid : {DBGrid1, DBGrid2, DBGrid3}) grid->setToolTip(gridHint);
}

void TfmDbRect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!opened_) {
    opened_ = true;
    Open();
  }
}

// Done once, when the window first appears: read the calculations and make
// the newest one current, which brings its streams and trays and titles.
void TfmDbRect::Open() {
  SetTexts();
  DBNavigator1->Bind(DBGrid1, true);
  if (!DataSource1->select()) {
    ShowError(DataSource1->lastError().text());
    return;
  }
  DataSource1->FetchAll();
  if (DataSource1->rowCount() > 0) {
    DBGrid1->MoveToRow(DataSource1->rowCount() - 1);
  } else {
    ShowDetailsOfCurrent();
  }
}

std::optional<int> TfmDbRect::CurrentRectId() const {
  const int row = DBGrid1->CurrentRow();
  if (row < 0) return std::nullopt;
  const QVariant id = DataSource1->record(row).value(0);
  return id.isNull() ? std::nullopt : std::optional<int>(id.toInt());
}

void TfmDbRect::ShowDetailsOfCurrent() {
  const std::optional<int> rectId = CurrentRectId();
  const QString noRows = QStringLiteral("0 = 1");
  for (ResultsTableModel* details : {DataSource2, DataSource3}) {
    details->Post();  // an edit of the previous calculation's rows
    const QString link = QString::fromStdString(details->Table().LinkField);
    details->setFilter(rectId ? QStringLiteral("%1 = %2").arg(link).arg(*rectId) : noRows);
    if (!details->select()) ShowError(details->lastError().text());
  }
}

void TfmDbRect::DataSource2DataChange() {
  const int row = DBGrid1->CurrentRow();
  if (DataSource1->rowCount() == 0 || row < 0) return;  // titles and ReportRecNo stay
  dm_.ReportRecNo = row + 1;
  titles_ = store::RetitleGrids(store::InitDataFromRecord(DataSource1->record(row)));
  ApplyColumnLayout();
}

void TfmDbRect::ApplyColumnLayout() {
  const bool titled = titles_.has_value();
  LayOutColumns(DBGrid1, titled ? &titles_->Calculations : nullptr, 0, 30);  // not RmolMass
  LayOutColumns(DBGrid2, titled ? &titles_->Streams : nullptr, 0, 12);
  LayOutColumns(DBGrid3, titled ? &titles_->Trays : nullptr, 1, 19);  // not TRes_Id
}

void TfmDbRect::DeleteCurrentCalculation() {
  const int row = DBGrid1->CurrentRow();
  if (row < 0) return;
  const std::optional<int> rectId = CurrentRectId();
  if (!rectId) {  // a row inserted and not posted yet: simply dropped
    DataSource1->revertRow(row);
    return;
  }
  const std::string question =
      Format(std::string(PickText(lang_, "Delete the calculation %d with its streams and trays?",
                                  "Удалить расчет %d вместе с его потоками и тарелками?"))
                 .c_str(),
             *rectId);
  if (Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, question) != Answer::Yes) {
    return;
  }
  try {
    DataSource1->revertAll();  // edits of the row being deleted
    store::DeleteCalculation(dm_, *rectId);
  } catch (const store::DatabaseError& error) {
    ShowError(QString::fromUtf8(error.what()));
    return;
  }
  DataSource1->select();  // the next calculation moves into the current row
}

void TfmDbRect::BtnPictFmClick() {
  if (!DataSource1->Post()) return;
  const std::optional<int> rectId = CurrentRectId();
  if (!rectId) return;
  try {
    if (const auto calculation = store::LoadCalculation(dm_, *rectId)) {
      emit PictorialFormRequested(*calculation);
    }
  } catch (const store::DatabaseError& error) {
    ShowError(QString::fromUtf8(error.what()));
  }
}

void TfmDbRect::btnReportClick() {
  if (!DataSource1->Post()) return;
  try {
    if (const auto calculation = store::LoadCalculationAtRecordNumber(dm_, dm_.ReportRecNo)) {
      emit ReportRequested(*calculation);
    }
  } catch (const store::DatabaseError& error) {
    ShowError(QString::fromUtf8(error.what()));
  }
}

void TfmDbRect::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier &&
      DBGrid1->hasFocus()) {
    DeleteCurrentCalculation();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfmDbRect::done(int result) {
  bool posted = true;
  for (ResultsTableModel* model : {DataSource1, DataSource2, DataSource3}) {
    posted = model->Post() && posted;
  }
  if (!posted &&
      Dialog().ShowMessage(
          MessageKind::Confirmation, ButtonSet::YesNo,
          std::string(PickText(lang_, "Close the window and discard the changes not posted?",
                               "Закрыть окно и отказаться от несохраненных изменений?"))) !=
          Answer::Yes) {
    return;
  }
  QDialog::done(result);
}

void TfmDbRect::ShowError(const QString& message) {
  Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, message.toStdString());
}

}  // namespace vexilor::gui
