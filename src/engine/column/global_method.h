// The globally converging method: Newton's method converges only from a
// good starting point, so the run first minimises the mean square of the
// column residuals by nonlinear conjugate gradients (Polak-Ribiere with
// periodic restart), with a numerical gradient, an expanding trial step and
// a golden-section line search.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/shell/real.h"

namespace vexilor {

class ColumnEquations;
struct ColumnSolution;
class ResultsText;

//! The function the global method minimises.
using GlobalObjective = std::function<Real(const SolverVector& x)>;

//! How the global method ended: '1' by its stop criterion, '0' when it was
//! stopped to keep the approximation (or, set by the run, when it failed).
inline constexpr char kGlobalConverged = '1';
inline constexpr char kGlobalStopped = '0';

class GlobalSearch {
 public:
  //! highestIndex: the last unknown (N_u - 1). blockInFile: whether the
  //! slow-convergence dialogue may offer to keep the approximation in the
  //! data file. maxIterations: iterations after which the method stops as
  //! if the user had chosen to keep the approximation (0: no limit).
  GlobalSearch(GlobalObjective objective, int highestIndex, bool blockInFile,
               std::uint32_t maxIterations = 0);

  //! Minimises the objective from x, updated in place. c: convergence
  //! constant, bounds the line search (the user may change it). counter:
  //! iterations since the start or the last slow-convergence dialogue.
  //! fBest: the objective at the current point. Stops after the iteration
  //! in which breakMeasure > |fBest|, or when the user chooses to keep the
  //! approximation. Exceptions of the objective pass on.
  void Run(Real& c, std::uint16_t& counter, SolverVector& x, Real& fBest, Real breakMeasure,
           Real eps);

  //! Minimises f(x + t d) over t in [0, alpha] by golden sections until
  //! (b - a) * (sum d_i^2)^2 <= eps; returns the middle of the last interval
  //! (the minimiser's GoldenSearch, points 0.381966 and 0.618034).
  Real GoldenSection(Real alpha, const SolverVector& x, const SolverVector& d, Real eps);

  //! Central-difference gradient with the step alpha / 100 (the
  //! minimiser's NumericGradient).
  void NumGradient(const SolverVector& x, SolverVector& g);

  char GlobalStatus() const { return status_; }
  //! Iterations of all calls, dialogues or not.
  std::uint32_t TotalIterations() const { return totalIterations_; }
  //! The step of the last line search (0.2 before the first).
  Real Alpha() const { return alpha_; }

 private:
  //! The slow-convergence dialogue; returns true when the user chose to
  //! keep the approximation.
  bool SlowConvergenceDialogue(Real& c, std::uint16_t& counter);

  GlobalObjective objective_;
  int count_;  // number of unknowns
  bool blockInFile_;
  std::uint32_t maxIterations_;
  std::uint32_t totalIterations_ = 0;
  std::uint16_t iterationLimit_ = 50;
  Real alpha_ = 0.2L;
  char status_ = kGlobalConverged;
};

//! The objective of the column: the mean square of the scaled residuals.
//! Every evaluation freezes the overall enthalpy balance into
//! DephlHeatFixed, and every 20th replaces the progress line of the results
//! text with the iteration counter and the root of fBest.
class ColumnObjective {
 public:
  //! progressLine: the line the progress line takes (the first after the
  //! start header); counter and fBest: the global method's, read for the
  //! progress line.
  ColumnObjective(ColumnEquations& equations, ColumnSolution& solution, ResultsText& text,
                  int unknowns, int progressLine, const std::uint16_t& counter, const Real& fBest);

  Real operator()(const SolverVector& u);

 private:
  ColumnEquations& equations_;
  ColumnSolution& solution_;
  ResultsText& text_;
  int unknowns_;
  int progressLine_;
  const std::uint16_t& counter_;
  const Real& fBest_;
  std::uint16_t evaluationCounter_ = 0;
  SolverVector residuals_{};
};

}  // namespace vexilor
