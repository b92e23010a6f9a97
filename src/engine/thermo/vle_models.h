// Activity-coefficient models of a liquid mixture: Wilson, NRTL, UNIQUAC and
// UNIFAC. Temperatures are reduced (tau = T / 273.15 K) and every energy
// parameter is stored divided by R * 273.15 K (UNIFAC: by 273.15 K), so that
// a / tau is the energy divided by R*T.
//
// Each model exists twice with identical arithmetic: as a TVLEObj subclass,
// which the column calculation asks on every tray, and as a free routine
// taking the parameters as arguments, which the estimation uses.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "engine/shell/real.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/table_lookup.h"
#include "engine/thermo/temperature_memo.h"
#include "engine/thermo/vle_params.h"

namespace vexilor {

//! Composition vectors hold five entries: components 0..N-1, and in the dew
//! mode of Equilibrium the found temperature or pressure at entry N.
inline constexpr int kComponentVectorSize = 5;
using ComponentVector = std::array<Real, kComponentVectorSize>;
using GroupVector = std::array<Real, kMaxGroups>;
using GroupMatrix = RealMatrix<kMaxGroups, kMaxGroups>;
using ComponentMatrix = RealMatrix<kMaxComponents, kMaxComponents>;

// --- building blocks shared by UNIQUAC and UNIFAC ---------------------------

//! UNIQUAC combinatorial term, coordination number 10:
//!   ln gC_i = ln(Phi_i/x_i) + 5 q_i ln(theta_i/Phi_i) + l_i - (Phi_i/x_i) sum_j x_j l_j
//! with Phi_i/x_i = r_i/Sr, theta_i/Phi_i = q_i Sr/(r_i Sq), Sr = sum r_j x_j,
//! Sq = sum q_j x_j, l_j = 5 (r_j - q_j) - r_j + 1. Never divides by x_i, so
//! a zero mole fraction is allowed.
void CombinatorialFactors(int N, std::span<const Real> q, std::span<const Real> r,
                          std::span<const Real> x, std::span<Real> gammaC);

//! Residual term for G groups (molecules in UNIQUAC) with surface areas Q,
//! fractions X and interaction matrix a (row m, column n):
//!   theta_m = Q_m X_m / sum Q X,  Psi_mn = exp(-a_mn / tau) (Psi_mm = 1),
//!   D_n = sum_m theta_m Psi_mn,
//!   ln Gamma_k = Q_k (1 - ln D_k - sum_m theta_m Psi_km / D_m).
void ResidualFactors(int G, std::span<const Real> Q, std::span<const Real> X, const GroupMatrix& a,
                     Real tau, std::span<Real> Gamma);

//! Group fractions of a mixture: X_m = sum_i x_i nu_im / sum_i x_i sum_k nu_ik,
//! where nu_im counts the groups of block i that have both the number and the
//! letter of mixture group m.
void MixtureGroupFractions(int N, int G, std::span<const std::uint8_t> numbers,
                           std::span<const char> letters, std::span<const GroupBlock> blocks,
                           std::span<const Real> x, std::span<Real> X);

// --- the four models as free routines -----------------------------------------

//! Wilson: Lambda_ij = (V_j / V_i) exp(-a_ij / tau), Lambda_ii = 1,
//!   S_i = sum_j x_j Lambda_ij,  gamma_i = exp(1 - sum_k x_k Lambda_ki / S_k) / S_i.
//! V: molar volumes of the components at the temperature.
void WilsonCoefficients(int N, const ComponentMatrix& a, std::span<const Real> V,
                        std::span<const Real> x, Real tau, std::span<Real> gamma);

//! NRTL with the molar-volume ratio inside G:
//!   tau_ji = b_ji / tau,  G_ji = exp(-alpha_ji tau_ji) V_i / V_j  (G_ii = 1),
//!   S_i = sum_j x_j G_ji,  T_i = sum_j x_j G_ji tau_ji,
//!   ln gamma_i = T_i / S_i + sum_k (x_k G_ik / S_k) (tau_ik - T_k / S_k).
void NrtlCoefficients(int N, const ComponentMatrix& alpha, const ComponentMatrix& b,
                      std::span<const Real> V, std::span<const Real> x, Real tau,
                      std::span<Real> gamma);

//! UNIQUAC: gamma_i = gC_i * gR_i, the residual term taken over the
//! components with Q = q and X = x.
void UniquacCoefficients(int N, std::span<const Real> q, std::span<const Real> r,
                         const GroupMatrix& a, std::span<const Real> x, Real tau,
                         std::span<Real> gamma);

//! The group description of a UNIFAC mixture.
struct UnifacGroups {
  int N = 0;                              //!< components
  std::span<const GroupBlock> Blocks;     //!< group block of each component
  int G = 0;                              //!< groups of the mixture
  std::span<const std::uint8_t> Numbers;  //!< main-group number of each mixture group
  std::span<const char> Letters;          //!< subgroup letter of each mixture group
  std::span<const Real> Q;                //!< surface area of each mixture group
  const GroupMatrix* A = nullptr;         //!< interaction parameters of the mixture groups
};

//! UNIFAC: gamma_i = gC_i * prod_k (Gamma_m(k) / Gamma_k^(i))^nu_k over the
//! groups k of component i, m(k) being the mixture group with the same number
//! and letter; Gamma from ResidualFactors for the mixture (at the group
//! fractions X) and for the pure component (its own fractions and matrix; 1
//! for a component of a single group). gammaC: CombinatorialFactors at the
//! same composition.
void UnifacCoefficients(const UnifacGroups& groups, std::span<const Real> X,
                        std::span<const Real> gammaC, Real tau, std::span<Real> gamma);

// --- the model objects ---------------------------------------------------------

//! NRTL's terms of the temperature alone: tau_ji and G_ji, at [j][i].
struct NrtlTerms {
  ComponentMatrix Tau;
  ComponentMatrix G;
};

//! UNIFAC's terms of the temperature alone: the interaction factors Psi of
//! the mixture groups and the residual factors Gamma^(i) of each pure
//! component.
struct UnifacTerms {
  GroupMatrix MixturePsi;
  std::array<GroupVector, kMaxComponents> Pure;
};

//! A model of the loaded parameter set, with the equilibrium operation
//! (bubble and dew point) of Equilibrium.
class TVLEObj {
 public:
  //! Copies params. Component names are resolved to their database records
  //! here, once (a name that matches no record selects the first record);
  //! constants supplies r and q for UNIQUAC and UNIFAC.
  explicit TVLEObj(const TVLEParams& params,
                   const std::array<std::string, kMaxComponents>& names = CompNames,
                   const ComponentConstants& constants = CompConstants);
  virtual ~TVLEObj() = default;
  TVLEObj(const TVLEObj&) = delete;
  TVLEObj& operator=(const TVLEObj&) = delete;

