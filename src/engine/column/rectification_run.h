// One rectification run, the work of the Run button: obtain the equilibrium
// data (load a VLE data file, or estimate the parameters and save them), the
// column problem (keyboard entry or the data block in the file), solve the
// column by the global and then the local method, and write the results
// text. Every question goes through Dialog(); the report goes into text.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/results/finished_run.h"

namespace vexilor {

class ResultsText;

//! Limits for front ends without a person to ask (0: no limit).
struct RunOptions {
  //! Iterations after which the global method stops as if the user had
  //! chosen to keep the approximation.
  std::uint32_t MaxGlobalIterations = 0;
  //! Newton iterations after which the local method counts as failed.
  std::uint16_t MaxNewtonIterations = 0;
};

enum class RunEnding {
  Precise,      //!< the local method converged: results shown and handed over
  Approximate,  //!< the local method failed; the approximate solution was shown
  Ended,        //!< the run ended early after a message (or failed)
  Stopped,      //!< the user asked to stop
};

struct RunResult {
  RunEnding Ending = RunEnding::Ended;
  //! The values shown, for Precise and Approximate. Only a Precise run's
  //! copy is for the result commands (pictures, reports, the database).
  std::optional<FinishedRun> Solution;
  //! The solution shown has a negative flow or a fraction outside 0..1.
  bool PhysicallyImpossible = false;
  std::uint32_t GlobalIterations = 0;
  std::uint16_t NewtonIterations = 0;
  long Evaluations = 0;  //!< residual evaluations of both methods
};

//! Runs one rectification calculation. The results text is appended to,
//! never cleared. store receives the finished run when the user agrees to
//! keep it (nullptr: nothing is stored). A run that must end early shows
//! why and returns; only program-ending conditions leave as
//! ProgramTermination.
RunResult RunRectification(ResultsText& text, ResultsStore* store, const RunOptions& options = {});

}  // namespace vexilor
