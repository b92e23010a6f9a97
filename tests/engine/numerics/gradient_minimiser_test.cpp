#include "engine/numerics/gradient_minimiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/shell/failures.h"
#include "solver_test_support.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::kCaseName;
using testing::Vec;

//! One call of the objective, with what the caller's variables held then.
struct Evaluation {
  SolverVector point;
  Real value;
  std::uint16_t counter;
  SolverVector callerX;
  Real callerFval;
};

//! The minimiser's caller in a test: its variables, and a log of every
//! evaluation of the objective.
struct RecordedMinimisation {
  explicit RecordedMinimisation(std::function<Real(const SolverVector&)> objective)
      : f(std::move(objective)) {}

  std::function<Real(const SolverVector&)> f;
  SolverVector x{};
  Real fval = 0;
  std::uint16_t counter = 0;
  std::vector<Evaluation> evaluations;

  ObjectiveProc Objective() {
    return [this](const SolverVector& p) {
      const Real value = f(p);
      evaluations.push_back(Evaluation{p, value, counter, x, fval});
      return value;
    };
  }
  void Run(std::uint8_t n, Real eps) { GradientMinimize(n, counter, fval, Objective(), x, eps); }
};

using MinimiserTest = testing::ScriptedDialogTest;

struct BowlCase {
  const char* name;
  std::uint8_t n;
  std::function<Real(const SolverVector&)> f;
  SolverVector start;
  SolverVector minimum;
  Real eps;
};

class MinimiserBowlTest : public MinimiserTest, public ::testing::WithParamInterface<BowlCase> {};

TEST_P(MinimiserBowlTest, FindsTheMinimum) {
  const BowlCase& c = GetParam();
  RecordedMinimisation run{c.f};
  run.x = c.start;

  run.Run(c.n, c.eps);

  for (std::size_t i = 0; i <= c.n; ++i) {
    EXPECT_NEAR(static_cast<double>(run.x[i]), static_cast<double>(c.minimum[i]),
                static_cast<double>(10 * c.eps))
        << "parameter " << i;
  }
  EXPECT_EQ(run.fval, c.f(run.x)) << "fval is the objective at the returned x";
  EXPECT_EQ(run.evaluations.back().point, run.x) << "the last evaluation is at the result";
}

Real RoundBowl(const SolverVector& p) {
  return (p[0] - 1.5L) * (p[0] - 1.5L) + (p[1] + 0.7L) * (p[1] + 0.7L);
}

Real FlatBowl(const SolverVector& p) {
  return (p[0] - 1.5L) * (p[0] - 1.5L) + 4 * (p[1] + 0.7L) * (p[1] + 0.7L);
}