  //! Activity coefficients gamma_0..gamma_{N-1} of the liquid x (mole
  //! fractions, not necessarily normalised) at the reduced temperature tau.
  //! Throws NumericFailure where the arithmetic faults.
  virtual void ActivityCoefficients(ComponentVector x, ComponentVector& gamma, Real tau) = 0;

  //! Prepares the composition-only terms for the liquid x: UNIFAC fills
  //! GroupFractions and CombFactors, which its ActivityCoefficients reads;
  //! the other models need nothing.
  virtual void PrepareComposition(const ComponentVector& x);

  //! Bubble point (mode 'Y'/'y': x given, y found) or dew point (mode
  //! 'X'/'x': y given, x found) of the mixture, finding the temperature
  //! (what 'T'/'t': P given, tau written) or the pressure (what 'P'/'p':
  //! tau given, P written, Pa). Lo, Hi: bracket of the bubble search's start
  //! (reduced temperatures, or mm Hg when finding the pressure). In dew mode x
  //! receives the liquid and, at entry N, the found tau or P. gamma holds the
  //! coefficients of the last model evaluation. Any other mode does nothing.
  //! Throws NumericFailure when the search fails.
  void Equilibrium(char what, char mode, Real Lo, Real Hi, Real& tau, Real& P, ComponentVector& x,
                   ComponentVector& gamma, ComponentVector& y);

  //! Saturated vapour pressure of component i, Pa, at tau.
  Real VapourPressureOf(int i, Real tau) const {
    return VapourPressure(*components_[i], tau, vapourSegments_[i]);
  }

  TVLEParams Params;
  ComponentVector CombFactors{};  //!< UNIFAC: combinatorial factors of the current liquid
  GroupVector GroupFractions{};   //!< UNIFAC: group fractions of the current liquid

 protected:
  int N() const { return Params.N; }
  const ComponentConstants& Constants() const { return constants_; }
  //! Molar volumes of the components at tau, m3/kmol (Wilson, NRTL).
  ComponentVector MolarVolumes(Real tau) const;
  //! Whether the evaluation under way is one of the start samples of a
  //! bubble search, whose temperatures recur in every search: the models
  //! remember their terms of the temperature alone for those.
  bool RemembersTemperature() const { return rememberTemperature_; }
  //! The terms memo holds for tau, looked for at the start samples only
  //! (other temperatures hardly ever recur, and the search costs time);
  //! nullptr otherwise.
  template <class Terms>
  const Terms* Remembered(const TemperatureMemo<Terms>& memo, Real tau) const {
    return rememberTemperature_ ? memo.Find(tau) : nullptr;
  }

