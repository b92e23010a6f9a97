// A UserDialog for tests: answers questions from a script given in advance
// and records every text it was shown.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/shell/user_dialog.h"

namespace vexilor::testing {

//! Thrown when the code asks a question the script did not foresee. Not a
//! std::exception, so no calculation guard swallows it.
struct ScriptMismatch {
  std::string what;
};

//! One message box that was shown.
struct ShownMessage {
  MessageKind Kind;
  ButtonSet Buttons;
  std::string Text;
};

class ScriptedDialog : public UserDialog {
 public:
  // --- the script, consumed in order ------------------------------------
  //! Answer of the next message box that has two buttons (Yes/No,
  //! Abort/Retry). Single-button boxes are answered Ok (or Yes) without a
  //! script step, unless AnswerSingleButton scripted the next one.
  ScriptedDialog& AnswerMessage(Answer answer);
  //! Answer of the next single-button message box (for instance Closed).
  ScriptedDialog& AnswerSingleButton(Answer answer);
  ScriptedDialog& AnswerMethod(int choice);
  ScriptedDialog& AnswerAlternative(int choice);
  ScriptedDialog& AnswerComponents(std::vector<bool> ticks);
  ScriptedDialog& AnswerNumber(NumberAnswer answer);
  ScriptedDialog& AnswerReal(Real value);
  ScriptedDialog& AnswerInteger(std::uint16_t value);
  ScriptedDialog& AnswerGrid(GridAnswer answer);
  ScriptedDialog& AnswerColumnData(std::optional<ColumnEntryResult> result);
  ScriptedDialog& AnswerOpenFile(std::string fileName);
  ScriptedDialog& AnswerSaveFile(std::string fileName);
  //! ProcessEvents reports a stop request from its count-th call on.
  ScriptedDialog& RequestStopAtEvent(long count);

  bool ScriptDone() const { return script_.empty(); }

  // --- what was shown -----------------------------------------------------
  std::vector<ShownMessage> Messages;
  std::vector<ChooseMethodRequest> MethodRequests;
  std::vector<AlternativesRequest> AlternativeRequests;
  std::vector<ComponentsRequest> ComponentRequests;
  std::vector<NumberRequest> NumberRequests;
  std::vector<GridRequest> GridRequests;
  std::vector<ColumnEntryRequest> ColumnRequests;
  std::vector<FileDialogRequest> OpenRequests;
  std::vector<FileDialogRequest> SaveRequests;
  std::vector<std::string> WaitLabels;
  std::vector<std::string> StatusTexts;
  std::vector<bool> ClockStates;
  std::vector<RunLamp> Lamps;
  int Beeps = 0;
  int BusyDepth = 0;  //!< busy-cursor calls on minus calls off
  long EventPumps = 0;
  int ResultsAvailableCalls = 0;
  int LocalMethodFailedCalls = 0;

  //! The texts of all messages shown, in order.
  std::vector<std::string> MessageTexts() const;

  // --- UserDialog ---------------------------------------------------------
  Answer ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) override;
  void Beep() override { ++Beeps; }
  int ChooseEquilibriumMethod(const ChooseMethodRequest& request) override;
  int ChooseAlternative(const AlternativesRequest& request) override;
  std::vector<bool> ChooseComponents(const ComponentsRequest& request) override;
  NumberAnswer AskNumber(const NumberRequest& request) override;
  GridAnswer EnterNumberGrid(const GridRequest& request) override;
  std::optional<ColumnEntryResult> EnterColumnData(const ColumnEntryRequest& request) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;
  void SetWaitLabel(const std::string& text) override { WaitLabels.push_back(text); }
  void SetStatusText(const std::string& text) override { StatusTexts.push_back(text); }
  void SetClockRunning(bool running) override { ClockStates.push_back(running); }
  void SetBusyCursor(bool busy) override { BusyDepth += busy ? 1 : -1; }
  bool ProcessEvents() override;
  void SetRunLamp(RunLamp lamp) override { Lamps.push_back(lamp); }
  void ResultsAvailable() override { ++ResultsAvailableCalls; }
  void LocalMethodFailed() override { ++LocalMethodFailedCalls; }

 private:
  enum class StepKind {
    Message,
    SingleButton,
    Method,
    Alternative,
    Components,
    Number,
    Grid,
    ColumnData,
    OpenFile,
    SaveFile
  };
  using Value = std::variant<Answer, int, std::vector<bool>, NumberAnswer, GridAnswer,
                             std::optional<ColumnEntryResult>, std::string>;
  struct Step {
    StepKind kind;
    Value value;
  };

  ScriptedDialog& Push(StepKind kind, Value value);
  //! Takes the next step, which must be of the given kind.
  Value Take(StepKind kind, const std::string& context);

  std::deque<Step> script_;
  long stopAtEvent_ = -1;
};

}  // namespace vexilor::testing
