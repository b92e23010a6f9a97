// The entry over the command line: the problem options of the column
// command.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/column_dialog.h"
#include "cli/column_options.h"
#include "cli/exit_codes.h"
#include "cli/input_values.h"
#include "engine/column/column_problem.h"
#include "fuzz/fuzz_entries.h"
#include "fuzz/harness.h"

namespace vexilor::fuzz {

namespace {

// The arguments of the input, one a line, behind the program name.
std::vector<std::string> Arguments(std::string_view text) {
  std::vector<std::string> arguments = {"column"};
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    arguments.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

// What the checks of the options let through must be safe to take over
// into a column problem as the run does: every stream on a stage of the
// column and the tray count within the solver.
void CheckAcceptedEntry(const cli::ProblemOptions& problem, int components) {
  const ColumnEntryResult entry = cli::EntryFromOptions(problem, components);
  Require(entry.TotalNumb >= 1 && entry.TotalNumb <= MaxTrayCount(components),
          "tray count within the solver");
  const int stages = entry.TotalNumb + 2;
  for (const std::uint8_t tray : entry.FeedTrays) Require(tray < stages, "feed on the column");
  for (const std::uint8_t tray : entry.CatchTrays) Require(tray < stages, "takeoff on the column");
  Require(entry.FeedCons.size() == static_cast<std::size_t>(stages), "feed flows per stage");
  Require(entry.FeedConc.size() == static_cast<std::size_t>(components), "feed percentages");
  ColumnProblem taken;
  taken.Allocate(entry.TotalNumb, components);
  for (const std::uint8_t tray : entry.FeedTrays) {
    Real sum = 0;
    for (int k = 0; k + 1 < components; ++k) sum += entry.FeedConc[k][tray] / 100;
    taken.FeedComp[components - 1][tray] = 1 - sum;
    Require(taken.FeedComp[components - 1][tray] >= -1e-9L, "the last fraction is the rest");
  }
}

}  // namespace

int ParseColumnOptionsEntry(const std::uint8_t* data, std::size_t size) {
  Harness::Get();
  const std::vector<std::string> arguments =
      Arguments(std::string_view(reinterpret_cast<const char*>(data), size));
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());

  CLI::App command("column");
  cli::ColumnOptions options;
  cli::AddColumnOptions(command, options);
  try {
    cli::ParseCommandLine(command, static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::Error&) {
    return 0;  // a usage error, reported by CLI11
  }
  if (!options.FromFile && !cli::ProblemGiven(options)) return 0;
  cli::ColumnPolicy policy;
  try {
    policy = cli::PolicyOf(options);
  } catch (const cli::BadInput&) {
    return 0;
  }
  const RunOptions limits = cli::LimitsOf(options);
  Require(limits.MaxGlobalIterations >= 1 && limits.MaxNewtonIterations >= 1,
          "iteration limits of at least one");
  if (policy.FromFile) return 0;
  for (int components = 2; components <= 4; ++components) {
    for (const bool waterPresent : {true, false}) {
      if (!cli::ProblemOptionsFault(policy.Problem, components, waterPresent))
        CheckAcceptedEntry(policy.Problem, components);
    }
  }
  return 0;
}

}  // namespace vexilor::fuzz
