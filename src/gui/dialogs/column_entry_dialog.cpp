#include "gui/dialogs/column_entry_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "engine/shell/lang.h"
#include "gui/dialogs/column_entry_texts.h"
#include "gui/dialogs/grid_geometry.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/number_parsing.h"
#include "gui/dialogs/string_grid.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

namespace {

constexpr int kDialogWidth = 650;
constexpr int kDialogHeight = 442;
constexpr int kNumberColumnWidth = 20;
// Wide enough for the column titles ("N feed tray", " kmol/hour;") in the
// dialog's font.
constexpr int kEntryColumnWidth = 84;

// Raised by the count checks for a count that is zero or negative. It
// carries only the message and never leaves the checks.
struct EIntCheckError {
  TextPair message;
};

// The count typed in a field: nullopt when the trimmed text is not an
// integer; EIntCheckError when it is not positive.
std::optional<int> PositiveCount(const QString& text) {
  const auto value = ParseInteger(TrimBlanks(text));
  if (!value) return std::nullopt;
  if (*value < 0) throw EIntCheckError{{"Negative number", "Отрицательное число"}};
  if (*value == 0) throw EIntCheckError{{"Not positive number", "Не положительное число"}};
  return *value;
}

constexpr TextPair kNumberRequired{"The number is required", "Требуется число"};

QLineEdit* NumberField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  return field;
}

