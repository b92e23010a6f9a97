#include "engine/estimation/fitting.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/estimation/unifac_groups.h"
#include "engine/numerics/gradient_minimiser.h"
#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

FitCounters FitProgress;

namespace {

constexpr Real kZeroCelsius = 273.15L;
constexpr Real kUnifacStart = 0.1L;
constexpr Real kNrtlTolerance = 1e-6L;
constexpr Real kTolerance = 1e-5L;
// Significant digits of the error in the report line.
constexpr int kErrorDigits = 10;

// An activity coefficient where the arithmetic overflowed, divided by zero
// or took an invalid operation is a floating-point fault of the fit.
Real Checked(Real gamma, const char* objective) {
  return CheckFinite(gamma, objective, "activity coefficient is not finite");
}

Real Square(Real value) {
  return value * value;
}

// Writes the report line under the pair heading, replacing the previous
// one of the same pair, so the heading keeps a single progress line.
void WriteReportLine(const PairFit& fit) {
  if (fit.Text == nullptr) return;
  const std::string error =
      FormatGeneral(std::sqrt(FitProgress.CurrentValue / fit.N), kErrorDigits);
  const std::string iterations = std::to_string(FitProgress.Iterations);
  const std::string line =
      Lang == 1
          ? " Number of iterations " + iterations + "; " + " root-mean-square error for system " +
                fit.SystemName + ":  E = " + error
          : " Число итераций " + iterations + "; " +
                " среднеквадратичная погрешность для системы " + fit.SystemName + ":  E = " + error;
  ResultsText& text = *fit.Text;
  text.InsertAt(fit.ProgressLine, line);
  if (fit.ProgressLine + 1 < text.Count()) text.DeleteAt(fit.ProgressLine + 1);
}

}  // namespace

void LoadPairPoints(PairFit& fit, const Pro& first, const Pro& second) {
  fit.N = EquilWork.NPts;
  fit.P = EquilWork.P;
  fit.WilsonInit = EquilWork.WilsonInit;
  fit.UniquacInit = EquilWork.UniquacInit;
  fit.NrtlInit = EquilWork.NrtlInit;
  fit.LastValid = false;
  for (std::size_t n = 0; n < fit.N; ++n) {
    fit.Tau[n] = EquilWork.Tau[n];
    fit.X1[n] = EquilWork.X[n];
    fit.Y1[n] = EquilWork.Y[n];
    const Real celsius = (fit.Tau[n] - 1) * kZeroCelsius;
    fit.VK[n] = MolarVolume(first, celsius);
    fit.VKK[n] = MolarVolume(second, celsius);
    fit.PsK[n] = VapourPressure(first, fit.Tau[n]);
    fit.VolumeRatio[n] = fit.VKK[n] / fit.VK[n];
    fit.InverseVolumeRatio[n] = fit.VK[n] / fit.VKK[n];
  }
}

void PrepareUniquacPoints(PairFit& fit) {
  const Real r1 = fit.r1, q1 = fit.q1, r2 = fit.r2, q2 = fit.q2;
  // z/2 = 5: l_i = 5 (r_i - q_i) - r_i + 1.
  const Real l1 = 5 * (r1 - q1) - r1 + 1;
  const Real l2 = 5 * (r2 - q2) - r2 + 1;
  fit.LastValid = false;
  for (std::size_t n = 0; n < fit.N; ++n) {
    const Real x1 = fit.X1[n];
    const Real x2 = 1 - x1;
    const Real sumR = r1 * x1 + r2 * x2;
    const Real sumQ = q1 * x1 + q2 * x2;
    fit.Theta1[n] = q1 * x1 / sumQ;
    fit.Theta2[n] = q2 * x2 / sumQ;
    fit.Combinatorial[n] = r1 / sumR * std::pow(q1 / r1 * sumR / sumQ, 5 * q1);
    fit.CombinatorialExponent[n] = r2 * x2 / sumR * (l1 - r1 * l2 / r2);
  }
}

