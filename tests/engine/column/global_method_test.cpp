#include "engine/column/global_method.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::ScriptedDialog;

constexpr Real kEps = 1e-9L;

// f(x) = sum w_i (x_i - c_i)^2 over the first `count` unknowns: a bowl
// whose narrowness w makes conjugate gradients work for their minimum.
struct Bowl {
  int count = 3;
  std::array<Real, 3> weights{1, 4, 9};
  std::array<Real, 3> centre{0.3L, -0.2L, 0.5L};
  long evaluations = 0;

  Real operator()(const SolverVector& x) {
    ++evaluations;
    Real sum = 0;
    for (int i = 0; i < count; ++i) sum += weights[i] * (x[i] - centre[i]) * (x[i] - centre[i]);
    return sum;
  }
};

// An objective whose minimum is reached only very slowly (a long curved
// valley), so that the slow-convergence dialogue comes up.
Real Valley(const SolverVector& x) {
  const Real a = x[1] - x[0] * x[0];
  return 100 * a * a + (1 - x[0]) * (1 - x[0]);
}

// Rosenbrock's start in the valley.
SolverVector ValleyStart() {
  SolverVector x{};
  x[0] = -1.2L;
  x[1] = 1;
  return x;
}

class GlobalMethodTest : public ::testing::Test {
 protected:
  void SetUp() override { Lang = 1; }
  void TearDown() override { Lang = savedLang_; }

  ScriptedDialog dialog_;
  DialogScope scope_{dialog_};

 private:
  std::uint8_t savedLang_ = Lang;
};

TEST_F(GlobalMethodTest, GoldenSectionFindsTheMinimumAlongTheDirection) {
  Bowl bowl;
  GlobalSearch search(std::ref(bowl), 2, false);
  const SolverVector x{};
  SolverVector d{};
  d[0] = 1;  // along the first unknown: minimum at t = 0.3
  const Real t = search.GoldenSection(1, x, d, kEps);
  EXPECT_NEAR(t, 0.3L, 1e-8L);
  // The interval ends below eps / D: 0.618^k <= 1e-9 after 44 steps, plus
  // the two first points.
  EXPECT_EQ(bowl.evaluations, 2 + 44);
  // A zero direction brackets nothing: the middle of [0, alpha].
  EXPECT_EQ(search.GoldenSection(0.8L, x, SolverVector{}, kEps), 0.4L);
}

TEST_F(GlobalMethodTest, GradientIsTheCentralDifferenceWithAHundredthOfTheStep) {
  Bowl bowl;
  GlobalSearch search(std::ref(bowl), 2, false);
  SolverVector x{};
  x[1] = 1;
  SolverVector g{};
  search.NumGradient(x, g);  // exact for a quadratic
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(g[i], 2 * bowl.weights[i] * (x[i] - bowl.centre[i]), 1e-15L) << i;
  EXPECT_EQ(bowl.evaluations, 6);
  EXPECT_EQ(search.Alpha(), 0.2L);
}

TEST_F(GlobalMethodTest, ConvergesToTheMinimumOfABowl) {
  Bowl bowl;
  GlobalSearch search(std::ref(bowl), 2, false);
  SolverVector x{};
  Real c = 0.6L;
  std::uint16_t counter = 0;
  Real fBest = -1;
  search.Run(c, counter, x, fBest, 1e-16L, kEps);
  EXPECT_LT(fBest, 1e-16L);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(x[i], bowl.centre[i], 1e-8L);
  EXPECT_EQ(search.GlobalStatus(), kGlobalConverged);
  EXPECT_EQ(search.TotalIterations(), counter);
  EXPECT_TRUE(dialog_.ScriptDone());
}

TEST_F(GlobalMethodTest, StartBelowTheBreakMeasureStillMakesOneIteration) {
  Bowl bowl;
  GlobalSearch search(std::ref(bowl), 2, false);
  SolverVector x{};
  for (int i = 0; i < 3; ++i) x[i] = bowl.centre[i] + 1e-6L;
  Real c = 0.6L;
  std::uint16_t counter = 0;
  Real fBest = 0;
  search.Run(c, counter, x, fBest, 1, kEps);
  EXPECT_EQ(counter, 1);
  EXPECT_LT(std::fabs(x[0] - bowl.centre[0]), 1e-6L);
}

