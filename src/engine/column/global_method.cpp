#include "engine/column/global_method.h"

#include <cmath>
#include <string>

#include "engine/column/column_equations.h"
#include "engine/column/run_texts.h"
#include "engine/numerics/gradient_minimiser.h"
#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

namespace {

constexpr const char* kRoutine = "GlobalSearch";
constexpr Real kStartAlpha = 0.2L;
constexpr std::uint16_t kStartIterationLimit = 50;
// An expansion this long means the objective has no minimum along the
// direction; it would otherwise go on for ever.
constexpr int kExpansionLimit = 10000;
constexpr std::uint16_t kProgressEvaluations = 20;
// Significant digits of the general format: prompts and progress line.
constexpr int kPromptDigits = 15;
constexpr int kProgressDigits = 10;

}  // namespace

GlobalSearch::GlobalSearch(GlobalObjective objective, int highestIndex, bool blockInFile,
                           std::uint32_t maxIterations)
    : objective_(std::move(objective)),
      count_(highestIndex + 1),
      blockInFile_(blockInFile),
      maxIterations_(maxIterations) {}

void GlobalSearch::NumGradient(const SolverVector& x, SolverVector& g) {
  NumericGradient(static_cast<std::uint8_t>(count_ - 1), objective_, x, alpha_, g);
}

Real GlobalSearch::GoldenSection(Real alpha, const SolverVector& x, const SolverVector& d,
                                 Real eps) {
  return GoldenSearch(static_cast<std::uint8_t>(count_ - 1), objective_, x, d, alpha, eps);
}

void GlobalSearch::Run(Real& c, std::uint16_t& counter, SolverVector& x, Real& fBest,
                       Real breakMeasure, Real eps) {
  counter = 0;
  fBest = objective_(x);
  alpha_ = kStartAlpha;
  status_ = kGlobalConverged;
  iterationLimit_ = kStartIterationLimit;

  SolverVector g{};
  SolverVector gNew{};
  SolverVector d{};
  NumGradient(x, g);
  Real gg = 0;
  for (int i = 0; i < count_; ++i) {
    d[i] = -g[i];
    gg += g[i] * g[i];
  }

  SolverVector trial = x;
  SolverVector expanded = x;
  SolverVector xNew = x;
  for (;;) {
    // A whole step along d first; while whole steps improve, the base
    // point moves on and the line search brackets from there.
    for (int i = 0; i < count_; ++i) trial[i] = x[i] + d[i];
    Real fTrial = objective_(trial);
    if (fTrial > fBest) {
      alpha_ = c;
    } else {
      alpha_ = 2 * c;
      for (int expansion = 0;; ++expansion) {
        if (expansion == kExpansionLimit)
          throw NumericFailure(kRoutine, "no minimum along the direction", fTrial);
        for (int i = 0; i < count_; ++i) expanded[i] = trial[i] + d[i];
        const Real fExpanded = objective_(expanded);
        if (!(fExpanded < fTrial)) break;
        x = trial;
        trial = expanded;
        fBest = fTrial;
        fTrial = fExpanded;
      }
    }
    alpha_ = GoldenSection(alpha_, x, d, eps);
    for (int i = 0; i < count_; ++i) xNew[i] = x[i] + alpha_ * d[i];
    NumGradient(xNew, gNew);
    fBest = objective_(xNew);

    ++counter;
    ++totalIterations_;
    if (counter > iterationLimit_ && SlowConvergenceDialogue(c, counter)) {
      x = xNew;
      return;
    }

    Real ggNew = 0;
    for (int i = 0; i < count_; ++i) ggNew += gNew[i] * gNew[i];
    Real beta = 0;
    if (counter % count_ != 0) {
      if (gg == 0) throw NumericFailure(kRoutine, "zero gradient in the Polak-Ribiere step", gg);
      Real product = 0;
      for (int i = 0; i < count_; ++i) product += gNew[i] * (gNew[i] - g[i]);
      beta = product / gg;
    }
    const bool converged = breakMeasure > std::fabs(fBest);
    gg = ggNew;
    for (int i = 0; i < count_; ++i) {
      d[i] = beta * d[i] - gNew[i];
      x[i] = xNew[i];
      g[i] = gNew[i];
    }
    if (converged) return;
    if (maxIterations_ != 0 && totalIterations_ >= maxIterations_) {
      status_ = kGlobalStopped;
      return;
    }
  }
}

bool GlobalSearch::SlowConvergenceDialogue(Real& c, std::uint16_t& counter) {
  using namespace run_texts;
  std::string prefix;
  if (blockInFile_) {
    Dialog().Beep();
    AlternativesRequest choice;
    choice.Caption = kParameterCaption.Get();
    choice.GroupCaption = "";
    choice.Prompt = kSlowPrompt.Get();
    choice.Alternatives = {std::string(kSlowKeep.Get()), std::string(kSlowChange.Get())};
    if (Dialog().ChooseAlternative(choice) == 0) {
      status_ = kGlobalStopped;
      return true;
    }
  } else {
    prefix = kSlowRecommendation.Get();
  }

  // The number dialog's caption stays as its previous use left it.
  NumberRequest constant;
  const std::string current = FormatGeneral(c, kPromptDigits);
  constant.Prompt = prefix + std::string(kNewConvConst.Get()) + current + ")";
  constant.ValueKind = 0;
  constant.InitialText = current;
  c = Dialog().AskNumber(constant).RealResult;

  NumberRequest limit;
  const std::string iterations = std::to_string(iterationLimit_);
  limit.Prompt = std::string(kNewIterationLimit.Get()) + iterations + ")";
  limit.ValueKind = 1;
  limit.InitialText = iterations;
  iterationLimit_ = Dialog().AskNumber(limit).IntResult;

  counter = 0;  // the next direction is the steepest descent
  return false;
}

ColumnObjective::ColumnObjective(ColumnEquations& equations, ColumnSolution& solution,
                                 ResultsText& text, int unknowns, int progressLine,
                                 const std::uint16_t& counter, const Real& fBest)
    : equations_(equations),
      solution_(solution),
      text_(text),
      unknowns_(unknowns),
      progressLine_(progressLine),
      counter_(counter),
      fBest_(fBest) {}

Real ColumnObjective::operator()(const SolverVector& u) {
  equations_.ColumnResiduals(u, residuals_);
  Real sum = 0;
  for (int i = 0; i < unknowns_; ++i) sum += residuals_[i] * residuals_[i];
  // The dephlegmator duty of the local method is the overall balance where
  // the global method stops.
  solution_.DephlHeatFixed = solution_.DephlHeat;
  if (++evaluationCounter_ == kProgressEvaluations) {
    const std::string root = FormatGeneral(std::sqrt(fBest_), kProgressDigits);
    const std::string counter = std::to_string(counter_);
    text_.DeleteAt(progressLine_);
    text_.Append(Lang == 1
                     ? " number of iterations " + counter + "; mean-square discrepancy " + root
                     : " число итераций " + counter + "; среднеквадратичная невязка " + root);
    evaluationCounter_ = 0;
  }
  return CheckFinite(sum / unknowns_, "ColumnObjective", "mean square of the residuals");
}

}  // namespace vexilor
