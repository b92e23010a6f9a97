#include "engine/column/rectification_run.h"

#include "engine/column/run_state.h"
#include "engine/column/run_texts.h"
#include "engine/shell/failures.h"

namespace vexilor {

RunResult RunRectification(ResultsText& text, ResultsStore* store, const RunOptions& options) {
  RunState run(text, store, options);
  try {
    SetUpRun(run);
    SolveColumn(run);
  } catch (const RunEnded&) {
    // The user has been told why.
  } catch (const RunStopped&) {
    run.Result.Ending = RunEnding::Stopped;
    Dialog().SetRunLamp(RunLamp::Off);
    Dialog().ShowMessage(MessageKind::Information, ButtonSet::Ok,
                         std::string(run_texts::kStoppedByUser.Get()));
  } catch (const std::exception& error) {
    // A fault outside the methods' own guards (the initial approximation,
    // a file that cannot be written) ends the run, not the program.
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok,
                         std::string(run_texts::kRunError.Get()) + error.what());
  }
  if (run.Result.Ending != RunEnding::Precise && run.Result.Ending != RunEnding::Approximate)
    run.Result.Solution.reset();
  if (run.Equations) run.Result.Evaluations = run.Equations->Evaluations();
  return run.Result;
}

}  // namespace vexilor