TEST_F(GlobalMethodTest, SlowConvergenceWithoutTheBlockAsksForNewConstants) {
  // Stopped after the second dialogue: 51 iterations, then 6 more.
  GlobalSearch limited(Valley, 1, /*blockInFile=*/false, 57);
  dialog_.AnswerReal(0.3L).AnswerInteger(5).AnswerReal(0.3L).AnswerInteger(5);
  SolverVector x = ValleyStart();
  Real c = 0.6L;
  std::uint16_t counter = 0;
  Real fBest = 0;
  limited.Run(c, counter, x, fBest, 0, kEps);

  ASSERT_EQ(dialog_.NumberRequests.size(), 4u);
  EXPECT_TRUE(dialog_.AlternativeRequests.empty());
  const NumberRequest& constant = dialog_.NumberRequests[0];
  EXPECT_FALSE(constant.Caption.has_value());
  EXPECT_EQ(constant.ValueKind, 0);
  EXPECT_EQ(constant.Prompt,
            "Too slow convergence of the method. We recommend\r\nto change value of convergence "
            "constants. Enter new value of convergence constant (the current value 0.6)");
  EXPECT_EQ(constant.InitialText, "0.6");
  const NumberRequest& iterations = dialog_.NumberRequests[1];
  EXPECT_EQ(iterations.ValueKind, 1);
  EXPECT_EQ(iterations.Prompt,
            "Set number of iterations before the following change of value of a constant "
            "convergence (the current value of number of iterations 50)");
  EXPECT_EQ(iterations.InitialText, "50");
  // The second dialogue shows the values given at the first.
  EXPECT_EQ(dialog_.NumberRequests[2].InitialText, "0.3");
  EXPECT_EQ(dialog_.NumberRequests[3].InitialText, "5");
  EXPECT_EQ(c, 0.3L);
  EXPECT_EQ(limited.GlobalStatus(), kGlobalStopped);
  EXPECT_EQ(limited.TotalIterations(), 57u);
  EXPECT_EQ(counter, 0) << "iterations count anew after each dialogue";
}

TEST_F(GlobalMethodTest, KeepingTheApproximationStopsAtThePointReached) {
  // Watch the points the objective is asked for: the last before the
  // dialogue is f(x_new) of the fifty-first iteration.
  SolverVector lastPoint{};
  const auto watched = [&lastPoint](const SolverVector& x) {
    lastPoint = x;
    return Valley(x);
  };
  GlobalSearch search(watched, 1, /*blockInFile=*/true);
  dialog_.AnswerAlternative(0);
  SolverVector x = ValleyStart();
  Real c = 0.6L;
  std::uint16_t counter = 0;
  Real fBest = 0;
  search.Run(c, counter, x, fBest, 0, kEps);

  ASSERT_EQ(dialog_.AlternativeRequests.size(), 1u);
  const AlternativesRequest& question = dialog_.AlternativeRequests[0];
  EXPECT_EQ(question.Caption, "The definition of the parameter");
  EXPECT_EQ(question.GroupCaption, std::optional<std::string>(""));
  EXPECT_EQ(question.Alternatives,
            (std::vector<std::string>{"to keep initial approximation values in a file",
                                      "to change value of a convergence constant"}));
  EXPECT_EQ(dialog_.Beeps, 1);
  EXPECT_EQ(search.GlobalStatus(), kGlobalStopped);
  EXPECT_EQ(counter, 51);
  EXPECT_EQ(x, lastPoint);
  EXPECT_EQ(fBest, Valley(x));
}

TEST_F(GlobalMethodTest, ChangingTheConstantWithTheBlockGoesOnWithoutPrefix) {
  GlobalSearch search(Valley, 1, /*blockInFile=*/true, 52);
  dialog_.AnswerAlternative(1).AnswerReal(0.5L).AnswerInteger(50);
  SolverVector x = ValleyStart();
  Real c = 0.6L;
  std::uint16_t counter = 0;
  Real fBest = 0;
  search.Run(c, counter, x, fBest, 0, kEps);
  ASSERT_EQ(dialog_.NumberRequests.size(), 2u);
  EXPECT_EQ(dialog_.NumberRequests[0].Prompt,
            "Enter new value of convergence constant (the current value 0.6)");
  EXPECT_EQ(c, 0.5L);
  EXPECT_EQ(counter, 1);
}

TEST_F(GlobalMethodTest, FailureOfTheObjectivePassesOn) {
  long calls = 0;
  const auto failing = [&calls](const SolverVector& x) -> Real {
    if (++calls == 10) throw NumericFailure("test", "no bubble point", 0);
    return Valley(x);
  };
  GlobalSearch search(failing, 1, false);
  SolverVector x{};
  Real c = 0.6L;
  std::uint16_t counter = 0;
  Real fBest = 0;
  EXPECT_THROW(search.Run(c, counter, x, fBest, 0, kEps), NumericFailure);
}

}  // namespace
}  // namespace vexilor
