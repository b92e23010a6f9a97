// Fitting the energy parameters of one binary pair to its measured
// equilibrium: the per-point data of the pair, the four objectives, their
// common sum of squares with the iteration report, and FitPair.
//
// The measure of every objective is the sum over the points of
//   (y1 - gamma1 x1 PsK / P)^2,
// the squared difference between the measured vapour fraction of the first
// component and the one the modified Raoult law predicts with the model's
// activity coefficient gamma1.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/shell/real.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {

class ResultsText;
struct UnifacPair;

//! R * 273.15 K in kJ/mol (R = 8.3144 J/(mol K)): the energy parameters of
//! Wilson, NRTL and UNIQUAC are stored divided by it.
inline constexpr Real EnergyScale = 2.27107836L;

//! The models a pair can be fitted with.
enum class FitModel { Wilson, Nrtl, Uniquac, Unifac };

//! Objective evaluations between two iteration report lines.
inline constexpr std::uint16_t kReportEvaluations = 200;

//! One pair being fitted: its measurements, the per-point values computed
//! once before the fit, the work arrays of the objectives, and where the
//! iteration report goes. The objectives are not reentrant: they write the
//! work arrays (and, for UNIFAC, the group tables).
struct PairFit {
  std::uint16_t N = 0;                      //!< measured points
  Real P = 0;                               //!< pressure of the measurements, Pa
  std::array<Real, kMaxEquilPoints> Tau{};  //!< reduced boiling temperature T / 273.15 K
  std::array<Real, kMaxEquilPoints> X1{};   //!< liquid mole fraction of the first component
  std::array<Real, kMaxEquilPoints> Y1{};   //!< vapour mole fraction of the first component
  std::array<Real, 2> WilsonInit{};         //!< start values of the Wilson fit
  std::array<Real, 2> UniquacInit{};        //!< start values of the UNIQUAC fit
  std::array<Real, 3> NrtlInit{};           //!< start values of the NRTL fit

  std::array<Real, kMaxEquilPoints> X2{};      //!< 1 - x1, written by every evaluation
  std::array<Real, kMaxEquilPoints> Gamma1{};  //!< gamma1 of the last evaluation

  std::array<Real, kMaxEquilPoints> VK{};   //!< molar volume of the first component, m3/kmol
  std::array<Real, kMaxEquilPoints> VKK{};  //!< molar volume of the second component, m3/kmol
  std::array<Real, kMaxEquilPoints> PsK{};  //!< vapour pressure of the first component, Pa

  Real r1 = 0, q1 = 0, r2 = 0, q2 = 0;  //!< UNIQUAC/UNIFAC volume and area sums

  // Terms of the objectives that depend on the point only, computed once
  // per pair as the formulas would compute them at every evaluation.
  std::array<Real, kMaxEquilPoints> VolumeRatio{};         //!< VKK / VK
  std::array<Real, kMaxEquilPoints> InverseVolumeRatio{};  //!< VK / VKK
  std::array<Real, kMaxEquilPoints> Theta1{};              //!< UNIQUAC q1 x1 / Sq
  std::array<Real, kMaxEquilPoints> Theta2{};              //!< UNIQUAC q2 x2 / Sq
  //! UNIQUAC (r1 / Sr) ((q1 / r1) Sr / Sq)^(5 q1)
  std::array<Real, kMaxEquilPoints> Combinatorial{};
  //! UNIQUAC Phi2 (l1 - r1 l2 / r2)
  std::array<Real, kMaxEquilPoints> CombinatorialExponent{};

  //! The model and parameters of the last completed evaluation, whose
  //! gamma1 the next evaluation of the same model at the same parameters
  //! takes over (the minimiser evaluates every point of its bracketing walk
  //! twice).
  SolverVector LastParameters{};
  FitModel LastModel = FitModel::Wilson;
  bool LastValid = false;

  UnifacPair* Unifac = nullptr;  //!< UNIFAC: the pair's groups and matrices
  std::array<std::array<Real, 2>, kMaxEquilPoints> CombFactors{};  //!< UNIFAC, per point
  std::array<GroupVector, kMaxEquilPoints> GroupFractions{};       //!< UNIFAC, per point

