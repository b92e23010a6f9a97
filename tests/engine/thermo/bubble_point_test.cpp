#include "engine/thermo/bubble_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/shell/failures.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_fixtures.h"
#include "engine/thermo/vle_models.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::ConstantsOf;
using testing::MakeParams;
using testing::NamesOf;
using testing::ScriptedDialog;

constexpr Real kAtmospherePa = 760 * 133.3L;

std::unique_ptr<TVLEObj> MakeModel(const TVLEParams& params) {
  return CreateVLEObj(params, NamesOf(params), ConstantsOf(params));
}

// A model with activity coefficients given by a function, which records the
// temperature of every evaluation.
class ScriptedModel : public TVLEObj {
 public:
  using Function = std::function<void(const ComponentVector& x, ComponentVector& gamma, Real tau)>;
  ScriptedModel(const TVLEParams& params, Function function)
      : TVLEObj(params, NamesOf(params), ConstantsOf(params)), function_(std::move(function)) {}

  void ActivityCoefficients(ComponentVector x, ComponentVector& gamma, Real tau) override {
    Temperatures.push_back(tau);
    function_(x, gamma, tau);
  }

  std::vector<Real> Temperatures;

 private:
  Function function_;
};

void Ideal(const ComponentVector&, ComponentVector& gamma, Real) {
  gamma.fill(1);
}

// ------------------------------------------------------------ search steps

TEST(QuadraticStartTest, ParabolaWithADoubleRootStartsThere) {
  // (z - 1.7)^2 sampled at 1, 1.5, 2.
  auto F = [](Real z) { return (z - 1.7L) * (z - 1.7L); };
  EXPECT_NEAR(QuadraticStart(F, 1, 2), 1.7L, 1e-9L);
}

TEST(QuadraticStartTest, TakesTheRootNearerTheBestSample) {
  // Roots 0.5 and 3 of (z - 0.5)(z - 3), sampled at 0, 1, 2: f1 = -1 is the
  // value nearest zero, and 0.5 is the root nearer to z = 1.
  auto F = [](Real z) { return (z - 0.5L) * (z - 3); };
  EXPECT_NEAR(QuadraticStart(F, 0, 2), 0.5L, 1e-15L);
}

TEST(QuadraticStartTest, ThirdSampleIsComparedWithTheSignedBestValue) {
  // (z + 0.5)(z - 2.1) at 0, 1, 2 gives -1.05, -1.65, -0.25. The third
  // sample is nearest zero, but |f2| = 0.25 is not below the signed best
  // value f0 = -1.05, so z0 stays the best sample and the root -0.5 is taken.
  auto F = [](Real z) { return (z + 0.5L) * (z - 2.1L); };
  EXPECT_NEAR(QuadraticStart(F, 0, 2), -0.5L, 1e-15L);
}

TEST(QuadraticStartTest, ParabolaWithoutRealRootOrCurvatureFails) {
  auto noRoot = [](Real z) { return z * z + 1; };
  EXPECT_THROW(QuadraticStart(noRoot, 0, 2), NumericFailure);
  auto straight = [](Real z) { return z - 5; };
  EXPECT_THROW(QuadraticStart(straight, 0, 2), NumericFailure);
}

TEST(SecantRootTest, LastEvaluationIsTheOffsetPointOfTheFinalStep) {
  std::vector<Real> evaluated;
  auto F = [&](Real z) {
    evaluated.push_back(z);
    return std::exp(z) - 2;
  };
  const Real root = SecantRoot(F, 1, 0.02L, 1e-6L);
  EXPECT_NEAR(root, std::log(2.0L), 1e-12L);
  // Each step evaluates F(d) and F(d + a); the last one is F(d + a) with
  // a half the previous correction, away from the root.
  ASSERT_EQ(evaluated.size() % 2, 0u);
  const std::size_t last = evaluated.size() - 1;
  const Real d = evaluated[last - 1];
  const Real previousD = evaluated[last - 3];
  EXPECT_EQ(evaluated[last], d + (d - previousD) / 2);
}

