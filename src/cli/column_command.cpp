// vexilor-cli column: one rectification run of a column described on the
// command line (or stored in the data file's column block), with the model
// of a VLE data file. The run is the very one of the Run button; its
// questions are answered from the options.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_dialog.h"
#include "cli/column_dialog.h"
#include "cli/column_options.h"
#include "cli/column_output.h"
#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/input_values.h"
#include "engine/column/rectification_run.h"
#include "engine/shell/results_text.h"

namespace vexilor::cli {

namespace {

// The results text as the terminal shows it.
void PrintText(const LineList& text) {
  for (const std::string& line : text.Lines()) std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// Files of a run that has a solution to show; returns false when one of
// them could not be written.
bool WriteOutputs(const ColumnOptions& options, const RunResult& result, const LineList& text) {
  bool written = true;
  auto report = [&written](const std::optional<std::string>& failure) {
    if (!failure) return;
    std::fprintf(stderr, "vexilor-cli: %s\n", failure->c_str());
    written = false;
  };
  if (!options.TextFile.empty()) report(WriteResultsFile(options.TextFile, text.Lines()));
  if (!options.JsonFile.empty()) report(WriteWholeFile(options.JsonFile, ColumnJson(result)));
  const bool precise = result.Ending == RunEnding::Precise;
  if (!precise && !(options.ReportFile.empty() && options.PictureFile.empty())) {
    std::fprintf(stderr, "vexilor-cli: no report or pictures: the run has no precise solution\n");
    return false;
  }
  if (!options.ReportFile.empty()) report(WriteReport(*result.Solution, options.ReportFile));
  if (!options.PictureFile.empty()) report(WritePictures(*result.Solution, options.PictureFile));
  return written;
}

int RunColumn(const ColumnOptions& options) {
  SetLanguage(options.Language);
  if (!options.FromFile && !ProblemGiven(options)) {
    std::fprintf(stderr,
                 "vexilor-cli: column: give the problem (--trays, --units, --heating, --steam, "
                 "--steam-pressure, --pressure, --feed, --takeoff) or --from-file\n");
    return kExitUsage;
  }
  const ColumnPolicy policy = PolicyOf(options);
  ColumnDialog dialog(policy);
  DialogScope scope(dialog);
  DatabaseFileStore store(options.StoreFile);
  LineList text;
  const RunResult result =
      RunRectification(text, policy.Store ? &store : nullptr, LimitsOf(options));
  PrintText(text);

  if (dialog.BadInput()) return kExitBadInput;
  switch (result.Ending) {
    case RunEnding::Precise:
      if (!WriteOutputs(options, result, text) || store.Failed()) return kExitBadInput;
      return result.PhysicallyImpossible ? kExitNoConvergence : kExitSuccess;
    case RunEnding::Approximate:
      WriteOutputs(options, result, text);
      return kExitNoConvergence;
    case RunEnding::Ended:
      return dialog.CalculationFailed() ? kExitNoConvergence : kExitBadInput;
    case RunEnding::Stopped:
      break;
  }
  return kExitNoConvergence;
}

}  // namespace

void AddColumnCommand(CLI::App& app, CommandAction& selected) {
  auto options = std::make_shared<ColumnOptions>();
  auto* command = app.add_subcommand(
      "column",
      "Rectification column: temperatures, flows and compositions of every stage and the heat "
      "load on the dephlegmator, with the model of a VLE data file");
  AddColumnOptions(*command, *options);
  command->callback([options, &selected] { selected = [options] { return RunColumn(*options); }; });
}

}  // namespace vexilor::cli