Real BowlInThreeParameters(const SolverVector& p) {
  return (p[0] - 1) * (p[0] - 1) + 2 * (p[1] - 2) * (p[1] - 2) + 3 * (p[2] - 3) * (p[2] - 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MinimiserBowlTest,
    ::testing::Values(BowlCase{"RoundBowl", 1, RoundBowl, Vec({3, 1}), Vec({1.5L, -0.7L}), 1e-5L},
                      BowlCase{"FlatBowl", 1, FlatBowl, Vec({0, 0}), Vec({1.5L, -0.7L}), 1e-5L},
                      BowlCase{"ThreeParameters", 2, BowlInThreeParameters, Vec({0, 0, 0}),
                               Vec({1, 2, 3}), 1e-6L}),
    kCaseName);

// f = a (x - 1)^2 from x = 0: the first direction is d = 2a, so x + d lies
// at 2a. For a = 2 that overshoots and the search covers [0, 1] of d from
// x = 0; for a = 0.05 the objective falls for nine whole steps of 0.1, the
// caller's x and fval following, and the search covers [0, 2] of d from
// x = 0.9. Each search starts at 0.618034 of its interval.
struct BracketCase {
  const char* name;
  Real a;
  Real bracket;
  int wholeSteps;
};

class MinimiserBracketTest : public MinimiserTest,
                             public ::testing::WithParamInterface<BracketCase> {};

TEST_P(MinimiserBracketTest, SearchesTheBracketOfTheFirstDirection) {
  const BracketCase& c = GetParam();
  RecordedMinimisation run{
      [a = c.a](const SolverVector& p) { return a * (p[0] - 1) * (p[0] - 1); }};

  run.Run(0, 1e-7L);

  // Evaluations 0-2: f(x) and the gradient; 3: x + d.
  const Real d = run.evaluations[3].point[0];
  EXPECT_NEAR(static_cast<double>(d), static_cast<double>(2 * c.a), 1e-15);
  // The line search begins with the first point off the grid of whole steps.
  std::size_t first = 4;
  while (std::fabs(std::remainder(run.evaluations[first].point[0], d)) < 1e-9L * d) ++first;
  const Evaluation& search = run.evaluations[first];
  EXPECT_NEAR(static_cast<double>(search.callerX[0]), c.wholeSteps * static_cast<double>(d), 1e-15);
  EXPECT_EQ(search.callerFval, c.a * (search.callerX[0] - 1) * (search.callerX[0] - 1));
  EXPECT_NEAR(static_cast<double>((search.point[0] - search.callerX[0]) / d),
              static_cast<double>(0.618034L * c.bracket), 1e-12);
  EXPECT_NEAR(static_cast<double>(run.x[0]), 1.0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Cases, MinimiserBracketTest,
                         ::testing::Values(BracketCase{"FirstStepRises", 2, 1, 0},
                                           BracketCase{"FirstStepsFall", 0.05L, 2, 9}),
                         kCaseName);

// With two parameters every second direction is the plain steepest
// descent -g. The direction of iteration k shows in the log: the last
// evaluation while the counter was k - 1 is the new point x', the four
// before it its gradient, and the first evaluation with counter k is
// x' + d.
TEST_F(MinimiserTest, TwoParametersRestartEverySecondIteration) {
  RecordedMinimisation run{[](const SolverVector& p) {
    const Real a = p[0] - 1;
    const Real b = p[1] + 0.5L;
    return a * a + 10 * b * b + a * a * b * b + 0.1L * a * a * a * a;
  }};
  run.x = Vec({-1, 1});

  run.Run(1, 1e-8L);
  ASSERT_GE(run.counter, 7);

  for (std::uint16_t k = 1; k <= 6; ++k) {
    std::size_t last = 0;
    while (run.evaluations[last + 1].counter < k) ++last;
    const std::size_t next = last + 1;
    ASSERT_EQ(run.evaluations[next].counter, k);
    const SolverVector& x = run.evaluations[last].point;
    Real g[2];
    for (std::size_t i = 0; i < 2; ++i) {
      const Evaluation& plus = run.evaluations[last - 4 + 2 * i];
      const Evaluation& minus = run.evaluations[last - 3 + 2 * i];
      g[i] = (plus.value - minus.value) / (plus.point[i] - minus.point[i]);
    }
    const Real d[2] = {run.evaluations[next].point[0] - x[0],
                       run.evaluations[next].point[1] - x[1]};
    const Real cosine =
        -(d[0] * g[0] + d[1] * g[1]) / std::hypot(d[0], d[1]) / std::hypot(g[0], g[1]);
    if (k % 2 == 0) {
      EXPECT_NEAR(static_cast<double>(cosine), 1.0, 1e-9) << "iteration " << k;
    } else {
      EXPECT_LT(static_cast<double>(cosine), 1 - 1e-6) << "iteration " << k;
    }
  }
}

// f = 2 x^2 with eps = 1e-3 from x = 0.01: the line search is too coarse
// to narrow [0, 1] at all and lands on -x, so the search swings between
// 0.01 and -0.01 for ever, six evaluations an iteration. The objective
// counts the iterations by watching the counter change.
class SlowConvergenceTest : public MinimiserTest, public ::testing::WithParamInterface<Answer> {
 protected:
  std::uint16_t counter = 0;
  long iterationsSeen = 0;
  long resetsSeen = 0;
  std::uint16_t highestSeen = 0;

  void Run() {
    std::uint16_t previous = 0;
    const ObjectiveProc f = [&](const SolverVector& p) {
      if (counter != previous) ++(counter < previous ? resetsSeen : iterationsSeen);
      highestSeen = std::max(highestSeen, counter);
      previous = counter;
      return 2 * p[0] * p[0];
    };
    SolverVector x = Vec({0.01L});
    Real fval = 0;
    GradientMinimize(0, counter, fval, f, x, 1e-3L);
  }
};

TEST_P(SlowConvergenceTest, AsksEvery30000IterationsUntilAborted) {
  dialog.AnswerMessage(GetParam()).AnswerMessage(Answer::Abort);

  try {
    Run();
    FAIL() << "the minimiser returned";
  } catch (const ProgramTermination& end) {
    EXPECT_EQ(end.Message(), kSlowGradientText);
  }

  const std::string question =
      "Слишком медленная сходимость градиентного метода. Желаете\r\n"
      "продолжить вычисления? Или закончить работу процедуры?";
  ASSERT_EQ(dialog.Messages.size(), 2u);
  for (const auto& message : dialog.Messages) {
    EXPECT_EQ(message.Kind, MessageKind::Confirmation);
    EXPECT_EQ(message.Buttons, ButtonSet::AbortRetry);
    EXPECT_EQ(message.Text, question);
  }
  EXPECT_TRUE(dialog.ScriptDone());
  // The first answer set the counter back to 0 after 30001 iterations;
  // the second question came at the 30001st iteration after that, before
  // the objective could see the last increment.
  EXPECT_EQ(highestSeen, 30000);
  EXPECT_EQ(resetsSeen, 1);
  EXPECT_EQ(iterationsSeen, 30000 + 30000);
  EXPECT_EQ(counter, 30001);
}

INSTANTIATE_TEST_SUITE_P(AnswersThatGoOn, SlowConvergenceTest,
                         ::testing::Values(Answer::Retry, Answer::Closed), [](const auto& info) {
                           return std::string(info.param == Answer::Retry ? "Retry" : "Closed");
                         });

// The golden-section search runs while eps < (b - a) (sum d^2)^2: the
// same line searched along a direction ten times longer needs far more
// steps. phi(lambda) = (lambda - 0.3)^2 on [0, 1] in every case, and the
// number of narrowing steps is the smallest k with 0.618034^k D <= eps.
struct GoldenCase {
  const char* name;
  Real length;
  int steps;
};

class GoldenSearchTest : public MinimiserTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenSearchTest, NarrowsUntilTheWidthTimesDIsBelowEps) {
  const GoldenCase& c = GetParam();
  int evaluations = 0;
  const ObjectiveProc phi = [&](const SolverVector& p) {
    ++evaluations;
    const Real lambda = p[0] / c.length;
    return (lambda - 0.3L) * (lambda - 0.3L);
  };
  const Real eps = 1e-6L;
  const Real D = c.length * c.length * c.length * c.length;

  const Real L = GoldenSearch(0, phi, Vec({0}), Vec({c.length}), 1, eps);

  EXPECT_EQ(evaluations, 2 + c.steps);
  EXPECT_NEAR(static_cast<double>(L), 0.3, static_cast<double>(eps / D));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenSearchTest,
                         ::testing::Values(GoldenCase{"ShortDirection", 0.1L, 10},
                                           GoldenCase{"UnitDirection", 1, 29},
                                           GoldenCase{"LongDirection", 10, 48}),
                         kCaseName);

TEST_F(MinimiserTest, GoldenSearchThatCannotNarrowFurtherFails) {
  // Along d = 1e5 the search would have to narrow [0, 1] below 1e-25
  // around 0.3, far finer than the reals there: it gives up instead of
  // cycling for ever.
  long evaluations = 0;
  const ObjectiveProc phi = [&](const SolverVector& p) {
    ++evaluations;
    const Real lambda = p[0] / 1e5L;
    return (lambda - 0.3L) * (lambda - 0.3L);
  };

  EXPECT_THROW(GoldenSearch(0, phi, Vec({0}), Vec({1e5L}), 1, 1e-5L), NumericFailure);
  EXPECT_EQ(evaluations, 2 + kGoldenStepLimit);
}

TEST_F(MinimiserTest, GradientUsesAHundredthOfTheStepPlusPointFirst) {
  std::vector<SolverVector> points;
  const ObjectiveProc f = [&](const SolverVector& p) {
    points.push_back(p);
    return p[0] * p[0] + 3 * p[1];
  };
  SolverVector g{};

  NumericGradient(1, f, Vec({2, 5}), 0.5L, g);

  const Real h = 0.5L / 100;
  EXPECT_EQ(points, (std::vector<SolverVector>{Vec({2 + h, 5}), Vec({2 - h, 5}), Vec({2, 5 + h}),
                                               Vec({2, 5 - h})}));
  EXPECT_NEAR(static_cast<double>(g[0]), 4, 1e-15);
  EXPECT_NEAR(static_cast<double>(g[1]), 3, 1e-15);
}

TEST_F(MinimiserTest, ArithmeticFaultsThrowNumericFailure) {
  SolverVector g{};
  const ObjectiveProc smooth = [](const SolverVector& p) { return p[0] * p[0]; };
  EXPECT_THROW(NumericGradient(0, smooth, Vec({1}), 0, g), NumericFailure) << "zero step";

  RecordedMinimisation run{[](const SolverVector& p) {
    return p[0] < 0.5L ? std::numeric_limits<Real>::infinity() : (p[0] - 1) * (p[0] - 1);
  }};
  run.x = Vec({2});
  EXPECT_THROW(run.Run(0, 1e-6L), NumericFailure) << "infinite objective";
}

TEST_F(MinimiserTest, StationaryStartReturnsAtOnce) {
  // A zero gradient gives a zero direction; the conjugation factor is not
  // divided by the vanished gradient.
  RecordedMinimisation run{[](const SolverVector&) { return 7.0L; }};
  run.x = Vec({1, 2});

  run.Run(1, 1e-5L);

  EXPECT_EQ(run.counter, 1);
  EXPECT_EQ(run.x, Vec({1, 2}));
  EXPECT_EQ(run.fval, 7);
}

TEST_F(MinimiserTest, RejectsMoreParametersThanTheVectorsHold) {
  RecordedMinimisation run{[](const SolverVector&) { return 0.0L; }};
  EXPECT_THROW(run.Run(66, 1e-5L), std::invalid_argument);
  EXPECT_TRUE(run.evaluations.empty());
}

}  // namespace
}  // namespace vexilor
