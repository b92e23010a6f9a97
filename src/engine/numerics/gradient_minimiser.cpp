#include "engine/numerics/gradient_minimiser.h"

#include <cmath>
#include <stdexcept>

#include "engine/shell/failures.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

namespace {

constexpr const char* kRoutine = "GradientMinimize";
constexpr Real kInitialStep = 0.1L;
constexpr Real kGoldenShort = 0.381966L;
constexpr Real kGoldenLong = 0.618034L;

//! Number of parameters for the highest index n; the vectors hold 66.
std::size_t OrderOf(std::uint8_t n) {
  if (n >= kSolverSize)
    throw std::invalid_argument("GradientMinimize: the highest index must lie in 0..65");
  return std::size_t{n} + 1;
}

//! f(p), unless the objective faulted on the way to it.
Real Evaluate(const ObjectiveProc& objective, const SolverVector& p) {
  return CheckFinite(objective(p), kRoutine, "non-finite objective value");
}

//! to[0..n] = from[0..n] + step * d[0..n].
void MoveAlong(std::size_t order, const SolverVector& from, Real step, const SolverVector& d,
               SolverVector& to) {
  for (std::size_t i = 0; i < order; ++i) {
    to[i] = CheckFinite(from[i] + step * d[i], kRoutine, "overflow in a trial point");
  }
}

Real SumOfSquares(std::size_t order, const SolverVector& v) {
  Real sum = 0;
  for (std::size_t i = 0; i < order; ++i) sum += v[i] * v[i];
  return CheckFinite(sum, kRoutine, "overflow in a sum of squares");
}

//! Finds how far along d to search: [0, 1] when the whole step x + d
//! already rises, otherwise x is moved forward by whole steps d while the
//! objective decreases (fval following) and the search covers [0, 2],
//! which then holds the lowest point x + d.
Real Bracket(std::size_t order, const ObjectiveProc& objective, const SolverVector& d,
             SolverVector& x, Real& fval) {
  SolverVector x1 = x;
  MoveAlong(order, x, 1, d, x1);
  Real f1 = Evaluate(objective, x1);
  if (f1 > fval) return 1;

  SolverVector next = x1;
  for (;;) {
    MoveAlong(order, x1, 1, d, next);
    if (!(Evaluate(objective, next) < f1)) return 2;
    x = x1;
    fval = f1;
    MoveAlong(order, x1, 1, d, x1);
    f1 = Evaluate(objective, x1);
  }
}

//! Asks the user whether to go on once the iterations pass the limit.
void CheckSlowConvergence(std::uint16_t& counter) {
  if (counter <= kSlowGradientIterations) return;
  const Answer answer =
      Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::AbortRetry, kSlowGradientText);
  if (answer == Answer::Abort) throw ProgramTermination(kSlowGradientText);
  counter = 0;
}

}  // namespace

void NumericGradient(std::uint8_t n, const ObjectiveProc& objective, const SolverVector& x, Real L,
                     SolverVector& g) {
  const std::size_t order = OrderOf(n);
  const Real h = L / 100;
  if (h == 0) throw NumericFailure(kRoutine, "zero difference step", h);
  SolverVector point = x;
  for (std::size_t i = 0; i < order; ++i) {
    point[i] = CheckFinite(x[i] + h, kRoutine, "overflow in a difference point");
    const Real plus = Evaluate(objective, point);
    point[i] = CheckFinite(x[i] - h, kRoutine, "overflow in a difference point");
    const Real minus = Evaluate(objective, point);
    point[i] = x[i];
    g[i] = CheckFinite((plus - minus) / (2 * h), kRoutine, "non-finite gradient component");
  }
}

Real GoldenSearch(std::uint8_t n, const ObjectiveProc& objective, const SolverVector& x0,
                  const SolverVector& d, Real L, Real eps) {
  const std::size_t order = OrderOf(n);
  SolverVector point = x0;
  const auto phi = [&](Real lambda) {
    MoveAlong(order, x0, lambda, d, point);
    return Evaluate(objective, point);
  };

  Real a = 0;
  Real b = L;
  Real lambda1 = kGoldenShort * b;
  Real lambda2 = kGoldenLong * b;
  const Real lengthSquared = SumOfSquares(order, d);
  const Real D = CheckFinite(lengthSquared * lengthSquared, kRoutine, "overflow in (sum d^2)^2");
  Real phi2 = phi(lambda2);
  Real phi1 = phi(lambda1);

  // Exact golden sections would be far below the smallest real after this
  // many steps; a search still running has an interval that stopped
  // shrinking in rounding, and would cycle for ever.
  long steps = 0;
  while (eps < CheckFinite((b - a) * D, kRoutine, "overflow in the search width")) {
    if (++steps > kGoldenStepLimit) {
      throw NumericFailure(kRoutine, "golden-section search stopped narrowing", b - a);
    }
    if (phi1 <= phi2) {
      b = lambda2;
      lambda2 = lambda1;
      phi2 = phi1;
      lambda1 = b - kGoldenLong * (b - a);
      phi1 = phi(lambda1);
    } else {
      a = lambda1;
      lambda1 = lambda2;
      phi1 = phi2;
      lambda2 = a + kGoldenLong * (b - a);
      phi2 = phi(lambda2);
    }
  }
  return (a + b) / 2;
}

void GradientMinimize(std::uint8_t n, std::uint16_t& counter, Real& fval,
                      const ObjectiveProc& objective, SolverVector& x, Real eps) {
  const std::size_t order = OrderOf(n);

  SolverVector g{};
  SolverVector gNew{};
  SolverVector d{};
  SolverVector xNew = x;

  counter = 0;
  fval = Evaluate(objective, x);
  Real L = kInitialStep;
  NumericGradient(n, objective, x, L, g);
  Real S = SumOfSquares(order, g);
  for (std::size_t i = 0; i < order; ++i) d[i] = -g[i];

  for (;;) {
    L = GoldenSearch(n, objective, x, d, Bracket(order, objective, d, x, fval), eps);
    MoveAlong(order, x, L, d, xNew);
    Real stepSquared = 0;
    for (std::size_t i = 0; i < order; ++i) stepSquared += (xNew[i] - x[i]) * (xNew[i] - x[i]);
    const Real stepLength = std::sqrt(CheckFinite(stepSquared, kRoutine, "overflow in the step"));

    NumericGradient(n, objective, xNew, L, gNew);
    fval = Evaluate(objective, xNew);

    ++counter;
    CheckSlowConvergence(counter);

    // Polak-Ribiere: the new direction keeps the part of the old one that
    // is conjugate to the change of the gradient. Every n + 1 iterations it
    // starts again from steepest descent; so it does when the old gradient
    // vanished, as there is then nothing to be conjugate to.
    const Real SNew = SumOfSquares(order, gNew);
    Real beta = 0;
    if (counter % order != 0 && S != 0) {
      Real numerator = 0;
      for (std::size_t i = 0; i < order; ++i) numerator += (gNew[i] - g[i]) * gNew[i];
      beta = CheckFinite(numerator / S, kRoutine, "overflow in the conjugation factor");
    }
    for (std::size_t i = 0; i < order; ++i) {
      d[i] = CheckFinite(beta * d[i] - gNew[i], kRoutine, "overflow in the search direction");
    }
    x = xNew;
    g = gNew;
    S = SNew;
    if (stepLength <= eps) return;
  }
}

}  // namespace vexilor