TEST(SecantRootTest, FlatOrRunawayFunctionFailsInsteadOfHanging) {
  auto flat = [](Real) { return Real{1}; };
  EXPECT_THROW(SecantRoot(flat, 0, 0.02L, 1e-6L), NumericFailure);
  // z / (1 + z^2) sends the secant off towards infinity, doubling z each
  // step: the step limit stops it.
  auto runaway = [](Real z) { return z / (1 + z * z); };
  try {
    SecantRoot(runaway, 3, 0.5L, 1e-6L);
    ADD_FAILURE() << "no failure";
  } catch (const NumericFailure& failure) {
    EXPECT_EQ(failure.Routine(), "SecantRoot");
  }
}

// ------------------------------------------------------------ bubble point

class BubblePointTest : public testing::BuiltInDatabaseTest {};

TEST_F(BubblePointTest, LeavesTheValuesOfTheLastEvaluationInTauGammaAndY) {
  ScriptedModel model(MakeParams('W', {0, 1}),
                      [](const ComponentVector& x, ComponentVector& gamma, Real tau) {
                        gamma[0] = 1 + x[1] * tau / 4;
                        gamma[1] = 1 + x[0] * tau / 3;
                      });
  ComponentVector x = {0.3L, 0.7L};
  ComponentVector gamma{};
  ComponentVector y{};
  Real tau = 0;
  Real P = kAtmospherePa;
  model.Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);

  // Three samples for the start, then two evaluations per secant step.
  ASSERT_GE(model.Temperatures.size(), 5u);
  EXPECT_EQ(model.Temperatures.size() % 2, 1u);
  EXPECT_EQ(model.Temperatures[0], 1.01L);
  EXPECT_EQ(model.Temperatures[2], 1.2L);
  EXPECT_EQ(tau, model.Temperatures.back());
  EXPECT_EQ(P, kAtmospherePa);
  for (int i = 0; i < 2; ++i) {
    const Real gammaAtTau = i == 0 ? 1 + x[1] * tau / 4 : 1 + x[0] * tau / 3;
    EXPECT_EQ(gamma[i], gammaAtTau);
    EXPECT_EQ(y[i], model.VapourPressureOf(i, tau) * x[i] * gamma[i] / P);
  }
  // The secant's final estimate lies half a step away from that point.
  EXPECT_NEAR(y[0] + y[1], 1, 1e-3L);
}

TEST_F(BubblePointTest, IdealMixtureBoilsWhereTheRaoultSumEqualsThePressure) {
  ScriptedModel model(MakeParams('W', {0, 1, 2, 3}), Ideal);
  ComponentVector x = {0.1L, 0.4L, 0.3L, 0.2L};
  ComponentVector gamma{};
  ComponentVector y{};
  Real tau = 0;
  Real P = kAtmospherePa;
  model.Equilibrium('t', 'Y', 1.01L, 1.2L, tau, P, x, gamma, y);
  Real raoult = 0;
  for (int i = 0; i < 4; ++i) raoult += x[i] * model.VapourPressureOf(i, tau);
  EXPECT_NEAR(raoult / P, 1, 1e-4L);
  EXPECT_GT(tau, 1.2L);  // found beyond the bracket, by extrapolation
  EXPECT_LT(tau, 1.4L);
}

TEST_F(BubblePointTest, BubblePressureAtAGivenTemperature) {
  auto model = MakeModel(MakeParams('N', {0, 1}));
  ComponentVector x = {0.4L, 0.6L};
  ComponentVector gamma{};
  ComponentVector y{};
  Real tau = 1.27L;
  Real P = 0;
  model->Equilibrium('P', 'y', 600, 900, tau, P, x, gamma, y);
  EXPECT_EQ(tau, 1.27L);
  Real expected = 0;
  for (int i = 0; i < 2; ++i) expected += x[i] * gamma[i] * model->VapourPressureOf(i, tau);
  EXPECT_NEAR(P / expected, 1, 1e-6L);
}

