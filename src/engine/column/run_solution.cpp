// The solution and output of a rectification run: the global method with
// its framing, the local method, the results text of the precise solution,
// the result commands and the database question.
#include <filesystem>
#include <system_error>

#include "engine/column/column_block.h"
#include "engine/column/physical_check.h"
#include "engine/column/results_report.h"
#include "engine/column/run_state.h"
#include "engine/column/run_texts.h"
#include "engine/shell/failures.h"
#include "engine/shell/results_text.h"

namespace vexilor {

namespace {

using namespace run_texts;

// Tolerance of both methods.
constexpr Real kMethodTolerance = 1e-9L;

std::string Text(const TextPair& pair) {
  return std::string(pair.Get());
}

// The global method from the entered or stored approximation. A failure
// is reported and the run goes on from the point reached.
void RunGlobalMethod(RunState& run) {
  ColumnProblem& p = run.Problem;
  const int unknowns = p.UnknownCount();
  run.Solution.Phase = 0;
  std::uint16_t counter = 0;
  Real fBest = 0;
  ColumnObjective objective(*run.Equations, run.Solution, run.Text, unknowns, run.Text.Count(),
                            counter, fBest);
  GlobalSearch search([&objective](const SolverVector& x) { return objective(x); }, unknowns - 1,
                      run.BlockInFile, run.Options.MaxGlobalIterations);

  bool failed = false;
  std::string keepFailure;
  {
    SolutionStage stage(kGlobalWait, kGlobalStatus, true);
    try {
      search.Run(p.ConvConst, counter, p.Approx, fBest, p.BreakMeasure, kMethodTolerance);
      run.GlobalStatus = search.GlobalStatus();
    } catch (const std::exception&) {
      failed = true;
    }
    run.Result.GlobalIterations = search.TotalIterations();
    // Kept in the file, a stopped calculation can continue from here.
    if (!failed && run.BlockInFile) {
      try {
        RewriteControlConstants(run.DataFile, run.SlotCount, p);
      } catch (const ColumnFileError& error) {
        keepFailure = error.what();
      }
    }
  }
  if (failed) {
    run.GlobalStatus = kGlobalStopped;
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Yes, Text(kGlobalError));
  }
  if (!keepFailure.empty()) EndRun(MessageKind::Error, ButtonSet::Ok, keepFailure);
}

void AppendSolution(RunState& run, const std::string& title, Real flowFactor) {
  run.Text.Append(title);
  for (int j = 0; j < run.Problem.StageCount(); ++j)
    run.Text.Append(StageRow(j, run.Solution, flowFactor));
  run.Text.Append(HeatLoadLine(run.Solution.DephlHeatFixed));
}

}  // namespace

SolutionStage::SolutionStage(const TextPair& waitText, const TextPair& statusText, bool global)
    : global_(global) {
  Dialog().SetWaitLabel(std::string(waitText.Get()));
  Dialog().SetStatusText(std::string(statusText.Get()));
  if (global_ && Dialog().ProcessEvents()) throw RunStopped();
  Dialog().SetBusyCursor(true);
  Dialog().SetClockRunning(true);
}

SolutionStage::~SolutionStage() {
  Dialog().SetClockRunning(false);
  Dialog().SetStatusText("");
  if (!global_) {
    Dialog().SetWaitLabel("");
    // A stop asked for now comes too late to matter.
    static_cast<void>(Dialog().ProcessEvents());
  }
  Dialog().SetBusyCursor(false);
}

FinishedRun MakeFinishedRun(const RunState& run) {
  const ColumnProblem& p = run.Problem;
  const ColumnSolution& s = run.Solution;
  FinishedRun finished;
  finished.Lang = Lang;
  finished.TrayCount = p.TrayCount;
  finished.UnitsKind = p.UnitsKind;
  finished.HeatingKind = p.HeatingKind;
  finished.SteamFlow = p.SteamFlow;
  finished.SteamPressure = p.SteamPressure;
  finished.ColumnPressure = p.ColumnPressure;
  finished.TrayEfficiency = kTrayEfficiency;
  finished.DephlHeatFixed = s.DephlHeatFixed;
  finished.ModelName = run.ModelName;
  std::error_code error;
  const auto path = std::filesystem::absolute(run.DataFile, error);
  finished.VleFilePath = error ? run.DataFile : path.string();
  finished.CompNames = run.Names;
  finished.MolMass = run.MolarMasses;
  const ReportUnits units = UnitsOf(p.UnitsKind);
  finished.FlowUnit = units.FlowUnit;
  finished.ConcUnit = units.ConcUnit;
  finished.FeedTrays = p.FeedTrays;
  finished.CatchTrays = p.CatchTrays;
  finished.FeedFlow = p.FeedFlow;
  finished.CatchFlow = p.CatchFlow;
  finished.FeedComp = p.FeedComp;
  finished.Temp = s.Temp;
  finished.LiqFlow = s.LiqFlow;
  finished.VapFlow = s.VapFlow;
  finished.LiqConc = s.LiqConc;
  finished.VapConc = s.VapConc;
  return finished;
}

bool WarnIfPhysicallyImpossible(RunState& run) {
  const Infeasibility found = FindInfeasibility(run.Solution);
  if (!found.Any()) return false;
  const std::string warning = InfeasibilityWarning(found);
  run.Text.Append(warning);
  Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok, warning);
  run.Result.PhysicallyImpossible = true;
  return true;
}

void ShowApproximateSolution(RunState& run, const std::string& resultsHeader) {
  run.Solution.Phase = 0;
  SolverVector residuals{};
  try {
    run.Equations->ColumnResiduals(run.Problem.Approx, residuals);
  } catch (const std::exception& error) {
    EndRun(MessageKind::Error, ButtonSet::Ok, Text(kApproximateFailed) + error.what());
  }
  AppendSolution(run, ApproximateTitle(resultsHeader), UnitsOf(run.Problem.UnitsKind).FlowFactor);
  WarnIfPhysicallyImpossible(run);
  run.Result.Solution = MakeFinishedRun(run);
  run.Result.Ending = RunEnding::Approximate;
}

void SolveColumn(RunState& run) {
  ColumnProblem& p = run.Problem;
  if (!p.DeadSteam()) run.Heat.HeatInput[0] = run.Heat.Qs;

  run.Text.Append(StartHeader(p.TrayCount));
  RunGlobalMethod(run);

  const ReportUnits units = UnitsOf(p.UnitsKind);
  const std::string header = ResultsHeader(p, run.ModelName, run.Names);
  if (!RunLocalMethod(run, header)) return;

  // Stage order, for keyboard and file data alike.
  p.RebuildTrayLists();
  AppendSolution(run, PreciseTitle(header), units.FlowFactor);
  run.Text.Append(FeedTakeoffTable(p, run.Names, units));
  WarnIfPhysicallyImpossible(run);
  run.Result.Solution = MakeFinishedRun(run);
  run.Result.Ending = RunEnding::Precise;

  Dialog().ResultsAvailable();
  if (Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, Text(kStoreQuestion)) ==
          Answer::Yes &&
      run.Store != nullptr) {
    try {
      run.Store->StoreCalculation(*run.Result.Solution);
    } catch (const std::exception& error) {
      Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
    }
  }
  Dialog().SetRunLamp(RunLamp::Done);
}

}  // namespace vexilor