void PrepareUnifacPoints(PairFit& fit) {
  const UnifacPair& pair = *fit.Unifac;
  const std::array<Real, 2> q{fit.q1, fit.q2};
  const std::array<Real, 2> r{fit.r1, fit.r2};
  fit.LastValid = false;
  for (std::size_t n = 0; n < fit.N; ++n) {
    const std::array<Real, 2> x{fit.X1[n], 1 - fit.X1[n]};
    CombinatorialFactors(2, q, r, x, fit.CombFactors[n]);
    MixtureGroupFractions(2, pair.Groups.G, pair.Groups.Numbers, pair.Groups.Letters, pair.Blocks,
                          x, fit.GroupFractions[n]);
  }
}

Real SumSquaredDeviation(PairFit& fit) {
  Real S = 0;
  for (std::size_t n = 0; n < fit.N; ++n)
    S += Square(fit.Y1[n] - fit.Gamma1[n] * fit.X1[n] * fit.PsK[n] / fit.P);
  ++FitProgress.Total;
  if (++FitProgress.Evaluations < kReportEvaluations) return S;
  WriteReportLine(fit);
  FitProgress.Evaluations = 0;
  return S;
}

namespace {

// The frame every objective shares: prepare(), then gamma1 of every point
// by the model, unless the parameters repeat those of the last evaluation,
// whose results are then all still in place; then the sum of squares,
// which also counts the evaluation for the report.
template <typename Model, typename Prepare>
Real Evaluate(PairFit& fit, FitModel kind, const SolverVector& p, int count, Model model,
              Prepare prepare) {
  const auto end = p.begin() + count;
  if (!fit.LastValid || fit.LastModel != kind ||
      !std::equal(p.begin(), end, fit.LastParameters.begin())) {
    fit.LastValid = false;
    prepare();
    for (std::size_t n = 0; n < fit.N; ++n) {
      fit.X2[n] = 1 - fit.X1[n];
      fit.Gamma1[n] = model(n);
    }
    std::copy(p.begin(), end, fit.LastParameters.begin());
    fit.LastModel = kind;
    fit.LastValid = true;
  }
  return SumSquaredDeviation(fit);
}

template <typename Model>
Real Evaluate(PairFit& fit, FitModel kind, const SolverVector& p, int count, Model model) {
  return Evaluate(fit, kind, p, count, model, [] {});
}

}  // namespace

Real WilsonObjective(PairFit& fit, const SolverVector& p) {
  return Evaluate(fit, FitModel::Wilson, p, 2, [&](std::size_t n) {
    const Real x1 = fit.X1[n];
    const Real x2 = fit.X2[n];
    const Real tau = fit.Tau[n];
    const Real L12 = fit.VolumeRatio[n] * std::exp(-p[0] / tau);
    const Real L21 = fit.InverseVolumeRatio[n] * std::exp(-p[1] / tau);
    const Real S1 = x1 + L12 * x2;
    return Checked(std::exp(x2 * (L12 / S1 - L21 / (L21 * x1 + x2))) / S1, "WilsonObjective");
  });
}

Real NrtlObjective(PairFit& fit, const SolverVector& p) {
  const Real alpha = p[2];
  return Evaluate(fit, FitModel::Nrtl, p, 3, [&](std::size_t n) {
    const Real x1 = fit.X1[n];
    const Real x2 = fit.X2[n];
    const Real tau = fit.Tau[n];
    const Real t12 = p[0] / tau;
    const Real t21 = p[1] / tau;
    const Real G12 = fit.VolumeRatio[n] * std::exp(-alpha * t12);
    const Real G21 = fit.InverseVolumeRatio[n] * std::exp(-alpha * t21);
    return Checked(
        std::exp(x2 * x2 *
                 (t21 * Square(G21 / (x1 + G21 * x2)) + G12 * t12 / Square(G12 * x1 + x2))),
        "NrtlObjective");
  });
}

