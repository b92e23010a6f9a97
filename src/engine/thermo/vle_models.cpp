#include "engine/thermo/vle_models.h"

#include <cmath>
#include <stdexcept>
#include <typeinfo>

#include "engine/thermo/bubble_search.h"
#include "engine/thermo/numeric_checks.h"

namespace vexilor {

namespace {

// Temperature of the property tables, deg C, at the reduced temperature tau.
Real Celsius(Real tau) {
  return (tau - 1) * 273.15L;
}

}  // namespace

void CombinatorialFactors(int N, std::span<const Real> q, std::span<const Real> r,
                          std::span<const Real> x, std::span<Real> gammaC) {
  constexpr const char* kRoutine = "CombinatorialFactors";
  Real sumR = 0;
  Real sumQ = 0;
  Real sumL = 0;
  ComponentVector l{};
  for (int j = 0; j < N; ++j) {
    sumR += r[j] * x[j];
    sumQ += q[j] * x[j];
    l[j] = 5 * (r[j] - q[j]) - r[j] + 1;
    sumL += x[j] * l[j];
  }
  RequireDivisor(sumR, kRoutine, "sum of r x");
  RequireDivisor(sumQ, kRoutine, "sum of q x");
  for (int i = 0; i < N; ++i) {
    const Real ratio = q[i] * sumR / (RequireDivisor(r[i], kRoutine, "r") * sumQ);
    gammaC[i] = RequireFinite(
        std::pow(ratio, 5 * q[i]) * (r[i] / sumR) * std::exp(l[i] - (r[i] / sumR) * sumL), kRoutine,
        "combinatorial factor");
  }
}

namespace {

// Psi_mn = exp(-a_mn / tau) over the G x G corner (only that corner is
// filled); a zero parameter (groups of one main group) gives exp(0) = 1
// without the exponential. Every Psi_mn enters D_n of ResidualFromFactors,
// where an infinite or NaN one leaves a non-finite sum, so D_n is what is
// checked.
Real InteractionFactor(Real a, Real tau) {
  return a == 0 ? 1 : std::exp(-a / tau);
}

void InteractionFactors(int G, const GroupMatrix& a, Real tau, GroupMatrix& psi) {
  RequireDivisor(tau, "ResidualFactors", "reduced temperature");
  for (int m = 0; m < G; ++m) {
    for (int n = 0; n < G; ++n) psi[m][n] = m == n ? 1 : InteractionFactor(a[m][n], tau);
  }
}

// The residual term from the interaction factors Psi.
void ResidualFromFactors(int G, std::span<const Real> Q, std::span<const Real> X,
                         const GroupMatrix& psi, std::span<Real> Gamma) {
  constexpr const char* kRoutine = "ResidualFactors";
  Real sumQX = 0;
  for (int m = 0; m < G; ++m) sumQX += Q[m] * X[m];
  RequireDivisor(sumQX, kRoutine, "sum of Q X");
  GroupVector theta;
  for (int m = 0; m < G; ++m) theta[m] = Q[m] * X[m] / sumQX;
  GroupVector D;
  for (int n = 0; n < G; ++n) {
    Real sum = 0;
    for (int m = 0; m < G; ++m) sum += theta[m] * psi[m][n];
    D[n] = RequirePositive(sum, kRoutine, "sum of theta Psi");
  }
  for (int k = 0; k < G; ++k) {
    Real sum = 0;
    for (int m = 0; m < G; ++m) sum += theta[m] * psi[k][m] / D[m];
    Gamma[k] =
        RequireFinite(std::exp(Q[k] * (1 - std::log(D[k]) - sum)), kRoutine, "residual factor");
  }
}

// The mixture group of the same number and letter as group k of block, or -1.
int MatchingGroup(const UnifacGroups& groups, const GroupBlock& block, int k) {
  for (int m = 0; m < groups.G; ++m) {
    if (groups.Numbers[m] == block.Numbers[k] && groups.Letters[m] == block.Letters[k]) return m;
  }
  return -1;
}

// Interaction factors of a pure component's own groups. Where its parameter
// is the mixture's parameter of the matching groups, the mixture's factor is
// that very exponential and is taken over instead of computed again.
void PureInteractionFactors(const UnifacGroups& groups, const GroupMatrix& mixturePsi,
                            const GroupBlock& block, Real tau, GroupMatrix& psi) {
  std::array<int, kMaxGroups> match;
  for (int k = 0; k < block.G; ++k) match[k] = MatchingGroup(groups, block, k);
  for (int k = 0; k < block.G; ++k) {
    for (int l = 0; l < block.G; ++l) {
      const int m = match[k];
      const int n = match[l];
      if (k != l && m >= 0 && n >= 0 && m != n && block.A[k][l] == (*groups.A)[m][n]) {
        psi[k][l] = mixturePsi[m][n];
      } else {
        psi[k][l] = k == l ? 1 : InteractionFactor(block.A[k][l], tau);
      }
    }
  }
}

}  // namespace

void ResidualFactors(int G, std::span<const Real> Q, std::span<const Real> X, const GroupMatrix& a,
                     Real tau, std::span<Real> Gamma) {
  GroupMatrix psi;
  InteractionFactors(G, a, tau, psi);
  ResidualFromFactors(G, Q, X, psi, Gamma);
}

void MixtureGroupFractions(int N, int G, std::span<const std::uint8_t> numbers,
                           std::span<const char> letters, std::span<const GroupBlock> blocks,
                           std::span<const Real> x, std::span<Real> X) {
  Real denominator = 0;
  for (int i = 0; i < N; ++i) {
    int groupsPerMolecule = 0;
    for (int k = 0; k < blocks[i].G; ++k) groupsPerMolecule += blocks[i].Nu[k];
    denominator += x[i] * groupsPerMolecule;
  }
  RequireDivisor(denominator, "MixtureGroupFractions", "groups in the mixture");
  for (int m = 0; m < G; ++m) {
    Real numerator = 0;
    for (int i = 0; i < N; ++i) {
      const GroupBlock& block = blocks[i];
      int occurrences = 0;
      for (int k = 0; k < block.G; ++k) {
        if (block.Numbers[k] == numbers[m] && block.Letters[k] == letters[m]) {
          occurrences += block.Nu[k];
        }
      }
      numerator += x[i] * occurrences;
    }
    X[m] = numerator / denominator;
  }
}

// The parts of Wilson and NRTL are forced inline into both forms of each
// model: an 80-bit argument of a call that is not inlined passes through
// memory, and reloading an 80-bit value just stored stalls the processor.
namespace {

// Wilson's Lambda_ij = (V_j / V_i) exp(-a_ij / tau), Lambda_ii = 1: the part
// of the model that depends on the temperature alone. Every Lambda_ij
// enters S_i of WilsonFromLambda, where an infinite or NaN one leaves a
// non-finite sum (even times a zero fraction), so S_i is what is checked.
[[gnu::always_inline]] inline void WilsonLambda(int N, const ComponentMatrix& a,
                                                std::span<const Real> V, Real tau,
                                                ComponentMatrix& lambda) {
  RequireDivisor(tau, "Wilson", "reduced temperature");
  for (int i = 0; i < N; ++i) {
    RequireDivisor(V[i], "Wilson", "molar volume");
    for (int j = 0; j < N; ++j)
      lambda[i][j] = i == j ? 1 : (V[j] / V[i]) * std::exp(-a[i][j] / tau);
  }
}

[[gnu::always_inline]] inline void WilsonFromLambda(int N, const ComponentMatrix& lambda,
                                                    std::span<const Real> x,
                                                    std::span<Real> gamma) {
  constexpr const char* kRoutine = "Wilson";
  ComponentVector S;
  for (int i = 0; i < N; ++i) {
    Real sum = 0;
    for (int j = 0; j < N; ++j) sum += x[j] * lambda[i][j];
    S[i] = RequireDivisor(sum, kRoutine, "sum of x Lambda");
  }
  for (int i = 0; i < N; ++i) {
    Real sum = 0;
    for (int k = 0; k < N; ++k) sum += x[k] * lambda[k][i] / S[k];
    gamma[i] = RequireFinite(std::exp(1 - sum) / S[i], kRoutine, "activity coefficient");
  }
}

// NRTL's tau_ji = b_ji / tau and G_ji = exp(-alpha_ji tau_ji) V_i / V_j: the
// part of the model that depends on the temperature alone. Every G_ji enters
// S_i of NrtlFromTerms, where an infinite or NaN one leaves a non-finite
// sum, so S_i is what is checked.
[[gnu::always_inline]] inline void NrtlTemperatureTerms(int N, const ComponentMatrix& alpha,
                                                        const ComponentMatrix& b,
                                                        std::span<const Real> V, Real tau,
                                                        NrtlTerms& terms) {
  RequireDivisor(tau, "NRTL", "reduced temperature");
  for (int j = 0; j < N; ++j) RequireDivisor(V[j], "NRTL", "molar volume");
  for (int j = 0; j < N; ++j) {
    for (int i = 0; i < N; ++i) {
      if (i == j) {
        terms.Tau[j][i] = 0;
        terms.G[j][i] = 1;
        continue;
      }
      terms.Tau[j][i] = b[j][i] / tau;
      terms.G[j][i] = std::exp(-alpha[j][i] * terms.Tau[j][i]) * V[i] / V[j];
    }
  }
}

[[gnu::always_inline]] inline void NrtlFromTerms(int N, const NrtlTerms& terms,
                                                 std::span<const Real> x, std::span<Real> gamma) {
  constexpr const char* kRoutine = "NRTL";
  // tauMatrix[j][i] and G[j][i] are tau_ji and G_ji.
  const ComponentMatrix& tauMatrix = terms.Tau;
  const ComponentMatrix& G = terms.G;
  ComponentVector S;
  ComponentVector T;
  for (int i = 0; i < N; ++i) {
    Real sumS = 0;
    Real sumT = 0;
    for (int j = 0; j < N; ++j) {
      sumS += x[j] * G[j][i];
      sumT += x[j] * G[j][i] * tauMatrix[j][i];
    }
    S[i] = RequireDivisor(sumS, kRoutine, "sum of x G");
    T[i] = sumT;
  }
  for (int i = 0; i < N; ++i) {
    Real lnGamma = T[i] / S[i];
    for (int k = 0; k < N; ++k) {
      lnGamma += (x[k] * G[i][k] / S[k]) * (tauMatrix[i][k] - T[k] / S[k]);
    }
    gamma[i] = RequireFinite(std::exp(lnGamma), kRoutine, "activity coefficient");
  }
}

// UNIQUAC with the interaction factors of the components known (known) or
// computed into computed, at the point of the evaluation where they are
// needed.
void UniquacEvaluate(int N, std::span<const Real> q, std::span<const Real> r, const GroupMatrix& a,
                     std::span<const Real> x, Real tau, const GroupMatrix* known,
                     GroupMatrix& computed, std::span<Real> gamma) {
  ComponentVector combinatorial{};
  ComponentVector residual{};
  CombinatorialFactors(N, q, r, x, combinatorial);
  if (known == nullptr) InteractionFactors(N, a, tau, computed);
  ResidualFromFactors(N, q, x, known != nullptr ? *known : computed, residual);
  for (int i = 0; i < N; ++i) {
    gamma[i] = RequireFinite(combinatorial[i] * residual[i], "UNIQUAC", "activity coefficient");
  }
}

// UNIFAC with the temperature terms known (known) or computed into
// computed, each at the point of the evaluation where it is needed.
void UnifacEvaluate(const UnifacGroups& groups, std::span<const Real> X,
                    std::span<const Real> gammaC, Real tau, const UnifacTerms* known,
                    UnifacTerms& computed, std::span<Real> gamma) {
  if (known == nullptr) InteractionFactors(groups.G, *groups.A, tau, computed.MixturePsi);
  const UnifacTerms& terms = known != nullptr ? *known : computed;
  GroupVector mixture;
  ResidualFromFactors(groups.G, groups.Q, X, terms.MixturePsi, mixture);
  for (int i = 0; i < groups.N; ++i) {
    const GroupBlock& block = groups.Blocks[i];
    if (known == nullptr) {
      // A component of one group is its own reference state: Gamma^(i) = 1.
      GroupVector& pure = computed.Pure[i];
      pure[0] = 1;
      if (block.G != 1) {
        GroupMatrix psi;
        PureInteractionFactors(groups, computed.MixturePsi, block, tau, psi);
        ResidualFromFactors(block.G, block.Q, block.X, psi, pure);
      }
    }
    const GroupVector& pure = terms.Pure[i];
    // Each group of the component meets the mixture group of the same number
    // and the same letter; subgroups sharing a main-group number stay apart.
    Real residual = 1;
    for (int k = 0; k < block.G; ++k) {
      for (int m = 0; m < groups.G; ++m) {
        if (groups.Numbers[m] != block.Numbers[k] || groups.Letters[m] != block.Letters[k]) {
          continue;
        }
        residual *= std::pow(mixture[m] / pure[k], static_cast<Real>(block.Nu[k]));
      }
    }
    gamma[i] = RequireFinite(residual * gammaC[i], "UNIFAC", "activity coefficient");
  }
}

}  // namespace

void WilsonCoefficients(int N, const ComponentMatrix& a, std::span<const Real> V,
                        std::span<const Real> x, Real tau, std::span<Real> gamma) {
  ComponentMatrix lambda;
  WilsonLambda(N, a, V, tau, lambda);
  WilsonFromLambda(N, lambda, x, gamma);
}

void NrtlCoefficients(int N, const ComponentMatrix& alpha, const ComponentMatrix& b,
                      std::span<const Real> V, std::span<const Real> x, Real tau,
                      std::span<Real> gamma) {
  NrtlTerms terms;
  NrtlTemperatureTerms(N, alpha, b, V, tau, terms);
  NrtlFromTerms(N, terms, x, gamma);
}

void UniquacCoefficients(int N, std::span<const Real> q, std::span<const Real> r,
                         const GroupMatrix& a, std::span<const Real> x, Real tau,
                         std::span<Real> gamma) {
  GroupMatrix psi;
  UniquacEvaluate(N, q, r, a, x, tau, nullptr, psi, gamma);
}

void UnifacCoefficients(const UnifacGroups& groups, std::span<const Real> X,
                        std::span<const Real> gammaC, Real tau, std::span<Real> gamma) {
  UnifacTerms terms;
  UnifacEvaluate(groups, X, gammaC, tau, nullptr, terms, gamma);
}

TVLEObj::TVLEObj(const TVLEParams& params, const std::array<std::string, kMaxComponents>& names,
                 const ComponentConstants& constants)
    : Params(params), constants_(constants) {
  for (int i = 0; i < Params.N; ++i) components_[i] = &FindComponent(names[i]);
}

void TVLEObj::PrepareComposition(const ComponentVector&) {}

[[gnu::always_inline]] inline ComponentVector TVLEObj::MolarVolumes(Real tau) const {
  const Real t = Celsius(tau);
  ComponentVector V{};
  for (int i = 0; i < N(); ++i) V[i] = MolarVolume(*components_[i], t, densitySegments_[i]);
  return V;
}

[[gnu::always_inline]] inline void TWilsonObj::Evaluate(const ComponentVector& x,
                                                        ComponentVector& gamma, Real tau) {
  const ComponentMatrix* lambda = Remembered(memo_, tau);
  ComponentMatrix computed;
  if (lambda == nullptr) {
    WilsonLambda(N(), Params.WilsonA, MolarVolumes(tau), tau, computed);
    if (RemembersTemperature()) memo_.Remember(tau, computed);
    lambda = &computed;
  }
  WilsonFromLambda(N(), *lambda, x, gamma);
}

[[gnu::always_inline]] inline void TNRTLObj::Evaluate(const ComponentVector& x,
                                                      ComponentVector& gamma, Real tau) {
  const NrtlTerms* terms = Remembered(memo_, tau);
  NrtlTerms computed;
  if (terms == nullptr) {
    NrtlTemperatureTerms(N(), Params.NrtlAlpha, Params.NrtlB, MolarVolumes(tau), tau, computed);
    if (RemembersTemperature()) memo_.Remember(tau, computed);
    terms = &computed;
  }
  NrtlFromTerms(N(), *terms, x, gamma);
}

[[gnu::always_inline]] inline void TUNIQUACObj::Evaluate(const ComponentVector& x,
                                                         ComponentVector& gamma, Real tau) {
  const GroupMatrix* known = Remembered(memo_, tau);
  GroupMatrix computed;
  UniquacEvaluate(N(), Constants().q, Constants().r, Params.UniquacA, x, tau, known, computed,
                  gamma);
  if (known == nullptr && RemembersTemperature()) memo_.Remember(tau, computed);
}

UnifacGroups TUNIFACObj::Groups() const {
  return UnifacGroups{N(),      Params.CompGroups, Params.G, Params.Numbers, Params.Letters,
                      Params.Q, &Params.GroupA};
}

void TUNIFACObj::PrepareComposition(const ComponentVector& x) {
  MixtureGroupFractions(N(), Params.G, Params.Numbers, Params.Letters, Params.CompGroups, x,
                        GroupFractions);
  CombinatorialFactors(N(), Constants().q, Constants().r, x, CombFactors);
}

// The liquid enters through GroupFractions and CombFactors.
[[gnu::always_inline]] inline void TUNIFACObj::Evaluate(const ComponentVector&,
                                                        ComponentVector& gamma, Real tau) {
  const UnifacTerms* known = Remembered(memo_, tau);
  UnifacTerms computed;
  UnifacEvaluate(Groups(), GroupFractions, CombFactors, tau, known, computed, gamma);
  if (known == nullptr && RemembersTemperature()) memo_.Remember(tau, computed);
}

template <class Model>
void TModelObj<Model>::ActivityCoefficients(ComponentVector x, ComponentVector& gamma, Real tau) {
  static_cast<Model&>(*this).Evaluate(x, gamma, tau);
}

template <class Model>
void TModelObj<Model>::BubbleSearch(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                                    const ComponentVector& x, ComponentVector& gamma,
                                    ComponentVector& y) {
  if (typeid(*this) != typeid(Model)) {
    TVLEObj::BubbleSearch(findTemperature, Lo, Hi, tau, P, x, gamma, y);
    return;
  }
  Model& model = static_cast<Model&>(*this);
  SearchBubble(
      findTemperature, Lo, Hi, tau, P, x, gamma, y,
      [&model](const ComponentVector& liquid, ComponentVector& coefficients, Real t)
          __attribute__((always_inline)) { model.Evaluate(liquid, coefficients, t); });
}

template class TModelObj<TWilsonObj>;
template class TModelObj<TNRTLObj>;
template class TModelObj<TUNIQUACObj>;
template class TModelObj<TUNIFACObj>;

std::unique_ptr<TVLEObj> CreateVLEObj(const TVLEParams& params,
                                      const std::array<std::string, kMaxComponents>& names,
                                      const ComponentConstants& constants) {
  switch (params.ModelLetter) {
    case 'W':
      return std::make_unique<TWilsonObj>(params, names, constants);
    case 'N':
      return std::make_unique<TNRTLObj>(params, names, constants);
    case 'Q':
      return std::make_unique<TUNIQUACObj>(params, names, constants);
    case 'F':
      return std::make_unique<TUNIFACObj>(params, names, constants);
    default:
      throw std::invalid_argument(std::string("unknown model letter ") + params.ModelLetter);
  }
}

}  // namespace vexilor
