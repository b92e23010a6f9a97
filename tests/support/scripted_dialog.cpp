#include "support/scripted_dialog.h"

#include <gtest/gtest.h>

namespace vexilor::testing {

ScriptedDialog& ScriptedDialog::Push(StepKind kind, Value value) {
  script_.push_back(Step{kind, std::move(value)});
  return *this;
}

ScriptedDialog& ScriptedDialog::AnswerMessage(Answer answer) {
  return Push(StepKind::Message, answer);
}
ScriptedDialog& ScriptedDialog::AnswerSingleButton(Answer answer) {
  return Push(StepKind::SingleButton, answer);
}
ScriptedDialog& ScriptedDialog::AnswerMethod(int choice) {
  return Push(StepKind::Method, choice);
}
ScriptedDialog& ScriptedDialog::AnswerAlternative(int choice) {
  return Push(StepKind::Alternative, choice);
}
ScriptedDialog& ScriptedDialog::AnswerComponents(std::vector<bool> ticks) {
  return Push(StepKind::Components, std::move(ticks));
}
ScriptedDialog& ScriptedDialog::AnswerNumber(NumberAnswer answer) {
  return Push(StepKind::Number, answer);
}
ScriptedDialog& ScriptedDialog::AnswerReal(Real value) {
  return AnswerNumber(NumberAnswer{value, 0});
}
ScriptedDialog& ScriptedDialog::AnswerInteger(std::uint16_t value) {
  return AnswerNumber(NumberAnswer{0, value});
}
ScriptedDialog& ScriptedDialog::AnswerGrid(GridAnswer answer) {
  return Push(StepKind::Grid, std::move(answer));
}
ScriptedDialog& ScriptedDialog::AnswerColumnData(std::optional<ColumnEntryResult> result) {
  return Push(StepKind::ColumnData, std::move(result));
}
ScriptedDialog& ScriptedDialog::AnswerOpenFile(std::string fileName) {
  return Push(StepKind::OpenFile, std::move(fileName));
}
ScriptedDialog& ScriptedDialog::AnswerSaveFile(std::string fileName) {
  return Push(StepKind::SaveFile, std::move(fileName));
}
ScriptedDialog& ScriptedDialog::RequestStopAtEvent(long count) {
  stopAtEvent_ = count;
  return *this;
}

ScriptedDialog::Value ScriptedDialog::Take(StepKind kind, const std::string& context) {
  if (script_.empty() || script_.front().kind != kind) {
    const std::string what = "unscripted question: " + context;
    ADD_FAILURE() << what;
    throw ScriptMismatch{what};
  }
  Value value = std::move(script_.front().value);
  script_.pop_front();
  return value;
}

std::vector<std::string> ScriptedDialog::MessageTexts() const {
  std::vector<std::string> texts;
  for (const auto& message : Messages) texts.push_back(message.Text);
  return texts;
}

Answer ScriptedDialog::ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) {
  Messages.push_back(ShownMessage{kind, buttons, text});
  const bool singleButton = buttons == ButtonSet::Ok || buttons == ButtonSet::Yes;
  if (singleButton) {
    if (!script_.empty() && script_.front().kind == StepKind::SingleButton) {
      return std::get<Answer>(Take(StepKind::SingleButton, text));
    }
    return buttons == ButtonSet::Ok ? Answer::Ok : Answer::Yes;
  }
  return std::get<Answer>(Take(StepKind::Message, text));
}

int ScriptedDialog::ChooseEquilibriumMethod(const ChooseMethodRequest& request) {
  MethodRequests.push_back(request);
  return std::get<int>(Take(StepKind::Method, request.Prompt));
}

int ScriptedDialog::ChooseAlternative(const AlternativesRequest& request) {
  AlternativeRequests.push_back(request);
  return std::get<int>(Take(StepKind::Alternative, request.Prompt));
}

std::vector<bool> ScriptedDialog::ChooseComponents(const ComponentsRequest& request) {
  ComponentRequests.push_back(request);
  return std::get<std::vector<bool>>(Take(StepKind::Components, request.Prompt));
}

NumberAnswer ScriptedDialog::AskNumber(const NumberRequest& request) {
  NumberRequests.push_back(request);
  return std::get<NumberAnswer>(Take(StepKind::Number, request.Prompt));
}

GridAnswer ScriptedDialog::EnterNumberGrid(const GridRequest& request) {
  GridRequests.push_back(request);
  return std::get<GridAnswer>(Take(StepKind::Grid, request.Prompt));
}

std::optional<ColumnEntryResult> ScriptedDialog::EnterColumnData(
    const ColumnEntryRequest& request) {
  ColumnRequests.push_back(request);
  return std::get<std::optional<ColumnEntryResult>>(
      Take(StepKind::ColumnData, "column data entry"));
}

std::string ScriptedDialog::OpenFileName(const FileDialogRequest& request) {
  OpenRequests.push_back(request);
  return std::get<std::string>(Take(StepKind::OpenFile, request.Title));
}

std::string ScriptedDialog::SaveFileName(const FileDialogRequest& request) {
  SaveRequests.push_back(request);
  return std::get<std::string>(Take(StepKind::SaveFile, request.Title));
}

bool ScriptedDialog::ProcessEvents() {
  ++EventPumps;
  return stopAtEvent_ >= 0 && EventPumps >= stopAtEvent_;
}

}  // namespace vexilor::testing
