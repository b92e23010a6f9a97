#include "gui/shell/qt_user_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

#include "gui/dialogs/alternatives_dialog.h"
#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/components_dialog.h"
#include "gui/dialogs/file_dialogs.h"
#include "gui/dialogs/grid_dialog.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/method_dialog.h"
#include "gui/dialogs/number_dialog.h"
#include "gui/dialogs/text_conversion.h"
#include "gui/shell/main_window.h"

namespace vexilor::gui {

namespace {

// A question asked while the calculation shows the busy cursor gets the
// normal pointer for as long as it is open.
class ModalQuestion {
 public:
  explicit ModalQuestion(const MainWindow& window) : lifted_(window.Busy()) {
    if (lifted_) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
  }
  ~ModalQuestion() {
    if (lifted_) QGuiApplication::restoreOverrideCursor();
  }
  ModalQuestion(const ModalQuestion&) = delete;
  ModalQuestion& operator=(const ModalQuestion&) = delete;

 private:
  bool lifted_;
};

}  // namespace

QtUserDialog::QtUserDialog(MainWindow& window)
    : window_(window),
      number_(new NumberDialog(&window)),
      alternatives_(new AlternativesDialog(&window)),
      components_(new ComponentsDialog(&window)) {}

Answer QtUserDialog::ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) {
  ModalQuestion question(window_);
  return ShowMessageBox(&window_, kind, buttons, text);
}

void QtUserDialog::Beep() {
  QApplication::beep();
}

int QtUserDialog::ChooseEquilibriumMethod(const ChooseMethodRequest& request) {
  ModalQuestion question(window_);
  MethodDialog dialog(&window_);
  dialog.Prepare(request);
  dialog.exec();
  return dialog.Choice();
}

int QtUserDialog::ChooseAlternative(const AlternativesRequest& request) {
  ModalQuestion question(window_);
  alternatives_->Prepare(request);
  alternatives_->exec();
  return alternatives_->Choice();
}

std::vector<bool> QtUserDialog::ChooseComponents(const ComponentsRequest& request) {
  ModalQuestion question(window_);
  components_->Prepare(request);
  components_->exec();
  return components_->Ticks();
}

NumberAnswer QtUserDialog::AskNumber(const NumberRequest& request) {
  ModalQuestion question(window_);
  number_->Prepare(request);
  number_->exec();
  return number_->Results();
}

GridAnswer QtUserDialog::EnterNumberGrid(const GridRequest& request) {
  ModalQuestion question(window_);
  GridDialog dialog(request.BaseHeight, request.FixedCols, request.FixedRows, &window_);
  dialog.Prepare(request);
  dialog.exec();
  return dialog.Results();
}

std::optional<ColumnEntryResult> QtUserDialog::EnterColumnData(const ColumnEntryRequest& request) {
  ModalQuestion question(window_);
  ColumnEntryDialog dialog(&window_);
  dialog.Prepare(request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Result();
}

std::string QtUserDialog::OpenFileName(const FileDialogRequest& request) {
  ModalQuestion question(window_);
  return FromQt(AskOpenFileName(&window_, request));
}

std::string QtUserDialog::SaveFileName(const FileDialogRequest& request) {
  ModalQuestion question(window_);
  return FromQt(AskSaveFileName(&window_, request));
}

void QtUserDialog::SetWaitLabel(const std::string& text) {
  window_.SetWaitText(text);
}

void QtUserDialog::SetStatusText(const std::string& text) {
  window_.SetStageText(text);
}

void QtUserDialog::SetClockRunning(bool running) {
  window_.SetClockRunning(running);
}

void QtUserDialog::SetBusyCursor(bool busy) {
  window_.SetBusy(busy);
}

bool QtUserDialog::ProcessEvents() {
  QCoreApplication::processEvents();
  return window_.StopRequested();
}

void QtUserDialog::SetRunLamp(RunLamp lamp) {
  window_.SetRunLamp(lamp);
}

void QtUserDialog::ResultsAvailable() {
  window_.ShowResultsAvailable();
}

void QtUserDialog::LocalMethodFailed() {
  window_.LockAfterLocalFailure();
}

}  // namespace vexilor::gui