  ResultsText* Text = nullptr;  //!< where the report line goes (none when null)
  int ProgressLine = 0;         //!< its line: the one after the pair heading
  std::string SystemName;       //!< "first-second", as the report names the pair
};

//! State the iteration report keeps over the whole program run.
struct FitCounters {
  //! Evaluations since the last report line; never reset between pairs or
  //! runs, only after a report.
  std::uint16_t Evaluations = 0;
  std::uint16_t Iterations = 0;  //!< the minimiser's iteration counter
  Real CurrentValue = 0;         //!< the minimiser's current objective value
  unsigned long long Total = 0;  //!< evaluations since program start, for measurements
};
extern FitCounters FitProgress;

//! Takes the pair loaded by SelectEquil and computes its per-point values:
//! the molar volumes of both components at each boiling temperature and
//! the vapour pressure of the first.
void LoadPairPoints(PairFit& fit, const Pro& first, const Pro& second);

//! UNIQUAC, with r1, q1, r2, q2 set: the terms that depend on the
//! composition only, at each measured point.
void PrepareUniquacPoints(PairFit& fit);

//! UNIFAC, once the pair's groups are known: the combinatorial factors of
//! both components and the group fractions at each measured composition.
void PrepareUnifacPoints(PairFit& fit);

//! S = sum_n (y1_n - gamma1_n x1_n PsK_n / P)^2. Every 200th evaluation
//! writes (or rewrites in place) the report line under the pair heading:
//! the minimiser's iteration and E = sqrt(Scur / N) for its current value.
Real SumSquaredDeviation(PairFit& fit);

//! Wilson, p = (lambda12 - lambda11, lambda21 - lambda22), reduced:
//!   L12 = (VKK / VK) exp(-p0 / tau),  L21 = (VK / VKK) exp(-p1 / tau),
//!   gamma1 = exp(x2 (L12 / (x1 + L12 x2) - L21 / (L21 x1 + x2))) / (x1 + L12 x2).
Real WilsonObjective(PairFit& fit, const SolverVector& p);

//! NRTL, p = (g12 - g22, g21 - g11, alpha12), the molar-volume ratios
//! inside G as in Wilson:
//!   t12 = p0 / tau, t21 = p1 / tau,
//!   G12 = (VKK / VK) exp(-alpha t12),  G21 = (VK / VKK) exp(-alpha t21),
//!   gamma1 = exp(x2^2 (t21 (G21 / (x1 + G21 x2))^2 + G12 t12 / (G12 x1 + x2)^2)).
Real NrtlObjective(PairFit& fit, const SolverVector& p);

//! UNIQUAC, p = (u12 - u22, u21 - u11), reduced, z = 10:
//!   l_i = 5 (r_i - q_i) - r_i + 1,  t12 = exp(-p0 / tau),  t21 = exp(-p1 / tau),
//!   Sr = r1 x1 + r2 x2,  Sq = q1 x1 + q2 x2,
//!   Phi2 = r2 x2 / Sr,  theta_i = q_i x_i / Sq,
//!   gamma1 = (r1 / Sr) ((q1 / r1) Sr / Sq)^(5 q1)
//!            exp(Phi2 (l1 - r1 l2 / r2) + q1 theta2 (t21 / (theta1 + theta2 t21)
//!                                                   - t12 / (theta1 t12 + theta2)))
//!            / (theta1 + theta2 t21)^q1.
Real UniquacObjective(PairFit& fit, const SolverVector& p);

//! UNIFAC, p = the pair's group parameters in parameter order: stores them
//! in the group tables, refills the pair's and the components' own
//! matrices, and takes gamma1 from the same UNIFAC the model object uses.
Real UnifacObjective(PairFit& fit, const SolverVector& p);

//! Number of parameters the model fits for the pair.
int FitParameterCount(FitModel model, const PairFit& fit);

//! Prepares the model's per-point terms (UNIQUAC, UNIFAC), minimises its
//! objective over the pair's parameters with the gradient minimiser, the
//! busy cursor shown meanwhile, and returns the fitted vector. Start values: the pair's own
//! (Wilson, NRTL, UNIQUAC) or 0.1 for every UNIFAC parameter; tolerance 1e-6 for NRTL, 1e-5
//! otherwise. More parameters than the minimiser holds throw std::length_error.
SolverVector FitPair(FitModel model, PairFit& fit);

}  // namespace vexilor
