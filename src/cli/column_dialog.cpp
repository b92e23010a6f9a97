#include "cli/column_dialog.h"

#include <cstdlib>

#include "engine/column/column_problem.h"
#include "engine/column/run_texts.h"
#include "engine/shell/format.h"

namespace vexilor::cli {

namespace {

using namespace run_texts;

bool Is(const std::string& text, const TextPair& pair) {
  return text == pair.Get();
}

bool Contains(const std::string& text, const TextPair& pair) {
  return text.find(pair.Get()) != std::string::npos;
}

// The value the question shows as current: keeping it keeps the constant.
Real CurrentReal(const NumberRequest& request) {
  return std::strtold(request.InitialText.c_str(), nullptr);
}

std::uint16_t CurrentInteger(const NumberRequest& request) {
  return static_cast<std::uint16_t>(std::strtoul(request.InitialText.c_str(), nullptr, 10));
}

}  // namespace

Answer ColumnDialog::ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) {
  if (buttons == ButtonSet::YesNo) {
    bool yes = false;
    if (Is(text, kLoadOrEstimate)) yes = true;
    if (Is(text, kWriteBlock)) yes = policy_.WriteBlock;
    if (Is(text, kViewApproximate)) yes = policy_.Approximate;
    if (Is(text, kStoreQuestion)) yes = policy_.Store;
    return yes ? Answer::Yes : Answer::No;
  }
  if (Is(text, kInputOfInitialData)) {
    // The file holds no column data block: with --from-file there is
    // nothing to calculate; otherwise the problem options follow.
    if (!policy_.FromFile) return Answer::Ok;
    badInput_ = true;
    Print(policy_.FileName + ": the file holds no column data block to use with --from-file");
    return Answer::Closed;
  }
  if (text.starts_with(kRunError.Get())) runError_ = true;
  if (kind == MessageKind::Confirmation)
    return buttons == ButtonSet::Yes ? Answer::Yes : Answer::Ok;
  return CliDialog::ShowMessage(kind, buttons, text);
}

int ColumnDialog::ChooseAlternative(const AlternativesRequest& request) {
  const std::string& prompt = request.Prompt;
  if (Is(prompt, kSourcePrompt)) return policy_.FromFile ? 1 : 0;
  if (Is(prompt, kUnitsPrompt)) return policy_.Problem.Molar ? 1 : 0;
  if (Is(prompt, kInitialPrompt)) return policy_.InitAsFeed ? 1 : 0;
  if (Is(prompt, kSlowPrompt)) return 1;         // keep the constants and go on
  if (Is(prompt, kLocalFailedPrompt)) return 1;  // no new break measure
  return CliDialog::ChooseAlternative(request);
}

NumberAnswer ColumnDialog::AskNumber(const NumberRequest& request) {
  NumberAnswer answer;
  if (Is(request.Prompt, kPressurePrompt)) {
    answer.RealResult = policy_.Problem.PressureMmHg;
    return answer;
  }
  if (Contains(request.Prompt, kNewConvConst)) {
    answer.RealResult = CurrentReal(request);
    return answer;
  }
  if (Contains(request.Prompt, kNewIterationLimit)) {
    answer.IntResult = CurrentInteger(request);
    return answer;
  }
  return CliDialog::AskNumber(request);
}

std::optional<ColumnEntryResult> ColumnDialog::EnterColumnData(const ColumnEntryRequest& request) {
  const auto fault =
      ProblemOptionsFault(policy_.Problem, request.CompCount, request.HeatingKind == 'l');
  if (fault) {
    badInput_ = true;
    Print(*fault);
    return std::nullopt;
  }
  return EntryFromOptions(policy_.Problem, request.CompCount);
}

ColumnEntryResult EntryFromOptions(const ProblemOptions& problem, int components) {
  ColumnEntryResult entry;
  entry.HeatingKind = problem.LiveSteam ? 'l' : 'd';
  entry.SteamCons = problem.SteamKgPerHour;
  entry.SteamPress = problem.SteamPressure;
  entry.TotalNumb = problem.Trays;
  entry.FeedNumb = static_cast<std::uint16_t>(problem.Feeds.size());
  entry.CatchNumb = static_cast<std::uint16_t>(problem.Takeoffs.size());
  const std::size_t stages = std::size_t{problem.Trays} + 2;
  entry.FeedCons.assign(stages, 0);
  entry.CatchCons.assign(stages, 0);
  entry.FeedConc.assign(static_cast<std::size_t>(components), std::vector<Real>(stages, 0));
  for (const FeedOption& feed : problem.Feeds) {
    entry.FeedTrays.push_back(feed.Tray);
    if (feed.Tray >= stages) continue;  // refused by the checks
    entry.FeedCons[feed.Tray] = feed.FlowPerHour;
    for (std::size_t k = 0; k < feed.Percent.size() && k < entry.FeedConc.size(); ++k)
      entry.FeedConc[k][feed.Tray] = feed.Percent[k];
  }
  for (const TakeoffOption& takeoff : problem.Takeoffs) {
    entry.CatchTrays.push_back(takeoff.Tray);
    if (takeoff.Tray < stages) entry.CatchCons[takeoff.Tray] = takeoff.FlowPerHour;
  }
  return entry;
}

std::optional<std::string> ProblemOptionsFault(const ProblemOptions& problem, int components,
                                               bool liveSteamPossible) {
  for (const FeedOption& feed : problem.Feeds) {
    if (static_cast<int>(feed.Percent.size()) != components - 1) {
      return Format(
          "--feed %u: give the percentages of the first %d components of the data file "
          "(%zu given)",
          feed.Tray, components - 1, feed.Percent.size());
    }
  }
  if (problem.LiveSteam && !liveSteamPossible)
    return std::string("--heating live needs water among the components of the data file");
  return ColumnEntryProblem(EntryFromOptions(problem, components), components);
}

}  // namespace vexilor::cli