struct EquilibriumCase {
  const char* name;
  char letter;
  std::vector<std::uint16_t> indexes;
  ComponentVector x;
};

void PrintTo(const EquilibriumCase& c, std::ostream* os) {
  *os << c.name;
}

class EquilibriumModelTest : public testing::BuiltInDatabaseTest,
                             public ::testing::WithParamInterface<EquilibriumCase> {
 protected:
  std::unique_ptr<TVLEObj> Model() const {
    return MakeModel(MakeParams(GetParam().letter, GetParam().indexes));
  }
  int N() const { return static_cast<int>(GetParam().indexes.size()); }
};

// The reduced temperature at which a pure component's vapour pressure is P,
// by bisection.
Real BoilingTau(const TVLEObj& model, int i, Real P) {
  Real lo = 1;
  Real hi = 2;
  for (int step = 0; step < 100; ++step) {
    const Real mid = (lo + hi) / 2;
    (model.VapourPressureOf(i, mid) < P ? lo : hi) = mid;
  }
  return lo;
}

TEST_P(EquilibriumModelTest, PureComponentBoilsAtItsVapourPressure) {
  const auto model = Model();
  for (int i = 0; i < N(); ++i) {
    ComponentVector x{};
    x[i] = 1;
    ComponentVector gamma{};
    ComponentVector y{};
    Real tau = 0;
    Real P = kAtmospherePa;
    model->Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
    // tau is the last point evaluated, half the previous secant correction
    // beyond the root: here within 0.1 K of it.
    EXPECT_NEAR(tau, BoilingTau(*model, i, P), 0.1L / 273.15L) << "component " << i;
    EXPECT_NEAR(gamma[i], 1, 1e-15L);
    EXPECT_EQ(y[i], model->VapourPressureOf(i, tau) * gamma[i] / P);
  }
}

TEST_P(EquilibriumModelTest, DewPointOfTheBubbleVapourGivesBackTheLiquid) {
  const auto model = Model();
  ComponentVector x = GetParam().x;
  ComponentVector gamma{};
  ComponentVector y{};
  Real tauBubble = 0;
  Real P = kAtmospherePa;
  model->Equilibrium('T', 'y', 1.01L, 1.2L, tauBubble, P, x, gamma, y);

  // The vapour as a composition: the bubble search stops a little off the
  // root, so sum y differs from 1 by that little.
  Real sumY = 0;
  for (int i = 0; i < N(); ++i) sumY += y[i];
  for (int i = 0; i < N(); ++i) y[i] /= sumY;

  ComponentVector liquid{};
  Real tau = 0;
  model->Equilibrium('T', 'x', 0, 0, tau, P, liquid, gamma, y);
  EXPECT_EQ(liquid[N()], tau);
  EXPECT_NEAR(tau, tauBubble, 1e-4L);
  for (int i = 0; i < N(); ++i) EXPECT_NEAR(liquid[i], x[i], 1e-4L) << "component " << i;

  // And the dew pressure at the bubble temperature.
  ComponentVector liquidAtTau{};
  Real pressure = 0;
  model->Equilibrium('p', 'X', 0, 0, tauBubble, pressure, liquidAtTau, gamma, y);
  EXPECT_EQ(liquidAtTau[N()], pressure);
  EXPECT_NEAR(pressure / P, 1, 1e-3L);
  for (int i = 0; i < N(); ++i) EXPECT_NEAR(liquidAtTau[i], x[i], 1e-3L) << "component " << i;
}

