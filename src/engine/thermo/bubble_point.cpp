// Equilibrium of a liquid and its vapour by the modified Raoult law,
//   y_i P = gamma_i x_i Psat_i(tau),
// at the bubble point (x given) and at the dew point (y given).
#include "engine/thermo/bubble_point.h"

#include <cmath>
#include <string>

#include "engine/numerics/matrix_inversion.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/bubble_search.h"
#include "engine/thermo/numeric_checks.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {

namespace {

// Pa per mm Hg, as the whole program converts.
constexpr Real kPascalPerMmHg = 133.3L;
// Starts of the dew-point unknown: tau = 1.3 (82 C), or 40 mm Hg in Pa.
constexpr Real kDewStartTemperature = 1.3L;
constexpr Real kDewStartPressure = 5332;
// Start of every difference step base of the Newton iteration.
constexpr Real kNewtonStepBase = 0.1L;

bool FindsTemperature(char what) {
  return what == 'T' || what == 't';
}

bool FindsPressure(char what) {
  return what == 'P' || what == 'p';
}

using DewVector = ComponentVector;

// Newton's method on n + 1 unknowns u[0..n] with a Jacobian by central
// differences, as the column solver does it, on five-entry vectors:
// each unknown's difference step is a tenth of its step base, which follows
// the unknown's corrections down to the tolerance; the iteration stops when
// sqrt(sum du^2 / n) < tolerance. The inversion runs under a guard: an
// arithmetic fault inside it is reported and the step goes on with the
// matrix as the inversion left it, while a singular matrix ends the program.
template <class Residual>
void DewNewton(int n, DewVector& u, Residual&& residual) {
  DewVector stepBase{};
  DewVector du{};
  for (int i = 0; i <= n; ++i) stepBase[i] = du[i] = kNewtonStepBase;
  Matrix_ jacobian(n + 1, std::vector<Real>(n + 1));
  DewVector F{};
  DewVector plus{};
  DewVector minus{};
  DewVector fPlus{};
  DewVector fMinus{};
  for (int iteration = 0; iteration < kDewIterationLimit; ++iteration) {
    for (int i = 0; i <= n; ++i) {
      if (std::fabs(du[i]) < std::fabs(stepBase[i])) {
        stepBase[i] = std::fabs(du[i]) < kEquilibriumTolerance ? kEquilibriumTolerance : du[i];
      }
    }
    residual(u, F);
    for (int i = 0; i <= n; ++i) {
      const Real h = stepBase[i] / 10;
      plus = u;
      minus = u;
      plus[i] = u[i] + h;
      minus[i] = u[i] - h;
      residual(plus, fPlus);
      residual(minus, fMinus);
      for (int k = 0; k <= n; ++k) jacobian[k][i] = (fPlus[k] - fMinus[k]) / (2 * h);
    }
    try {
      InvertMatrix(static_cast<std::uint16_t>(n), jacobian, kSingularPivot);
    } catch (const NumericFailure&) {
      Dialog().ShowMessage(MessageKind::Error, ButtonSet::YesNo, "Ошибка при обращении матрицы");
    }
    const DewVector previous = u;
    for (int k = 0; k <= n; ++k) {
      Real correction = 0;
      for (int c = 0; c <= n; ++c) correction += jacobian[k][c] * F[c];
      u[k] = u[k] - correction;
    }
    Real sumSquares = 0;
    for (int k = 0; k <= n; ++k) {
      du[k] = u[k] - previous[k];
      sumSquares += du[k] * du[k];
    }
    const Real measure = RequireFinite(std::sqrt(sumSquares / n), "DewPoint", "correction");
    if (measure < kEquilibriumTolerance) return;
  }
  throw NumericFailure("DewPoint", "no convergence within the iteration limit", u[n]);
}

}  // namespace

void TVLEObj::BubblePoint(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                          const ComponentVector& x, ComponentVector& gamma, ComponentVector& y) {
  if (!findTemperature) {
    Lo *= kPascalPerMmHg;
    Hi *= kPascalPerMmHg;
  }
  BubbleSearch(findTemperature, Lo, Hi, tau, P, x, gamma, y);
}

void TVLEObj::BubbleSearch(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                           const ComponentVector& x, ComponentVector& gamma, ComponentVector& y) {
  SearchBubble(findTemperature, Lo, Hi, tau, P, x, gamma, y,
               [this](const ComponentVector& liquid, ComponentVector& coefficients, Real t) {
                 ActivityCoefficients(liquid, coefficients, t);
               });
}

void TVLEObj::DewResidual(bool findTemperature, const ComponentVector& y, const ComponentVector& u,
                          Real& tau, Real& P, ComponentVector& gamma, ComponentVector& residual) {
  const int n = N();
  (findTemperature ? tau : P) = u[n];
  ComponentVector liquid{};
  for (int i = 0; i < n; ++i) liquid[i] = u[i];
  PrepareComposition(liquid);
  ActivityCoefficients(liquid, gamma, tau);
  Real sum = 0;
  for (int i = 0; i < n; ++i) {
    const Real denominator =
        RequireDivisor(VapourPressureOf(i, tau) * gamma[i], "DewResidual", "Psat gamma");
    residual[i] = RequireFinite(u[i] - P * y[i] / denominator, "DewResidual", "residual");
    sum += u[i];
  }
  residual[n] = 1 - sum;
}

void TVLEObj::DewPoint(bool findTemperature, Real& tau, Real& P, ComponentVector& x,
                       ComponentVector& gamma, const ComponentVector& y) {
  const int n = N();
  ComponentVector u{};
  for (int i = 0; i < n; ++i) u[i] = y[i];
  u[n] = findTemperature ? kDewStartTemperature : kDewStartPressure;
  DewNewton(n, u, [&](const ComponentVector& unknowns, ComponentVector& residual) {
    DewResidual(findTemperature, y, unknowns, tau, P, gamma, residual);
  });
  x = u;
  (findTemperature ? tau : P) = u[n];
}

void TVLEObj::Equilibrium(char what, char mode, Real Lo, Real Hi, Real& tau, Real& P,
                          ComponentVector& x, ComponentVector& gamma, ComponentVector& y) {
  const bool bubble = mode == 'Y' || mode == 'y';
  const bool dew = mode == 'X' || mode == 'x';
  if (!bubble && !dew) return;
  if (!FindsTemperature(what) && !FindsPressure(what)) {
    // Neither variable would be searched: say so, and fail rather than
    // return values that were never computed.
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok,
                         std::string("Ошибочный символ \"") + what + "\"");
    throw NumericFailure("Equilibrium", std::string("unknown variable '") + what + "'", 0);
  }
  if (bubble) {
    BubblePoint(FindsTemperature(what), Lo, Hi, tau, P, x, gamma, y);
  } else {
    DewPoint(FindsTemperature(what), tau, P, x, gamma, y);
  }
}

}  // namespace vexilor
