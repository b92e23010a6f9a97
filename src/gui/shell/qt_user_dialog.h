// The user dialog of the desktop program: every question, message and sign
// of progress of a calculation, shown with real widgets over the main
// window.
#pragma once

#include "engine/shell/user_dialog.h"

namespace vexilor::gui {

class AlternativesDialog;
class ComponentsDialog;
class MainWindow;
class NumberDialog;

class QtUserDialog : public UserDialog {
 public:
  //! Creates the dialogs that serve the whole program (number input,
  //! alternatives, component list), owned by the main window.
  explicit QtUserDialog(MainWindow& window);

  Answer ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) override;
  void Beep() override;
  int ChooseEquilibriumMethod(const ChooseMethodRequest& request) override;
  int ChooseAlternative(const AlternativesRequest& request) override;
  std::vector<bool> ChooseComponents(const ComponentsRequest& request) override;
  NumberAnswer AskNumber(const NumberRequest& request) override;
  GridAnswer EnterNumberGrid(const GridRequest& request) override;
  std::optional<ColumnEntryResult> EnterColumnData(const ColumnEntryRequest& request) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;
  void SetWaitLabel(const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  void SetClockRunning(bool running) override;
  void SetBusyCursor(bool busy) override;
  bool ProcessEvents() override;
  void SetRunLamp(RunLamp lamp) override;
  void ResultsAvailable() override;
  void LocalMethodFailed() override;

 private:
  MainWindow& window_;
  NumberDialog* number_;
  AlternativesDialog* alternatives_;
  ComponentsDialog* components_;
};

}  // namespace vexilor::gui
