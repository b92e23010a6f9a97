// What a rectification run holds from its first question to its end, shared
// by the set-up, the solution and the output.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/column/column_equations.h"
#include "engine/column/column_problem.h"
#include "engine/column/global_method.h"
#include "engine/column/rectification_run.h"
#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {

//! Where the column problem of a run came from.
inline constexpr char kFromKeyboard = '1';
inline constexpr char kFromFile = '2';

struct RunState {
  RunState(ResultsText& text, ResultsStore* store, const RunOptions& options)
      : Text(text), Store(store), Options(options) {}

  ResultsText& Text;
  ResultsStore* Store;
  RunOptions Options;

  std::string StartFolder;      //!< working folder when the run began
  std::string DataFile;         //!< the VLE data file of the run
  std::string ModelName;        //!< "Wilson", "NRTL", "UNIQUAC" or "UNIFAC"
  std::uint16_t SlotCount = 0;  //!< slots of the file's VLE section
  char DataSource = kFromKeyboard;
  //! The data file holds this problem's block (read from it or written in
  //! this run); only then does the run write into the file.
  bool BlockInFile = false;

  ColumnProblem Problem;
  ColumnSolution Solution;
  HeatTerms Heat;
  //! Flow scale of entered data, SteamFlow + total feed: the scale of the
  //! initial approximation.
  Real EntryFlowScale = 0;
  std::vector<std::string> Names;  //!< the components, VLE order, language of the run
  std::vector<Real> MolarMasses;
  std::unique_ptr<TVLEObj> Model;
  std::unique_ptr<ColumnEquations> Equations;

  char GlobalStatus = kGlobalConverged;
  RunResult Result;
};

//! Ends the run: thrown after the user has been told why; the run then
//! returns with what it has.
struct RunEnded {};

//! Shows the message and ends the run.
[[noreturn]] void EndRun(MessageKind kind, ButtonSet buttons, const std::string& text);

//! Shows the busy cursor, the wait label and the elapsed time of a solution
//! stage for its lifetime, also on the exception path.
class SolutionStage {
 public:
  //! global: the global method's framing (events let through at the start,
  //! the wait label kept at the end); otherwise the local method's (the
  //! wait label cleared and events let through at the end).
  SolutionStage(const TextPair& waitText, const TextPair& statusText, bool global);
  ~SolutionStage();
  SolutionStage(const SolutionStage&) = delete;
  SolutionStage& operator=(const SolutionStage&) = delete;

 private:
  bool global_;
};

//! The estimation path of the set-up: the user ticks the components, the
//! parameters are estimated, saved as a new VLE data file chosen by the
//! user and loaded back from it.
void EstimateAndSave(RunState& run);

//! The set-up of a run: equilibrium data, the column problem, the heat
//! terms, the solution fields, the model and the equations, and for entered
//! data the initial approximation and the question to write the block.
void SetUpRun(RunState& run);

//! The solution and output: the global and the local method, the results
//! text, the result commands and the database question.
void SolveColumn(RunState& run);

//! The local method on the approximation the global method left; returns
//! whether Newton's method converged. On failure the convergence dialogue
//! has run (and shown the approximate solution when asked).
bool RunLocalMethod(RunState& run, const std::string& resultsHeader);

//! Evaluates the residuals once at Approx in Phase 0 and appends the
//! approximate solution: its title with the results header, the stage rows
//! and the heat load frozen by the global method.
void ShowApproximateSolution(RunState& run, const std::string& resultsHeader);

//! A copy of the run's problem and solution for the result commands.
FinishedRun MakeFinishedRun(const RunState& run);

//! Checks the solution shown for physically impossible values; appends the
//! warning to the results text and shows it. Returns whether it warned.
bool WarnIfPhysicallyImpossible(RunState& run);

}  // namespace vexilor