  //! The bubble search (pressure bracket in Pa) with the liquid x. This one
  //! evaluates the model through ActivityCoefficients; the model classes
  //! run it with their own evaluation inlined.
  virtual void BubbleSearch(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                            const ComponentVector& x, ComponentVector& gamma, ComponentVector& y);
  //! The bubble search with evaluate(x, gamma, tau) as the model
  //! (bubble_search.h).
  template <class Evaluate>
  void SearchBubble(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                    const ComponentVector& x, ComponentVector& gamma, ComponentVector& y,
                    Evaluate&& evaluate);

 private:
  template <class Evaluate>
  Real BubbleFunction(bool findTemperature, Real z, Real& tau, Real& P, const ComponentVector& x,
                      ComponentVector& gamma, ComponentVector& y, Evaluate& evaluate);
  void DewResidual(bool findTemperature, const ComponentVector& y, const ComponentVector& u,
                   Real& tau, Real& P, ComponentVector& gamma, ComponentVector& residual);
  void BubblePoint(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                   const ComponentVector& x, ComponentVector& gamma, ComponentVector& y);
  void DewPoint(bool findTemperature, Real& tau, Real& P, ComponentVector& x,
                ComponentVector& gamma, const ComponentVector& y);

  std::array<const Pro*, kMaxComponents> components_{};
  ComponentConstants constants_;
  // Table segments of the last lookups, per component; they only speed up
  // the next lookup and never change a value.
  mutable std::array<TableSegment, kMaxComponents> densitySegments_{};
  mutable std::array<TableSegment, kMaxComponents> vapourSegments_{};
  bool rememberTemperature_ = false;
  TemperatureMemo<ComponentVector> vapourMemo_;  // vapour pressures
};

//! What the four model classes share: their ActivityCoefficients is
//! Model::Evaluate, and their bubble search runs with that evaluation
//! inlined. An object of a class derived from a model class may evaluate
//! the model otherwise; it takes TVLEObj's search through
//! ActivityCoefficients.
template <class Model>
class TModelObj : public TVLEObj {
 public:
  using TVLEObj::TVLEObj;
  void ActivityCoefficients(ComponentVector x, ComponentVector& gamma, Real tau) override;

 protected:
  void BubbleSearch(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                    const ComponentVector& x, ComponentVector& gamma, ComponentVector& y) override;
};

class TWilsonObj : public TModelObj<TWilsonObj> {
 public:
  using TModelObj::TModelObj;

 private:
  friend class TModelObj<TWilsonObj>;
  //! Wilson with molar volumes from the property tables at (tau - 1) * 273.15 C.
  void Evaluate(const ComponentVector& x, ComponentVector& gamma, Real tau);
  TemperatureMemo<ComponentMatrix> memo_;  // Lambda
};

class TNRTLObj : public TModelObj<TNRTLObj> {
 public:
  using TModelObj::TModelObj;

 private:
  friend class TModelObj<TNRTLObj>;
  //! NRTL with molar volumes from the property tables at (tau - 1) * 273.15 C.
  void Evaluate(const ComponentVector& x, ComponentVector& gamma, Real tau);
  TemperatureMemo<NrtlTerms> memo_;
};

class TUNIQUACObj : public TModelObj<TUNIQUACObj> {
 public:
  using TModelObj::TModelObj;

 private:
  friend class TModelObj<TUNIQUACObj>;
  void Evaluate(const ComponentVector& x, ComponentVector& gamma, Real tau);
  TemperatureMemo<GroupMatrix> memo_;  // Psi of the components
};

class TUNIFACObj : public TModelObj<TUNIFACObj> {
 public:
  using TModelObj::TModelObj;
  void PrepareComposition(const ComponentVector& x) override;

 private:
  friend class TModelObj<TUNIFACObj>;
  //! Needs GroupFractions and CombFactors of the same x (PrepareComposition).
  void Evaluate(const ComponentVector& x, ComponentVector& gamma, Real tau);
  UnifacGroups Groups() const;
  TemperatureMemo<UnifacTerms> memo_;
};

//! The model object of params.ModelLetter (W, N, Q or F); throws
//! std::invalid_argument for any other letter.
std::unique_ptr<TVLEObj> CreateVLEObj(
    const TVLEParams& params, const std::array<std::string, kMaxComponents>& names = CompNames,
    const ComponentConstants& constants = CompConstants);

}  // namespace vexilor