Real UniquacObjective(PairFit& fit, const SolverVector& p) {
  const Real q1 = fit.q1;
  return Evaluate(fit, FitModel::Uniquac, p, 2, [&](std::size_t n) {
    const Real tau = fit.Tau[n];
    const Real t12 = std::exp(-p[0] / tau);
    const Real t21 = std::exp(-p[1] / tau);
    const Real theta1 = fit.Theta1[n];
    const Real theta2 = fit.Theta2[n];
    const Real exponent =
        fit.CombinatorialExponent[n] +
        q1 * theta2 * (t21 / (theta1 + theta2 * t21) - t12 / (theta1 * t12 + theta2));
    return Checked(fit.Combinatorial[n] * std::exp(exponent) / std::pow(theta1 + theta2 * t21, q1),
                   "UniquacObjective");
  });
}

Real UnifacObjective(PairFit& fit, const SolverVector& p) {
  UnifacPair& pair = *fit.Unifac;
  const MixtureGroups& list = pair.Groups;
  const UnifacGroups groups{2,      pair.Blocks, list.G, list.Numbers, list.Letters,
                            list.Q, &pair.Matrix};
  // The trial parameters go into the group tables, and from there into the
  // pair's matrix and each component's own.
  const auto storeParameters = [&] {
    ForEachGroupParameter(list, [&](int l, int n, int position) {
      StoreGroupParameter(list, l, n, p[static_cast<std::size_t>(position)]);
    });
    FillGroupMatrix(list.G, list.Numbers, list.Letters, pair.Matrix);
    for (GroupBlock& block : pair.Blocks) FillOwnGroupMatrix(block);
  };
  std::array<Real, 2> gamma{};
  return Evaluate(
      fit, FitModel::Unifac, p, GroupParameterCount(list),
      [&](std::size_t n) {
        UnifacCoefficients(groups, fit.GroupFractions[n], fit.CombFactors[n], fit.Tau[n], gamma);
        return Checked(gamma[0], "UnifacObjective");
      },
      storeParameters);
}

int FitParameterCount(FitModel model, const PairFit& fit) {
  switch (model) {
    case FitModel::Wilson:
    case FitModel::Uniquac:
      return 2;
    case FitModel::Nrtl:
      return 3;
    case FitModel::Unifac:
      return GroupParameterCount(fit.Unifac->Groups);
  }
  return 0;
}

SolverVector FitPair(FitModel model, PairFit& fit) {
  const int count = FitParameterCount(model, fit);
  if (count > static_cast<int>(kSolverSize)) {
    throw std::length_error("the pair " + fit.SystemName + " has " + std::to_string(count) +
                            " UNIFAC group parameters; no more than " +
                            std::to_string(kSolverSize) + " can be fitted");
  }
  fit.LastValid = false;
  SolverVector x{};
  ObjectiveProc objective;
  Real tolerance = kTolerance;
  switch (model) {
    case FitModel::Wilson:
      std::copy(fit.WilsonInit.begin(), fit.WilsonInit.end(), x.begin());
      objective = [&fit](const SolverVector& p) { return WilsonObjective(fit, p); };
      break;
    case FitModel::Nrtl:
      std::copy(fit.NrtlInit.begin(), fit.NrtlInit.end(), x.begin());
      objective = [&fit](const SolverVector& p) { return NrtlObjective(fit, p); };
      tolerance = kNrtlTolerance;
      break;
    case FitModel::Uniquac:
      PrepareUniquacPoints(fit);
      std::copy(fit.UniquacInit.begin(), fit.UniquacInit.end(), x.begin());
      objective = [&fit](const SolverVector& p) { return UniquacObjective(fit, p); };
      break;
    case FitModel::Unifac:
      PrepareUnifacPoints(fit);
      std::fill_n(x.begin(), count, kUnifacStart);
      objective = [&fit](const SolverVector& p) { return UnifacObjective(fit, p); };
      break;
  }
  if (count == 0) return x;  // nothing to fit: the groups have no partner

  BusyCursor busy;
  GradientMinimize(static_cast<std::uint8_t>(count - 1), FitProgress.Iterations,
                   FitProgress.CurrentValue, objective, x, tolerance);
  return x;
}

}  // namespace vexilor