// A model object keeps what its earlier work found (table segments, the
// terms of the temperatures every search starts from); none of it may show
// in a result. A used object must answer bit for bit like a fresh one.
TEST_P(EquilibriumModelTest, EarlierSearchesLeaveNoTraceInTheResults) {
  std::vector<ComponentVector> liquids;
  for (int k = 0; k <= 8; ++k) {
    ComponentVector x{};
    for (int i = 0; i < N(); ++i)
      x[i] = (GetParam().x[i] + 0.1L * ((i + k) % 3)) / (1 + 0.1L * N());
    liquids.push_back(x);
  }
  const auto used = Model();
  for (ComponentVector x : liquids) {
    for (const char what : {'T', 'P'}) {
      ComponentVector gamma{};
      ComponentVector y{};
      Real tau = what == 'T' ? 0 : 1.25L;
      Real P = what == 'T' ? kAtmospherePa : 0;
      used->Equilibrium(what, 'y', what == 'T' ? 1.01L : 100, what == 'T' ? 1.2L : 1000, tau, P, x,
                        gamma, y);
      const auto fresh = Model();
      ComponentVector freshGamma{};
      ComponentVector freshY{};
      Real freshTau = what == 'T' ? 0 : 1.25L;
      Real freshP = what == 'T' ? kAtmospherePa : 0;
      fresh->Equilibrium(what, 'y', what == 'T' ? 1.01L : 100, what == 'T' ? 1.2L : 1000, freshTau,
                         freshP, x, freshGamma, freshY);
      EXPECT_EQ(tau, freshTau) << what;
      EXPECT_EQ(P, freshP) << what;
      for (int i = 0; i < N(); ++i) {
        EXPECT_EQ(gamma[i], freshGamma[i]) << what << " component " << i;
        EXPECT_EQ(y[i], freshY[i]) << what << " component " << i;
      }
    }
  }
  // Single evaluations at the start temperatures and next to them, with
  // another liquid.
  const ComponentVector other = liquids[3];
  const Real middle = 1.01L + (1.2L - 1.01L) / 2;
  for (const Real tau : {1.01L, 1.01L + 1e-12L, middle, middle - 1e-9L, 1.2L, 1.2L + 1e-15L}) {
    ComponentVector gamma{};
    used->PrepareComposition(other);
    used->ActivityCoefficients(other, gamma, tau);
    const auto fresh = Model();
    ComponentVector freshGamma{};
    fresh->PrepareComposition(other);
    fresh->ActivityCoefficients(other, freshGamma, tau);
    for (int i = 0; i < N(); ++i) EXPECT_EQ(gamma[i], freshGamma[i]) << "component " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Models, EquilibriumModelTest,
    ::testing::Values(EquilibriumCase{"wilson", 'W', {0, 1}, {0.3L, 0.7L}},
                      EquilibriumCase{"nrtl", 'N', {0, 1, 2}, {0.2L, 0.5L, 0.3L}},
                      EquilibriumCase{"uniquac", 'Q', {0, 2, 3}, {0.3L, 0.3L, 0.4L}},
                      EquilibriumCase{"unifac", 'F', {0, 1, 2, 3}, {0.25L, 0.35L, 0.3L, 0.1L}}),
    [](const auto& info) { return std::string(info.param.name); });

// The model classes search with their own evaluation built in; a class
// derived from one that evaluates otherwise must still be asked for every
// evaluation of the search.
class CountedWilson : public TWilsonObj {
 public:
  using TWilsonObj::TWilsonObj;
  void ActivityCoefficients(ComponentVector x, ComponentVector& gamma, Real tau) override {
    ++Evaluations;
    TWilsonObj::ActivityCoefficients(x, gamma, tau);
  }
  int Evaluations = 0;
};

TEST_F(BubblePointTest, ADerivedModelEvaluatesEveryStepOfTheSearch) {
  const TVLEParams params = MakeParams('W', {0, 1});
  CountedWilson counted(params, NamesOf(params), ConstantsOf(params));
  TWilsonObj plain(params, NamesOf(params), ConstantsOf(params));
  ComponentVector x{0.3L, 0.7L};
  ComponentVector gamma{};
  ComponentVector y{};
  ComponentVector plainGamma{};
  ComponentVector plainY{};
  Real tau = 0;
  Real plainTau = 0;
  Real P = kAtmospherePa;
  counted.Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
  plain.Equilibrium('T', 'y', 1.01L, 1.2L, plainTau, P, x, plainGamma, plainY);
  // Three samples for the start, two per secant step.
  EXPECT_GE(counted.Evaluations, 5);
  EXPECT_EQ(counted.Evaluations % 2, 1);
  EXPECT_EQ(tau, plainTau);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(y[i], plainY[i]) << i;
}

// ------------------------------------------------------------ odd calls

TEST_F(BubblePointTest, UnknownVariableIsReportedAndFails) {
  for (const char mode : {'y', 'x'}) {
    ScriptedModel model(MakeParams('W', {0, 1}), Ideal);
    ScriptedDialog dialog;
    DialogScope scope(dialog);
    ComponentVector x = {0.5L, 0.5L};
    ComponentVector gamma{};
    ComponentVector y = {0.5L, 0.5L};
    Real tau = 1.2L;
    Real P = kAtmospherePa;
    EXPECT_THROW(model.Equilibrium('Q', mode, 1.01L, 1.2L, tau, P, x, gamma, y), NumericFailure);
    ASSERT_EQ(dialog.Messages.size(), 1u);
    EXPECT_EQ(dialog.Messages[0].Text, "Ошибочный символ \"Q\"");
    EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(dialog.Messages[0].Buttons, ButtonSet::Ok);
    EXPECT_TRUE(model.Temperatures.empty());
  }
}

TEST_F(BubblePointTest, UnknownModeDoesNothing) {
  ScriptedModel model(MakeParams('W', {0, 1}), Ideal);
  ComponentVector x = {0.5L, 0.5L};
  ComponentVector gamma = {7, 7};
  ComponentVector y = {0.1L, 0.2L};
  Real tau = 1.2L;
  Real P = 5;
  model.Equilibrium('T', 'z', 1.01L, 1.2L, tau, P, x, gamma, y);
  EXPECT_TRUE(model.Temperatures.empty());
  EXPECT_EQ(tau, 1.2L);
  EXPECT_EQ(P, 5);
  EXPECT_EQ(gamma[0], 7);
  EXPECT_EQ(y[1], 0.2L);
}

TEST_F(BubblePointTest, DewSearchReportsAFailedInversionAndGoesOn) {
  // Activity coefficients that flip sign across tau = 1.3, the start of the
  // dew temperature, by so much that the difference quotient of the
  // Jacobian overflows: the inversion faults, the fault is reported, and the
  // search goes on with what the inversion left, here to its own failure.
  const ComponentVector vapour = {0.5L, 0.5L};
  TVLEObj* self = nullptr;
  ScriptedModel model(MakeParams('W', {0, 1}), [&](const ComponentVector&, ComponentVector& gamma,
                                                   Real tau) {
    const Real side = tau < 1.3L ? -1 : 1;
    for (int i = 0; i < 2; ++i) {
      gamma[i] = kAtmospherePa * vapour[i] / self->VapourPressureOf(i, tau) / (1.5e4930L * side);
    }
  });
  self = &model;
  ScriptedDialog dialog;
  dialog.AnswerMessage(Answer::Yes);
  DialogScope scope(dialog);
  ComponentVector x{};
  ComponentVector gamma{};
  ComponentVector y = vapour;
  Real tau = 0;
  Real P = kAtmospherePa;
  EXPECT_THROW(model.Equilibrium('T', 'x', 0, 0, tau, P, x, gamma, y), NumericFailure);
  EXPECT_EQ(dialog.MessageTexts(), std::vector<std::string>{"Ошибка при обращении матрицы"});
  EXPECT_EQ(dialog.Messages[0].Buttons, ButtonSet::YesNo);
}

}  // namespace
}  // namespace vexilor
