// The locally converging method: Newton's method on the column equations
// from the point the global method reached, with the discrepancy table in
// the results text, and the convergence dialogue when it fails.
#include "engine/column/column_block.h"
#include "engine/column/results_report.h"
#include "engine/column/run_state.h"
#include "engine/column/run_texts.h"
#include "engine/numerics/newton_solver.h"
#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/results_text.h"

namespace vexilor {

namespace {

using namespace run_texts;

constexpr Real kNewtonTolerance = 1e-9L;
constexpr int kPromptDigits = 15;

std::string Text(const TextPair& pair) {
  return std::string(pair.Get());
}

// The user may tighten the break measure for the next attempt; a data file
// holding the block keeps it.
void AskNewBreakMeasure(RunState& run) {
  ColumnProblem& p = run.Problem;
  NumberRequest request;
  request.Caption = Text(kParameterCaption);
  const std::string current = FormatGeneral(p.BreakMeasure, kPromptDigits);
  request.Prompt = Text(kNewBreakMeasure) + current + ")";
  request.ValueKind = 0;
  request.InitialText = current;
  p.BreakMeasure = Dialog().AskNumber(request).RealResult;
  if (!run.BlockInFile) return;
  try {
    RewriteBreakMeasure(run.DataFile, run.SlotCount, p);
  } catch (const ColumnFileError& error) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
  }
}

// After a failed Newton's method: explain, offer a new break measure or the
// restart advice, then offer the approximate solution the global method
// left in the data file.
void ConvergenceDialogue(RunState& run, const std::string& resultsHeader) {
  Dialog().LocalMethodFailed();
  if (run.GlobalStatus == kGlobalConverged) {
    Dialog().Beep();
    AlternativesRequest choice;
    choice.Caption = Text(kParameterCaption);
    choice.GroupCaption = "";
    choice.Prompt = Text(kLocalFailedPrompt);
    choice.Alternatives = {Text(kChangeBreakMeasure), Text(kLeaveProgram)};
    if (Dialog().ChooseAlternative(choice) == 0) AskNewBreakMeasure(run);
  } else {
    Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, Text(kRestartAdvice));
  }

  if (Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, Text(kViewApproximate)) !=
      Answer::Yes)
    return;
  // Only a block of this problem holds its approximation; whatever else the
  // file holds behind the VLE data belongs to another problem.
  if (!run.BlockInFile) EndRun(MessageKind::Error, ButtonSet::Ok, LoadFailureMessage(run.DataFile));
  try {
    ReadApproximation(run.DataFile, run.SlotCount, run.Problem);
  } catch (const ColumnFileError& error) {
    EndRun(MessageKind::Error, ButtonSet::Ok, error.what());
  }
  ShowApproximateSolution(run, resultsHeader);
}

}  // namespace

bool RunLocalMethod(RunState& run, const std::string& resultsHeader) {
  ColumnProblem& p = run.Problem;
  ColumnEquations& equations = *run.Equations;
  run.Text.Append(LocalTableHeader(p.ComponentCount()));
  equations.SetDiscrepancyBase(run.Text.Count());
  run.Solution.Phase = 1;

  bool converged = false;
  {
    SolutionStage stage(kLocalWait, kLocalStatus, false);
    std::uint16_t counter = 0;
    const std::uint16_t limit = run.Options.MaxNewtonIterations;
    SolverVector residuals{};
    const ResidualProc residual = [&](const SolverVector& x, SolverVector& F) {
      if (limit != 0 && counter >= limit)
        throw NumericFailure("NewtonSolve", "no convergence within the iteration limit", counter);
      equations.ColumnResiduals(x, F);
    };
    try {
      NewtonSolve(static_cast<std::uint16_t>(p.UnknownCount() - 1), p.Approx, residuals, counter,
                  residual, kNewtonTolerance);
      converged = true;
    } catch (const std::exception&) {
      converged = false;
    }
    run.Result.NewtonIterations = counter;
  }
  if (!converged) ConvergenceDialogue(run, resultsHeader);
  return converged;
}

}  // namespace vexilor
