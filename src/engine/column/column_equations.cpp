#include "engine/column/column_equations.h"

#include <cmath>

#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

namespace {

constexpr const char* kStageRoutine = "StageEquilibrium";
constexpr const char* kResidualRoutine = "ColumnResiduals";
constexpr Real kZeroCelsius = 273.15L;
// Bracket of the bubble search's quadratic start, reduced temperatures
// (2.7 C and 54.6 C).
constexpr Real kBubbleLo = 1.01L;
constexpr Real kBubbleHi = 1.2L;
// The dephlegmator's vapour is mostly the vapour from the top tray; a
// small share comes to equilibrium with its liquid.
constexpr Real kDephlegmatorCarryOver = 0.995L;
constexpr Real kDephlegmatorEquilibrium = 0.005L;
// A feed below this flow brings no enthalpy.
constexpr Real kFeedThreshold = 1e-6L;

Real Divide(Real numerator, Real denominator, const char* routine, const char* what) {
  if (denominator == 0) throw NumericFailure(routine, what, numerator);
  return CheckFinite(numerator / denominator, routine, what);
}

}  // namespace

void ColumnSolution::Allocate(int stages, int components) {
  const auto count = static_cast<std::size_t>(stages);
  Temp.assign(count, 0);
  LiqFlow.assign(count, 0);
  VapFlow.assign(count, 0);
  LiqConc.assign(static_cast<std::size_t>(components), std::vector<Real>(count, 0));
  VapConc.assign(static_cast<std::size_t>(components), std::vector<Real>(count, 0));
}

ColumnEquations::ColumnEquations(const ColumnProblem& problem, ColumnSolution& solution,
                                 TVLEObj& model, std::span<const std::string> names,
                                 std::span<const Real> molarMasses, const HeatTerms& heat,
                                 ResultsText& text)
    : problem_(problem),
      solution_(solution),
      model_(model),
      heat_(heat),
      text_(text),
      n_(problem.ComponentCount()),
      lastStage_(problem.TrayCount + 1),
      enthalpies_(static_cast<std::size_t>(problem.StageCount())),
      bubbleMemo_(static_cast<std::size_t>(problem.StageCount())) {
  for (int i = 0; i < n_; ++i) {
    records_[i] = &FindComponent(names[i]);
    molarMass_[i] = molarMasses[i];
  }
  water_ = &FindComponent(heat.WaterName);
}

void ColumnEquations::BubblePoint(int j, const ComponentVector& x, Real& tau, ComponentVector& y) {
  BubbleMemo& memo = bubbleMemo_[static_cast<std::size_t>(j)];
  bool same = memo.Valid;
  for (int i = 0; same && i < n_; ++i)
    same = memo.X[i] == x[i] && std::signbit(memo.X[i]) == std::signbit(x[i]);
  if (same) {
    tau = memo.Tau;
    y = memo.Y;
    return;
  }
  memo.Valid = false;
  ComponentVector liquid = x;
  ComponentVector gamma{};
  Real pressure = problem_.ColumnPressure;
  model_.Equilibrium('T', 'y', kBubbleLo, kBubbleHi, tau, pressure, liquid, gamma, y);
  memo = BubbleMemo{true, x, tau, y};
}

void ColumnEquations::Enthalpies(int component, Real t, Real& liquid, Real& vapour) {
  const Pro& record = *records_[component];
  InterpolateBoth(record.TempPts, record.EnthL, record.EnthV, t, enthalpySegments_[component],
                  liquid, vapour);
}

StageEnthalpies ColumnEquations::StageEquilibrium(int j) {
  const bool massUnits = problem_.UnitsKind != 2;
  auto& liquid = solution_.LiqConc;
  auto& vapour = solution_.VapConc;

  // The models work in mole fractions.
  ComponentVector x{};
  if (massUnits) {
    Real moles = 0;
    for (int i = 0; i < n_; ++i) {
      x[i] = liquid[i][j] / molarMass_[i];
      moles += x[i];
    }
    for (int i = 0; i < n_; ++i) x[i] = Divide(x[i], moles, kStageRoutine, "liquid of no moles");
  } else {
    for (int i = 0; i < n_; ++i) x[i] = liquid[i][j];
  }

  ComponentVector y{};
  BubblePoint(j, x, solution_.Temp[j], y);

  if (massUnits) {
    Real mass = 0;
    for (int i = 0; i < n_; ++i) {
      y[i] = y[i] * molarMass_[i];
      mass += y[i];
    }
    for (int i = 0; i < n_; ++i) y[i] = Divide(y[i], mass, kStageRoutine, "vapour of no mass");
  }

  for (int i = 0; i < n_; ++i) {
    if (j == 0) {
      vapour[i][0] = y[i];
    } else if (j == lastStage_) {
      vapour[i][j] = kDephlegmatorCarryOver * vapour[i][j - 1] + kDephlegmatorEquilibrium * y[i];
    } else {
      vapour[i][j] = vapour[i][j - 1] + kTrayEfficiency * (y[i] - vapour[i][j - 1]);
    }
  }

  // The feed enters as liquid at the stage temperature.
  const Real t = (solution_.Temp[j] - 1) * kZeroCelsius;
  ComponentVector hl;
  ComponentVector hv;
  for (int i = 0; i < n_; ++i) Enthalpies(i, t, hl[i], hv[i]);
  StageEnthalpies h;
  for (int i = 0; i < n_; ++i) h.HV += vapour[i][j] * hv[i];
  const bool feed = problem_.FeedFlow[j] > kFeedThreshold;
  for (int i = 0; i < n_; ++i) {
    h.HL += liquid[i][j] * hl[i];
    if (feed) h.HF += problem_.FeedComp[i][j] * hl[i];
  }
  return h;
}