QLabel* FieldLabel(QWidget* parent, QLineEdit* buddy) {
  auto* label = new QLabel(parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

ColumnEntryDialog::ColumnEntryDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmRctDesign"));
  BuildControls();
}

void ColumnEntryDialog::BuildControls() {
  pcDesign_ = new QTabWidget(this);
  pcDesign_->setObjectName(QStringLiteral("pcDesign"));
  tshMain_ = new QWidget;
  tshMain_->setObjectName(QStringLiteral("tshMain"));
  tShAdditional_ = new QWidget;
  tShAdditional_->setObjectName(QStringLiteral("tShAdditional"));
  pcDesign_->addTab(tshMain_, QString());
  pcDesign_->addTab(tShAdditional_, QString());

  grbWayHeat_ = new QGroupBox(tshMain_);
  grbWayHeat_->setObjectName(QStringLiteral("grbWayHeat"));
  RadioGroup1_ = new QGroupBox(grbWayHeat_);
  RadioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
  liveSteam_ = new QRadioButton(RadioGroup1_);
  liveSteam_->setObjectName(QStringLiteral("rbLiveSteam"));
  deadSteam_ = new QRadioButton(RadioGroup1_);
  deadSteam_->setObjectName(QStringLiteral("rbDeadSteam"));
  auto* radioLayout = new QVBoxLayout(RadioGroup1_);
  radioLayout->addWidget(liveSteam_);
  radioLayout->addWidget(deadSteam_);
  (new QVBoxLayout(grbWayHeat_))->addWidget(RadioGroup1_);

  grBoxSteam_ = new QGroupBox(tshMain_);
  grBoxSteam_->setObjectName(QStringLiteral("grBoxSteam"));
  edSteamCons_ = NumberField(grBoxSteam_, "edSteamCons");
  edSteamPress_ = NumberField(grBoxSteam_, "edSteamPress");
  steamConsLabel_ = FieldLabel(grBoxSteam_, edSteamCons_);
  steamPressLabel_ = FieldLabel(grBoxSteam_, edSteamPress_);
  auto* steamLayout = new QFormLayout(grBoxSteam_);
  steamLayout->addRow(steamConsLabel_, edSteamCons_);
  steamLayout->addRow(steamPressLabel_, edSteamPress_);

  lbColumn_ = new QLabel(tshMain_);
  lbColumn_->setObjectName(QStringLiteral("lbColumn"));
  edTotalNumb_ = NumberField(tshMain_, "edTotalNumb");
  edFeedNumb_ = NumberField(tshMain_, "edFeedNumb");
  edCatchNumb_ = NumberField(tshMain_, "edCatchNumb");
  totalLabel_ = FieldLabel(tshMain_, edTotalNumb_);
  feedCountLabel_ = FieldLabel(tshMain_, edFeedNumb_);
  catchCountLabel_ = FieldLabel(tshMain_, edCatchNumb_);
  for (QLineEdit* field : {edTotalNumb_, edFeedNumb_, edCatchNumb_})
    field->installEventFilter(this);

  lbFeed_ = new QLabel(tshMain_);
  lbFeed_->setObjectName(QStringLiteral("lbFeed"));
  lbCatch_ = new QLabel(tshMain_);
  lbCatch_->setObjectName(QStringLiteral("lbCatch"));
  strGrFeed_ = new StringGrid(tshMain_);
  strGrFeed_->setObjectName(QStringLiteral("strGrFeed"));
  strGrCatch_ = new StringGrid(tshMain_);
  strGrCatch_->setObjectName(QStringLiteral("strGrCatch"));
  for (StringGrid* grid : {strGrFeed_, strGrCatch_}) {
    grid->SetFirstColumnWidth(kNumberColumnWidth);
    grid->SetDefaultColumnWidth(kEntryColumnWidth);
    connect(
        grid, &StringGrid::CellTyped, this,
        [this, grid](int col, int row, const QString& text) { CellTyped(grid, col, row, text); });
  }

  cbDesign_ = new QCheckBox(tshMain_);
  cbDesign_->setObjectName(QStringLiteral("cbDesign"));

  auto* heatingRow = new QHBoxLayout;
  heatingRow->addWidget(grbWayHeat_, 1);
  heatingRow->addWidget(grBoxSteam_, 1);
  auto* counts = new QGridLayout;
  counts->addWidget(totalLabel_, 0, 0);
  counts->addWidget(feedCountLabel_, 0, 1);
  counts->addWidget(catchCountLabel_, 0, 2);
  counts->addWidget(edTotalNumb_, 1, 0);
  counts->addWidget(edFeedNumb_, 1, 1);
  counts->addWidget(edCatchNumb_, 1, 2);
  auto* grids = new QGridLayout;
  grids->addWidget(lbFeed_, 0, 0);
  grids->addWidget(lbCatch_, 0, 1);
  grids->addWidget(strGrFeed_, 1, 0, Qt::AlignLeft | Qt::AlignTop);
  grids->addWidget(strGrCatch_, 1, 1, Qt::AlignLeft | Qt::AlignTop);
  grids->setColumnStretch(0, 3);
  grids->setColumnStretch(1, 2);
  grids->setRowStretch(1, 1);
  auto* page = new QVBoxLayout(tshMain_);
  page->addLayout(heatingRow);
  page->addWidget(lbColumn_);
  page->addLayout(counts);
  page->addLayout(grids, 1);
  page->addWidget(cbDesign_);

  auto* bottomBar = new QFrame(this);
  bottomBar->setObjectName(QStringLiteral("pnBottom"));
  bottomBar->setFrameShape(QFrame::StyledPanel);
  bitBtOk_ = new QPushButton(QStringLiteral("OK"), bottomBar);
  bitBtOk_->setObjectName(QStringLiteral("bitBtOk"));
  bitBtOk_->setDefault(true);
  bitBtCancel_ = new QPushButton(QStringLiteral("Cancel"), bottomBar);
  bitBtCancel_->setObjectName(QStringLiteral("bitBtCancel"));
  bitBtCancel_->setAutoDefault(false);
  auto* barLayout = new QHBoxLayout(bottomBar);
  barLayout->addWidget(bitBtOk_);
  barLayout->addStretch();
  barLayout->addWidget(bitBtCancel_);
  connect(bitBtOk_, &QPushButton::clicked, this, &ColumnEntryDialog::OkClicked);
  connect(bitBtCancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pcDesign_, 1);
  layout->addWidget(bottomBar);
}

void ColumnEntryDialog::Prepare(const ColumnEntryRequest& request) {
  request_ = request;
  result_ = ColumnEntryResult{};
  result_.HeatingKind = request.HeatingKind;
  result_.SteamCons = request.SteamCons;
  maxTrays_ = MaxTrays(request.TrayCapacity, request.CompCount);
  SetTexts();

  strGrFeed_->SetShape(4, 5, 1, 2);
  strGrCatch_->SetShape(3, 5, 1, 2);
  FillGridTitles();
  ApplyFeedGridShape();
  ApplyCatchGridShape();

  pcDesign_->setTabVisible(pcDesign_->indexOf(tShAdditional_), false);
  const bool liveSteamPossible = request.HeatingKind == 'l' || request.HeatingKind == 'L';
  RadioGroup1_->setEnabled(liveSteamPossible);
  // Without water in the mixture only dead steam can heat the column; the
  // disabled group shows that choice rather than a live steam it cannot give.
  (liveSteamPossible ? liveSteam_ : deadSteam_)->setChecked(true);
  cbDesign_->setEnabled(false);
  SetCountFieldsEnabled(false);

  adjustSize();
  baseHeight_ = std::max(kDialogHeight, minimumSizeHint().height());
  resize(kDialogWidth, baseHeight_);
  edSteamCons_->setFocus();
}

void ColumnEntryDialog::SetTexts() {
  const std::uint8_t lang = request_.Lang;
  auto text = [lang](std::string_view english, std::string_view russian) {
    return DisplayText(PickText(lang, english, russian));
  };
  setWindowTitle(text("Data set for calculation of rectification process",
                      "Ввод данных для расчета процесса ректификации"));
  pcDesign_->setTabText(pcDesign_->indexOf(tshMain_), text("Main", "Главные"));
  pcDesign_->setTabText(pcDesign_->indexOf(tShAdditional_), text("Additional", "Дополнительные"));
  grbWayHeat_->setTitle(QStringLiteral("        The way of a column heating"));
  RadioGroup1_->setTitle(QStringLiteral("The heating of a column is made by:"));
  liveSteam_->setText(QStringLiteral("a live steam;"));
  deadSteam_->setText(QStringLiteral("a dead steam;"));
  grBoxSteam_->setTitle(QStringLiteral("    Parameters of a heating steam"));
  steamConsLabel_->setText(text("consumption, kg/hour", "расход, кг/час"));
  steamPressLabel_->setText(text("pressure, kgf/sm2", "давление, кГс/см2"));
  lbColumn_->setText(text("Parameters of a column", "Характеристики колонны"));
  totalLabel_->setText(text("Total Number of Trays ", "Общее число тарелок"));
  feedCountLabel_->setText(text("Number of Feed Trays ", "Число тарелок пиртания"));
  catchCountLabel_->setText(text("Number of Catch Trays ", "Число тарелок отбора"));
  lbFeed_->setText(text("Feed Flows ", "Потоки питания"));
  lbCatch_->setText(text("Catch Flows ", "Потоки отбора"));
  cbDesign_->setText(
      text("To use additional design parameters for check calculation of a column",
           "Использовать дополнительные конструктивные параметры для поверочного расчета колонны"));

  edSteamCons_->setToolTip(DisplayText(SteamConsHint(lang, request_.SteamCons)));
  edSteamPress_->setToolTip(text("Enter pressure of a heating steam, kgf/sm2; (for example 3)",
                                 "Введите давление греющего пара, кГс/см2; (например 3)"));
  edTotalNumb_->setToolTip(DisplayText(TotalTraysHint(lang, maxTrays_)));
  edFeedNumb_->setToolTip(text("Set number of insertion points of the column (for example 1)",
                               "Задайте число точек ввода питания колонны (например 1)"));
  edCatchNumb_->setToolTip(
      text("Set a total number of tapping points of fractions (including target\r\nproduct but "
           "excepting a tapping point of vat residue), for example 2",
           "Задайте общее число точек отбора фракций (в т.ч. целевого\r\nпродукта но исключая "
           "точку отбора кубовой жидкости), например 2"));
  strGrFeed_->setToolTip(
      text("Data set for Feed flows of the column", "Набор данных для потоков питания колонны"));
  strGrCatch_->setToolTip(
      text("Data set for Catch flows of the column", "Набор данных для потоков отбора колонны"));
}

void ColumnEntryDialog::FillGridTitles() {
  const std::uint8_t lang = request_.Lang;
  const EntryUnitTexts units = EntryUnits(lang, request_.UnitsKind);
  const QString consumption = ToQt(PickText(lang, " Consump.", "  Расход"));

  strGrFeed_->SetCell(0, 0, QStringLiteral("№"));
  strGrFeed_->SetCell(1, 0, ToQt(PickText(lang, "N feed tray", "№ т. питан.")));
  strGrFeed_->SetCell(2, 0, consumption);
  strGrFeed_->SetCell(2, 1, ToQt(units.Flow));
  for (int component = 1; component < request_.CompCount; ++component) {
    const int col = component + 2;
    if (col >= strGrFeed_->columnCount()) break;
    const auto index = static_cast<std::size_t>(component - 1);
    strGrFeed_->SetCell(
        col, 0, index < request_.CompNames.size() ? ToQt(request_.CompNames[index]) : QString());
    strGrFeed_->SetCell(col, 1, ToQt(units.Concentration));
  }

  strGrCatch_->SetCell(0, 0, QStringLiteral("№"));
  strGrCatch_->SetCell(1, 0, ToQt(PickText(lang, "N catch tr.", "№ т. отбор.")));
  strGrCatch_->SetCell(2, 0, consumption);
  strGrCatch_->SetCell(2, 1, ToQt(units.Flow));
}

void ColumnEntryDialog::SetCountFieldsEnabled(bool enabled) {
  for (QLineEdit* field : {edFeedNumb_, edCatchNumb_}) {
    field->setEnabled(enabled);
    // A disabled count field takes the colour of the page it stands on.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, enabled ? QApplication::palette().color(QPalette::Base)
                                             : tshMain_->palette().color(QPalette::Window));
    field->setPalette(palette);
  }
}

