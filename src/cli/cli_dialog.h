// The command line's UserDialog: nobody is there to answer, so every
// message goes to stderr and every question is answered by a fixed policy.
#pragma once

#include <cstdio>
#include <string>

#include "engine/shell/user_dialog.h"

namespace vexilor::cli {

//! Non-interactive user dialog. Messages are written to stderr (line breaks
//! of the texts as plain newlines). Policy: a one-button box is
//! acknowledged; a Yes/No question is answered No; Abort/Retry is answered
//! Retry (go on); file dialogs are cancelled. Questions that need a
//! person's decision (choices, numbers, grids, column data) end the program
//! with a message naming the question; commands that have a policy for them
//! derive from this class.
class CliDialog : public UserDialog {
 public:
  explicit CliDialog(std::FILE* messages = stderr) : messages_(messages) {}

  Answer ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) override;
  void Beep() override {}

  int ChooseEquilibriumMethod(const ChooseMethodRequest& request) override;
  int ChooseAlternative(const AlternativesRequest& request) override;
  std::vector<bool> ChooseComponents(const ComponentsRequest& request) override;
  NumberAnswer AskNumber(const NumberRequest& request) override;
  GridAnswer EnterNumberGrid(const GridRequest& request) override;
  std::optional<ColumnEntryResult> EnterColumnData(const ColumnEntryRequest& request) override;

  std::string OpenFileName(const FileDialogRequest&) override { return {}; }
  std::string SaveFileName(const FileDialogRequest&) override { return {}; }

  void SetWaitLabel(const std::string&) override {}
  void SetStatusText(const std::string&) override {}
  void SetClockRunning(bool) override {}
  void SetBusyCursor(bool) override {}
  bool ProcessEvents() override { return false; }
  void SetRunLamp(RunLamp) override {}
  void ResultsAvailable() override {}
  void LocalMethodFailed() override {}

 protected:
  //! Writes text as one message on the message stream.
  void Print(const std::string& text);
  //! Ends the program: a question that only a person can answer.
  [[noreturn]] void DecisionNeeded(const std::string& question);

 private:
  std::FILE* messages_;
};

}  // namespace vexilor::cli