void ColumnEquations::ColumnResiduals(const SolverVector& u, SolverVector& R) {
  ++evaluations_;
  ColumnSolution& s = solution_;
  const ColumnProblem& p = problem_;
  const int block = n_ + 1;
  const bool dead = p.DeadSteam();
  const Real steamHeat = heat_.Qs - heat_.Qc;

  s.DephlHeat = dead ? steamHeat : 0;
  s.HeatScale = s.DephlHeat;

  // Unpack the liquid; the still's bubble point fixes the flow scale.
  Real G = 0;
  for (int j = 0; j <= lastStage_; ++j) {
    const int base = j * block;
    Real sum = 0;
    for (int k = 0; k < n_ - 1; ++k) {
      s.LiqConc[k][j] = u[base + k];
      sum += u[base + k];
    }
    s.LiqConc[n_ - 1][j] = 1 - sum;
    if (j == 0) {
      enthalpies_[0] = StageEquilibrium(0);
      const Real latent = enthalpies_[0].HV - enthalpies_[0].HL;
      Real heat = steamHeat;
      if (!dead) {
        const Real t0 = (s.Temp[0] - 1) * kZeroCelsius;
        heat =
            heat_.Qs - p.SteamFlow * Interpolate(water_->TempPts, water_->EnthL, t0, waterSegment_);
      }
      G = Divide(heat, latent, kResidualRoutine, "no latent heat in the still") + heat_.TotalFeed;
      s.FlowScale = G;
    }
    s.LiqFlow[j] = u[base + n_ - 1] * G;
    s.VapFlow[j] = u[base + n_] * G;
  }

  // Balances of every stage, from the still up.
  for (int j = 0; j <= lastStage_; ++j) {
    const int base = j * block;
    const StageEnthalpies here = enthalpies_[j];
    const bool hasBelow = j > 0;
    const Real vBelow = hasBelow ? s.VapFlow[j - 1] : 0;
    const Real hvBelow = hasBelow ? enthalpies_[j - 1].HV : 0;
    const bool hasAbove = j < lastStage_;
    if (hasAbove) enthalpies_[j + 1] = StageEquilibrium(j + 1);
    const Real lAbove = hasAbove ? s.LiqFlow[j + 1] : 0;
    const Real hlAbove = hasAbove ? enthalpies_[j + 1].HL : 0;

    const Real F = p.FeedFlow[j];
    const Real W = p.CatchFlow[j];
    const Real S = p.LiveSteamFlow[j];
    const Real Q = heat_.HeatInput[j];
    const Real V = s.VapFlow[j];
    const Real L = s.LiqFlow[j];

    // External enthalpy: the feed and the heat in, the takeoff out as liquid.
    const Real external = F * here.HF + Q - W * here.HL;
    s.HeatScale += F * here.HF + Q;
    if (j == 0) {
      s.DephlHeat += external - L * here.HL;  // the bottoms leaves
    } else if (j == lastStage_) {
      s.DephlHeat += external - V * here.HV;
    } else {
      s.DephlHeat += external;
    }

    Real extraHeat = 0;
    if (j == lastStage_) {
      extraHeat = s.Phase == 0 ? -s.DephlHeat : -s.DephlHeatFixed;
    } else if (j == 0 && dead) {
      extraHeat = steamHeat;
    }

    R[base + n_ - 1] = vBelow + lAbove - V - L + S + F - W;
    R[base + n_] =
        vBelow * hvBelow + lAbove * hlAbove - V * here.HV - L * here.HL + external + extraHeat;
    for (int k = 0; k < n_ - 1; ++k) {
      const Real yBelow = hasBelow ? s.VapConc[k][j - 1] : 0;
      const Real xAbove = hasAbove ? s.LiqConc[k][j + 1] : 0;
      R[base + k] = vBelow * yBelow + lAbove * xAbove - V * s.VapConc[k][j] - L * s.LiqConc[k][j] +
                    S * p.LiveSteamComp[k][j] + F * p.FeedComp[k][j] - W * s.LiqConc[k][j];
    }
    if (s.Phase == 1) ShowDiscrepancyRow(j, R);
  }

  for (int j = 0; j <= lastStage_; ++j) {
    const int base = j * block;
    R[base + n_] = Divide(R[base + n_], s.HeatScale, kResidualRoutine, "enthalpy residual");
    for (int k = 0; k < n_; ++k)
      R[base + k] = Divide(R[base + k], G, kResidualRoutine, "material residual");
  }

  if (Dialog().ProcessEvents()) throw RunStopped();
}

void ColumnEquations::ShowDiscrepancyRow(int j, const SolverVector& R) {
  std::string row = "  " + std::to_string(j) + "  ";
  const int base = j * (n_ + 1);
  for (int k = 0; k <= n_; ++k) row += Format("%12.6Lf", R[base + k]);
  // One row per stage, replaced by every evaluation.
  text_.DeleteAt(discrepancyBase_ + j);
  text_.InsertAt(discrepancyBase_ + j, row);
}

}  // namespace vexilor