bool ColumnEntryDialog::eventFilter(QObject* watched, QEvent* event) {
  // A count is checked when a key pressed in its field is released there;
  // a key that closed a message box or moved the focus here from another
  // field does not count.
  const auto type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) {
      if (type == QEvent::KeyPress) {
        keysDown_[watched].insert(key->key());
      } else if (keysDown_[watched].remove(key->key())) {
        if (watched == edTotalNumb_) CheckTotalNumb();
        if (watched == edFeedNumb_) CheckFeedNumb();
        if (watched == edCatchNumb_) CheckCatchNumb();
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ColumnEntryDialog::RefuseCount(QLineEdit* field, const std::string& message) {
  ShowMessageBox(this, MessageKind::Plain, ButtonSet::Ok, message);
  QApplication::beep();
  field->selectAll();
  field->setFocus();
}

void ColumnEntryDialog::CheckTotalNumb() {
  const QString text = edTotalNumb_->text();
  if (text.isEmpty()) {
    SetCountFieldsEnabled(false);
    return;
  }
  try {
    const auto total = PositiveCount(text);
    if (!total) {
      RefuseCount(edTotalNumb_, std::string(kNumberRequired(request_.Lang)));
      return;
    }
    // A longer column would not fit the solver's vector of unknowns.
    if (*total > maxTrays_) {
      result_.TotalNumb = 0;
      RefuseCount(edTotalNumb_, TooManyTraysMessage(request_.Lang, maxTrays_));
      return;
    }
    result_.TotalNumb = static_cast<std::uint16_t>(*total);
  } catch (const EIntCheckError& error) {
    result_.TotalNumb = 0;
    RefuseCount(edTotalNumb_, std::string(error.message(request_.Lang)));
    return;
  }
  const auto trays = static_cast<std::size_t>(result_.TotalNumb) + 2;
  result_.FeedCons.resize(trays, 0);
  result_.CatchCons.resize(trays, 0);
  SetCountFieldsEnabled(true);
}

bool ColumnEntryDialog::AcceptStreamCount(QLineEdit* field, StringGrid* grid,
                                          std::uint16_t& count) {
  std::optional<int> typed;
  try {
    typed = PositiveCount(field->text());
  } catch (const EIntCheckError& error) {
    count = 0;
    RefuseCount(field, std::string(error.message(request_.Lang)));
    return false;
  }
  if (!typed) {
    if (!field->text().isEmpty()) RefuseCount(field, std::string(kNumberRequired(request_.Lang)));
    // No streams yet: the grid keeps its rows but shows three.
    grid->setFixedHeight(ShrunkGridHeight(kDefaultRowHeight) + grid->FrameExtent());
    count = 0;
    ApplyDialogHeight();
    return false;
  }
  count = Low16Bits(*typed);
  grid->SetRowCount(count + 2);
  for (int stream = 1; stream <= count; ++stream) {
    grid->SetCell(0, stream + 1, QString::number(stream));
  }
  return true;
}

void ColumnEntryDialog::CheckFeedNumb() {
  strGrFeed_->SetColCount(request_.CompCount + 2);
  FillGridTitles();
  if (!AcceptStreamCount(edFeedNumb_, strGrFeed_, result_.FeedNumb)) return;
  ApplyFeedGridShape();
  ApplyDialogHeight();
  // Concentrations are entered afresh for the new streams.
  for (int row = 2; row < strGrFeed_->rowCount(); ++row) {
    for (int col = 3; col < strGrFeed_->columnCount(); ++col) strGrFeed_->SetCell(col, row, {});
  }
  strGrFeed_->setFocus();
  strGrFeed_->setToolTip(DisplayText(FeedHint(request_.Lang, request_.UnitsKind, request_.CompCount,
                                              result_.TotalNumb, result_.FeedNumb)));
}

void ColumnEntryDialog::CheckCatchNumb() {
  strGrCatch_->SetColCount(3);
  if (!AcceptStreamCount(edCatchNumb_, strGrCatch_, result_.CatchNumb)) return;
  ApplyCatchGridShape();
  ApplyDialogHeight();
  strGrCatch_->setFocus();
  strGrCatch_->setToolTip(DisplayText(
      CatchHint(request_.Lang, request_.UnitsKind, result_.TotalNumb, result_.CatchNumb)));
}

namespace {
void ApplyBox(StringGrid* grid, const GridBox& box) {
  grid->setHorizontalScrollBarPolicy(box.hScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(box.vScroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  grid->setFixedSize(box.width + grid->FrameExtent(), box.height + grid->FrameExtent());
}
}  // namespace

void ColumnEntryDialog::ApplyFeedGridShape() {
  ApplyBox(strGrFeed_, FeedGridBox(strGrFeed_->rowCount(), strGrFeed_->columnCount(),
                                   kNumberColumnWidth, kDefaultRowHeight, kEntryColumnWidth));
}

void ColumnEntryDialog::ApplyCatchGridShape() {
  ApplyBox(strGrCatch_, CatchGridBox(strGrCatch_->rowCount(), kNumberColumnWidth, kDefaultRowHeight,
                                     kEntryColumnWidth));
}

void ColumnEntryDialog::ApplyDialogHeight() {
  const int height =
      EntryDialogHeight(baseHeight_, result_.FeedNumb, result_.CatchNumb, kDefaultRowHeight);
  resize(width(), std::max(height, minimumSizeHint().height()));
}

void ColumnEntryDialog::CellTyped(StringGrid* grid, int col, int row, const QString& text) {
  if (!AcceptTypedNumber(this, request_.Lang, text)) grid->ResumeEditing(col, row);
}

}  // namespace vexilor::gui
