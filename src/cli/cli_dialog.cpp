#include "cli/cli_dialog.h"

#include "engine/shell/failures.h"

namespace vexilor::cli {

namespace {

// Message texts carry Windows line breaks ("\r\n", sometimes "\n\r"); a
// terminal wants plain newlines.
std::string PlainLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

}  // namespace

void CliDialog::Print(const std::string& text) {
  std::fprintf(messages_, "vexilor-cli: %s\n", PlainLines(text).c_str());
  std::fflush(messages_);
}

void CliDialog::DecisionNeeded(const std::string& question) {
  const std::string text =
      "this step needs an answer that the command line cannot give: " + PlainLines(question);
  Print(text);
  throw ProgramTermination(text);
}

Answer CliDialog::ShowMessage(MessageKind, ButtonSet buttons, const std::string& text) {
  Print(text);
  switch (buttons) {
    case ButtonSet::Ok:
      return Answer::Ok;
    case ButtonSet::Yes:
      return Answer::Yes;
    case ButtonSet::YesNo:
      return Answer::No;
    case ButtonSet::AbortRetry:
      return Answer::Retry;
  }
  return Answer::Closed;
}

int CliDialog::ChooseEquilibriumMethod(const ChooseMethodRequest& request) {
  DecisionNeeded(request.Prompt);
}

int CliDialog::ChooseAlternative(const AlternativesRequest& request) {
  DecisionNeeded(request.Prompt);
}

std::vector<bool> CliDialog::ChooseComponents(const ComponentsRequest& request) {
  DecisionNeeded(request.Prompt);
}

NumberAnswer CliDialog::AskNumber(const NumberRequest& request) {
  DecisionNeeded(request.Prompt);
}

GridAnswer CliDialog::EnterNumberGrid(const GridRequest& request) {
  DecisionNeeded(request.Prompt);
}

std::optional<ColumnEntryResult> CliDialog::EnterColumnData(const ColumnEntryRequest&) {
  DecisionNeeded("column data entry");
}

}  // namespace vexilor::cli
