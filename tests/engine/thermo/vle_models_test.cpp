#include "engine/thermo/vle_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/shell/failures.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_fixtures.h"

namespace vexilor {
namespace {

using testing::ConstantsOf;
using testing::MakeParams;
using testing::NamesOf;

constexpr Real kTau = 1.25L;  // 68.3 C

std::unique_ptr<TVLEObj> MakeModel(const TVLEParams& params) {
  return CreateVLEObj(params, NamesOf(params), ConstantsOf(params));
}

ComponentVector Coefficients(TVLEObj& model, const ComponentVector& x, Real tau) {
  ComponentVector gamma{};
  model.PrepareComposition(x);
  model.ActivityCoefficients(x, gamma, tau);
  return gamma;
}

struct ModelCase {
  const char* name;
  char letter;
  std::vector<std::uint16_t> indexes;
};

void PrintTo(const ModelCase& c, std::ostream* os) {
  *os << c.name;
}

class ModelIdentityTest : public testing::BuiltInDatabaseTest,
                          public ::testing::WithParamInterface<ModelCase> {
 protected:
  std::unique_ptr<TVLEObj> Model() const {
    return MakeModel(MakeParams(GetParam().letter, GetParam().indexes));
  }
  int N() const { return static_cast<int>(GetParam().indexes.size()); }
};

TEST_P(ModelIdentityTest, PureComponentHasActivityCoefficientOne) {
  const auto model = Model();
  for (int i = 0; i < N(); ++i) {
    ComponentVector x{};
    x[i] = 1;
    EXPECT_NEAR(Coefficients(*model, x, kTau)[i], 1, 1e-15L) << "component " << i;
  }
}

// Gibbs-Duhem: at constant temperature sum_i x_i d(ln gamma_i) = 0 for any
// change of composition. It fails for a transposed parameter or a slip in
// any term of the model.
TEST_P(ModelIdentityTest, ObeysGibbsDuhem) {
  const auto model = Model();
  const ComponentVector x = {0.15L, 0.25L, 0.35L, 0.25L};
  const std::vector<ComponentVector> directions = {
      {1, -1, 0, 0}, {0.5L, 0.5L, -1, 0}, {-1, 0, 0.25L, 0.75L}};
  constexpr Real h = 1e-7L;
  ComponentVector base = x;
  Real total = 0;
  for (int i = 0; i < N(); ++i) total += x[i];
  for (int i = 0; i < N(); ++i) base[i] = x[i] / total;
  for (const auto& direction : directions) {
    ComponentVector plus = base;
    ComponentVector minus = base;
    Real sumOfDirection = 0;
    for (int i = 0; i < N(); ++i) sumOfDirection += direction[i];
    for (int i = 0; i < N(); ++i) {
      // Keep the sum of the fractions: spread what the direction adds.
      const Real step = direction[i] - sumOfDirection / N();
      plus[i] += h * step;
      minus[i] -= h * step;
    }
    const ComponentVector gammaPlus = Coefficients(*model, plus, kTau);
    const ComponentVector gammaMinus = Coefficients(*model, minus, kTau);
    Real sum = 0;
    Real scale = 0;
    for (int i = 0; i < N(); ++i) {
      const Real derivative = (std::log(gammaPlus[i]) - std::log(gammaMinus[i])) / (2 * h);
      sum += base[i] * derivative;
      scale += std::fabs(base[i] * derivative);
    }
    EXPECT_LT(std::fabs(sum), 1e-8L * (1 + scale));
  }
}

INSTANTIATE_TEST_SUITE_P(Models, ModelIdentityTest,
                         ::testing::Values(ModelCase{"wilson_binary", 'W', {0, 1}},
                                           ModelCase{"wilson_four", 'W', {0, 1, 2, 3}},
                                           ModelCase{"nrtl_ternary", 'N', {0, 1, 2}},
                                           ModelCase{"uniquac_ternary", 'Q', {0, 1, 3}},
                                           ModelCase{"uniquac_four", 'Q', {3, 2, 1, 0}},
                                           // comp.1 (1 A, 5 A) beside comp.3 (5 B): a group
                                           // of the same number but another letter.
                                           ModelCase{"unifac_comp1_comp3", 'F', {0, 2}},
                                           // comp.1 (1 A, 5 A) beside comp.4 (1 A, 1 B, 10).
                                           ModelCase{"unifac_comp1_comp4", 'F', {0, 3}},
                                           ModelCase{"unifac_four", 'F', {0, 1, 2, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --------------------------------------------- the binary forms of the fits

// gamma_1 of a binary by the two-component formulas the fits of the
// estimation use, written out independently of the N-component code.
Real BinaryWilson(Real a12, Real a21, Real V1, Real V2, Real x1, Real tau) {
  const Real x2 = 1 - x1;
  const Real L12 = (V2 / V1) * std::exp(-a12 / tau);
  const Real L21 = (V1 / V2) * std::exp(-a21 / tau);
  return std::exp(x2 * (L12 / (x1 + L12 * x2) - L21 / (L21 * x1 + x2))) / (x1 + L12 * x2);
}

Real BinaryNrtl(Real b12, Real b21, Real alpha, Real V1, Real V2, Real x1, Real tau) {
  const Real x2 = 1 - x1;
  const Real t12 = b12 / tau;
  const Real t21 = b21 / tau;
  const Real G12 = (V2 / V1) * std::exp(-alpha * t12);
  const Real G21 = (V1 / V2) * std::exp(-alpha * t21);
  const Real first = G21 / (x1 + G21 * x2);
  return std::exp(x2 * x2 *
                  (t21 * first * first + G12 * t12 / ((G12 * x1 + x2) * (G12 * x1 + x2))));
}

Real BinaryUniquac(Real a12, Real a21, Real r1, Real q1, Real r2, Real q2, Real x1, Real tau) {
  const Real x2 = 1 - x1;
  const Real l1 = 5 * (r1 - q1) - r1 + 1;
  const Real l2 = 5 * (r2 - q2) - r2 + 1;
  const Real t12 = std::exp(-a12 / tau);
  const Real t21 = std::exp(-a21 / tau);
  const Real sumR = r1 * x1 + r2 * x2;
  const Real sumQ = q1 * x1 + q2 * x2;
  const Real phi2 = r2 * x2 / sumR;
  const Real theta1 = q1 * x1 / sumQ;
  const Real theta2 = q2 * x2 / sumQ;
  return (r1 / sumR) * std::pow((q1 / r1) * sumR / sumQ, 5 * q1) *
         std::exp(phi2 * (l1 - r1 * l2 / r2) +
                  q1 * theta2 * (t21 / (theta1 + theta2 * t21) - t12 / (theta1 * t12 + theta2))) /
         std::pow(theta1 + theta2 * t21, q1);
}

class BinaryFormTest : public testing::BuiltInDatabaseTest {};

TEST_F(BinaryFormTest, MulticomponentModelsReduceToTheBinaryFormulas) {
  for (const Real x1 : {0.0L, 0.1L, 0.5L, 0.9L, 1.0L}) {
    const ComponentVector x = {x1, 1 - x1};
    const Real t = (kTau - 1) * 273.15L;
    const Real V1 = MolarVolume(ComponentBase[0], t);
    const Real V2 = MolarVolume(ComponentBase[3], t);

    const TVLEParams wilson = MakeParams('W', {0, 3});
    EXPECT_NEAR(Coefficients(*MakeModel(wilson), x, kTau)[0],
                BinaryWilson(wilson.WilsonA[0][1], wilson.WilsonA[1][0], V1, V2, x1, kTau), 1e-15L)
        << "Wilson at x1 = " << static_cast<double>(x1);

    TVLEParams nrtl = MakeParams('N', {0, 3});
    EXPECT_NEAR(Coefficients(*MakeModel(nrtl), x, kTau)[0],
                BinaryNrtl(nrtl.NrtlB[0][1], nrtl.NrtlB[1][0], 0.3L, V1, V2, x1, kTau), 1e-15L)
        << "NRTL at x1 = " << static_cast<double>(x1);

    const TVLEParams uniquac = MakeParams('Q', {0, 3});
    const ComponentConstants c = ConstantsOf(uniquac);
    EXPECT_NEAR(Coefficients(*MakeModel(uniquac), x, kTau)[0],
                BinaryUniquac(uniquac.UniquacA[0][1], uniquac.UniquacA[1][0], c.r[0], c.q[0],
                              c.r[1], c.q[1], x1, kTau),
                1e-14L)
        << "UNIQUAC at x1 = " << static_cast<double>(x1);
  }
}

// ------------------------------------------------------ particular settings

class ModelSettingTest : public testing::BuiltInDatabaseTest {};

TEST_F(ModelSettingTest, WilsonWithZeroParametersStillFeelsTheMolarVolumes) {
  TVLEParams params = MakeParams('W', {0, 1});
  params.WilsonA = {};
  const ComponentVector x = {0.4L, 0.6L};
  const ComponentVector gamma = Coefficients(*MakeModel(params), x, kTau);
  const Real t = (kTau - 1) * 273.15L;
  const Real V1 = MolarVolume(ComponentBase[0], t);
  const Real V2 = MolarVolume(ComponentBase[1], t);
  EXPECT_NEAR(gamma[0], BinaryWilson(0, 0, V1, V2, 0.4L, kTau), 1e-15L);
  EXPECT_GT(std::fabs(gamma[0] - 1), 0.01L);  // Lambda = V_j / V_i, not 1

  // The same component twice has equal molar volumes: an ideal solution.
  params.Indexes = {0, 0};
  const ComponentVector same = Coefficients(*MakeModel(params), x, kTau);
  EXPECT_EQ(same[0], 1);
  EXPECT_EQ(same[1], 1);
}

TEST_F(ModelSettingTest, NrtlWithZeroEnergiesIsIdeal) {
  TVLEParams params = MakeParams('N', {0, 1, 2, 3});
  params.NrtlB = {};
  const ComponentVector gamma = Coefficients(*MakeModel(params), {0.1L, 0.2L, 0.3L, 0.4L}, kTau);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(gamma[i], 1);
}

TEST_F(ModelSettingTest, UniquacCombinatorialTermVanishesForUnitRAndQ) {
  const std::array<Real, 4> ones = {1, 1, 1, 1};
  for (const ComponentVector& x : {ComponentVector{0.5L, 0.5L}, ComponentVector{0.1L, 0.0L, 0.9L},
                                   ComponentVector{0.7L, 0.1L, 0.1L, 0.1L}}) {
    ComponentVector gammaC{};
    CombinatorialFactors(4, ones, ones, x, gammaC);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(gammaC[i], 1, 1e-18L);
  }
}

TEST_F(ModelSettingTest, UnifacComponentOfOneGroupTakesItsMixtureFactor) {
  // comp.2 consists of group 6 alone; its residual factor is the mixture's
  // Gamma of group 6 to the power nu = 1, with no pure-component reference.
  const TVLEParams params = MakeParams('F', {0, 1});
  auto model = MakeModel(params);
  const ComponentVector x = {0.3L, 0.7L};
  const ComponentVector gamma = Coefficients(*model, x, kTau);
  GroupVector mixture{};
  ResidualFactors(params.G, params.Q, model->GroupFractions, params.GroupA, kTau, mixture);
  ASSERT_EQ(params.Numbers[2], 6);
  EXPECT_EQ(gamma[1], mixture[2] * model->CombFactors[1]);
}

TEST_F(ModelSettingTest, UnifacPureReferenceUsesTheComponentsOwnParameters) {
  // comp.1 with an own group matrix that differs from the mixture's: its
  // reference Gamma^(i) must come from its own parameters.
  TVLEParams params = MakeParams('F', {0, 1});
  GroupBlock& own = params.CompGroups[0];
  own.A[0][1] += 0.3L;
  auto model = MakeModel(params);
  const ComponentVector x = {0.6L, 0.4L};
  const ComponentVector gamma = Coefficients(*model, x, kTau);
  GroupVector mixture{};
  ResidualFactors(params.G, params.Q, model->GroupFractions, params.GroupA, kTau, mixture);
  GroupVector pure{};
  ResidualFactors(own.G, own.Q, own.X, own.A, kTau, pure);
  // Groups (1 A) and (5 A) of comp.1 are mixture groups 0 and 1.
  EXPECT_NEAR(gamma[0], (mixture[0] / pure[0]) * (mixture[1] / pure[1]) * model->CombFactors[0],
              1e-16L);
}

TEST_F(ModelSettingTest, UnifacGroupFractionsCountNumberAndLetter) {
  // comp.1 (1 A, 5 A) and comp.3 (5 B): group 5 B belongs to comp.3 alone.
  const TVLEParams params = MakeParams('F', {0, 2});
  GroupVector X{};
  const ComponentVector x = {0.25L, 0.75L};
  MixtureGroupFractions(2, params.G, params.Numbers, params.Letters, params.CompGroups, x, X);
  // Groups per molecule: comp.1 two, comp.3 one; 0.25*2 + 0.75*1 = 1.25.
  EXPECT_NEAR(X[0], 0.25L / 1.25L, 1e-18L);  // 1 A
  EXPECT_NEAR(X[1], 0.25L / 1.25L, 1e-18L);  // 5 A
  EXPECT_NEAR(X[2], 0.75L / 1.25L, 1e-18L);  // 5 B
}

TEST_F(ModelSettingTest, DoublingEnergiesAndTemperatureLeavesUniquacAndUnifacUnchanged) {
  const ComponentVector x = {0.2L, 0.5L, 0.3L};
  for (const char letter : {'Q', 'F'}) {
    const TVLEParams params = MakeParams(letter, {0, 2, 3});
    TVLEParams doubled = params;
    for (auto& row : doubled.UniquacA) {
      for (auto& a : row) a *= 2;
    }
    for (auto& row : doubled.GroupA) {
      for (auto& a : row) a *= 2;
    }
    for (auto& block : doubled.CompGroups) {
      for (auto& row : block.A) {
        for (auto& a : row) a *= 2;
      }
    }
    const ComponentVector gamma = Coefficients(*MakeModel(params), x, kTau);
    const ComponentVector gammaDoubled = Coefficients(*MakeModel(doubled), x, 2 * kTau);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(gamma[i], gammaDoubled[i]) << letter << " " << i;
  }
}

// ----------------------------------------------------------------- faults

struct FaultCase {
  const char* name;
  std::function<void()> evaluate;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class ModelFaultTest : public testing::BuiltInDatabaseTest,
                       public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ModelFaultTest, ThrowsNumericFailure) {
  EXPECT_THROW(GetParam().evaluate(), NumericFailure);
}

void Evaluate(TVLEParams params, ComponentVector x, Real tau) {
  auto model = MakeModel(params);
  Coefficients(*model, x, tau);
}

TVLEParams WithHugeUnifacParameter() {
  TVLEParams params = MakeParams('F', {0, 1});
  params.GroupA[0][1] = -1e6L;  // exp(1e6 / tau) overflows
  return params;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ModelFaultTest,
    ::testing::Values(FaultCase{"wilson_without_liquid",
                                [] {
                                  Evaluate(MakeParams('W', {0, 1}), {}, kTau);
                                }},
                      FaultCase{"nrtl_without_liquid",
                                [] {
                                  Evaluate(MakeParams('N', {0, 1}), {}, kTau);
                                }},
                      FaultCase{"uniquac_without_liquid",
                                [] {
                                  Evaluate(MakeParams('Q', {0, 1}), {}, kTau);
                                }},
                      FaultCase{"unifac_without_liquid",
                                [] {
                                  Evaluate(MakeParams('F', {0, 1}), {}, kTau);
                                }},
                      FaultCase{"wilson_at_zero_temperature",
                                [] {
                                  Evaluate(MakeParams('W', {0, 1}), {0.5L, 0.5L}, 0);
                                }},
                      FaultCase{"uniquac_at_zero_temperature",
                                [] {
                                  Evaluate(MakeParams('Q', {0, 1}), {0.5L, 0.5L}, 0);
                                }},
                      FaultCase{"unifac_overflow",
                                [] {
                                  Evaluate(WithHugeUnifacParameter(), {0.5L, 0.5L}, kTau);
                                }},
                      FaultCase{"wilson_overflow",
                                [] {
                                  TVLEParams params = MakeParams('W', {0, 1});
                                  params.WilsonA[0][1] = -1e6L;
                                  Evaluate(params, {0.5L, 0.5L}, kTau);
                                }},
                      // The overflowing factor meets a zero fraction: the
                      // product is no number, not zero.
                      FaultCase{"wilson_overflow_beside_a_zero_fraction",
                                [] {
                                  TVLEParams params = MakeParams('W', {0, 1});
                                  params.WilsonA[0][1] = -1e6L;
                                  Evaluate(params, {1, 0}, kTau);
                                }},
                      FaultCase{"nrtl_overflow_beside_a_zero_fraction",
                                [] {
                                  TVLEParams params = MakeParams('N', {0, 1});
                                  params.NrtlB[1][0] = -1e6L;
                                  Evaluate(params, {1, 0}, kTau);
                                }},
                      FaultCase{"uniquac_overflow_beside_a_zero_fraction",
                                [] {
                                  TVLEParams params = MakeParams('Q', {0, 1});
                                  params.UniquacA[1][0] = -1e6L;
                                  Evaluate(params, {1, 0}, kTau);
                                }},
                      FaultCase{"unifac_overflow_beside_a_zero_fraction",
                                [] {
                                  TVLEParams params = WithHugeUnifacParameter();
                                  Evaluate(params, {1, 0}, kTau);
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModelSettingTest, UnknownModelLetterMakesNoModel) {
  TVLEParams params = MakeParams('W', {0, 1});
  params.ModelLetter = 'X';
  EXPECT_THROW(MakeModel(params), std::invalid_argument);
}

}  // namespace
}  // namespace vexilor
