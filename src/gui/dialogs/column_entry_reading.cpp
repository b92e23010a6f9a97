// The OK pass of the column data entry dialog: the whole form is read in a
// fixed order, and the first field or cell that cannot be used stops the
// pass with its message, leaving the dialog open.
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "engine/shell/lang.h"
#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/column_entry_texts.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/number_parsing.h"
#include "gui/dialogs/string_grid.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

namespace {
constexpr TextPair kAllFieldsFilled{"All fields of this tables should be filled",
                                    "Все поля этих таблиц должны быть заполнены"};
}  // namespace

void ColumnEntryDialog::Refuse(MessageKind kind, const std::string& message) {
  QApplication::beep();
  ShowMessageBox(this, kind, ButtonSet::Ok, message);
}

void ColumnEntryDialog::OkClicked() {
  const std::uint8_t lang = request_.Lang;
  if (RadioGroup1_->isEnabled()) result_.HeatingKind = liveSteam_->isChecked() ? 'l' : 'd';

  const struct {
    bool empty;
    TextPair message;
  } emptyChecks[] = {
      {edSteamCons_->text().isEmpty() || edSteamPress_->text().isEmpty(),
       {"One of parameters of the heating steam is not set",
        "Не задан один из параметров греющего пара"}},
      {edTotalNumb_->text().isEmpty(),
       {"Set total number of column trays", "Задайте общее число тарелок колонны"}},
      {edFeedNumb_->text().isEmpty(),
       {"Set number of Feed trays of the column", "Задайте число тарелок питания колонны"}},
      {edCatchNumb_->text().isEmpty(),
       {"Set number of Catch trays of the column", "Задайте число тарелок отбора колонны"}},
  };
  for (const auto& check : emptyChecks) {
    if (check.empty) {
      Refuse(MessageKind::Warning, std::string(check.message(lang)));
      return;
    }
  }
  if (!ReadSteam() || !CheckTotalForOk()) return;

  const auto trays = static_cast<std::size_t>(result_.TotalNumb) + 2;
  result_.FeedConc.assign(request_.CompCount, std::vector<Real>(trays, 0));
  if (!ReadFeedGrid() || !ReadCatchGrid()) return;
  accept();
}

bool ColumnEntryDialog::ReadSteam() {
  for (auto [field, value] : {std::pair{edSteamCons_, &result_.SteamCons},
                              std::pair{edSteamPress_, &result_.SteamPress}}) {
    const auto parsed = ParseReal(TrimBlanks(field->text()));
    if (!parsed) {
      // The conversion error of the number reader, which names the text.
      Refuse(MessageKind::Error,
             "'" + FromQt(TrimBlanks(field->text())) + "' is not a valid floating point value");
      field->setFocus();
      return false;
    }
    *value = *parsed;
  }
  return true;
}

bool ColumnEntryDialog::CheckTotalForOk() {
  // The total may have been refused (kept as 0) or changed without a key
  // (pasted): it is read again, and a column that the solver cannot hold
  // or that has no trays is refused here.
  const auto total = ParseInteger(TrimBlanks(edTotalNumb_->text()));
  if (!total || *total < 1 || *total > maxTrays_) {
    Refuse(MessageKind::Warning, TotalOutOfRangeMessage(request_.Lang, maxTrays_));
    edTotalNumb_->selectAll();
    edTotalNumb_->setFocus();
    return false;
  }
  result_.TotalNumb = static_cast<std::uint16_t>(*total);
  const auto trays = static_cast<std::size_t>(result_.TotalNumb) + 2;
  result_.FeedCons.resize(trays, 0);
  result_.CatchCons.resize(trays, 0);
  return true;
}

bool ColumnEntryDialog::CellEmptyRefused(StringGrid* grid, int col, int row,
                                         bool focusGridOnEmpty) {
  if (!TrimBlanks(grid->Cell(col, row)).isEmpty()) return false;
  if (focusGridOnEmpty) {
    grid->setFocus();
    grid->setCurrentCell(row, col);
  }
  Refuse(MessageKind::Warning, std::string(kAllFieldsFilled(request_.Lang)));
  return true;
}

bool ColumnEntryDialog::ReadTray(StringGrid* grid, int row, bool focusGridOnEmpty,
                                 std::uint8_t& tray) {
  if (CellEmptyRefused(grid, 1, row, focusGridOnEmpty)) return false;
  const QString text = grid->Cell(1, row);
  const auto value = ParseInteger(TrimBlanks(text));
  if (!value) {
    ReportNumberEntryError(this, request_.Lang, text);
    grid->ResumeEditing(1, row);
    return false;
  }
  // Tray numbers index the flow and concentration tables: only the still
  // (0), the trays and the dephlegmator (N + 1) exist.
  const int highestTray = result_.TotalNumb + 1;
  if (*value < 0 || *value > highestTray) {
    Refuse(MessageKind::Warning, TrayOutOfRangeMessage(request_.Lang, highestTray));
    grid->ResumeEditing(1, row);
    return false;
  }
  tray = static_cast<std::uint8_t>(*value);
  return true;
}

bool ColumnEntryDialog::ReadCellReal(StringGrid* grid, int col, int row, bool focusGridOnEmpty,
                                     Real& value) {
  if (CellEmptyRefused(grid, col, row, focusGridOnEmpty)) return false;
  const QString text = grid->Cell(col, row);
  const auto parsed = ParseReal(TrimBlanks(text));
  if (!parsed) {
    ReportNumberEntryError(this, request_.Lang, text);
    grid->ResumeEditing(col, row);
    return false;
  }
  value = *parsed;
  return true;
}

bool ColumnEntryDialog::ReadFeedGrid() {
  if (result_.FeedNumb == 0) {
    strGrFeed_->setFocus();
    Refuse(MessageKind::Warning, std::string(kAllFieldsFilled(request_.Lang)));
    return false;
  }
  result_.FeedTrays.assign(result_.FeedNumb, 0);
  // Column by column: every tray number is read before the flows and
  // concentrations that are stored on it.
  for (int col = 1; col < strGrFeed_->columnCount(); ++col) {
    for (int stream = 0; stream < result_.FeedNumb; ++stream) {
      const int row = stream + 2;
      std::uint8_t& tray = result_.FeedTrays[static_cast<std::size_t>(stream)];
      if (col == 1) {
        if (!ReadTray(strGrFeed_, row, true, tray)) return false;
        continue;
      }
      Real value = 0;
      if (!ReadCellReal(strGrFeed_, col, row, true, value)) return false;
      if (col == 2) {
        result_.FeedCons[tray] = value;
      } else {
        result_.FeedConc[static_cast<std::size_t>(col - 3)][tray] = value;
      }
    }
  }
  return true;
}

bool ColumnEntryDialog::ReadCatchGrid() {
  if (result_.CatchNumb == 0) {
    Refuse(MessageKind::Warning, std::string(kAllFieldsFilled(request_.Lang)));
    return false;
  }
  result_.CatchTrays.assign(result_.CatchNumb, 0);
  for (int stream = 0; stream < result_.CatchNumb; ++stream) {
    if (!ReadTray(strGrCatch_, stream + 2, false,
                  result_.CatchTrays[static_cast<std::size_t>(stream)])) {
      return false;
    }
  }
  for (int stream = 0; stream < result_.CatchNumb; ++stream) {
    Real value = 0;
    if (!ReadCellReal(strGrCatch_, 2, stream + 2, false, value)) return false;
    result_.CatchCons[result_.CatchTrays[static_cast<std::size_t>(stream)]] = value;
  }
  return true;
}

}  // namespace vexilor::gui
