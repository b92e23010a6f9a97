#include "engine/numerics/newton_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/numerics/matrix_inversion.h"
#include "engine/shell/failures.h"
#include "solver_test_support.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::kCaseName;
using testing::Vec;

//! The residual procedure of a test: a system plus a log of every point
//! the solver asked about.
struct RecordedSystem {
  explicit RecordedSystem(std::function<void(const SolverVector&, SolverVector&)> system)
      : equations(std::move(system)) {}

  std::function<void(const SolverVector&, SolverVector&)> equations;
  std::vector<SolverVector> points;
  std::uint16_t counter = 0;

  ResidualProc Residual() {
    return [this](const SolverVector& x, SolverVector& F) {
      points.push_back(x);
      equations(x, F);
    };
  }
};

//! F = A x - b.
auto Linear(Matrix_ A, std::vector<Real> b) {
  return [A = std::move(A), b = std::move(b)](const SolverVector& x, SolverVector& F) {
    for (std::size_t k = 0; k < b.size(); ++k) {
      F[k] = -b[k];
      for (std::size_t c = 0; c < b.size(); ++c) F[k] += A[k][c] * x[c];
    }
  };
}

using NewtonTest = testing::ScriptedDialogTest;

// On a linear system the first step lands on the solution up to rounding
// and the second finds a correction below eps. The convergence measure
// divides the squared corrections by the highest index n, which decides
// whether a first step of known size already stops.
struct LinearCase {
  const char* name;
  Matrix_ A;
  SolverVector solution;
  Real eps;
  std::uint16_t iterations;
};

class NewtonLinearTest : public NewtonTest, public ::testing::WithParamInterface<LinearCase> {};

TEST_P(NewtonLinearTest, StopsAfterTheExpectedIterations) {
  const LinearCase& c = GetParam();
  const std::size_t order = c.A.size();
  std::vector<Real> b(order, 0);
  for (std::size_t k = 0; k < order; ++k) {
    for (std::size_t j = 0; j < order; ++j) b[k] += c.A[k][j] * c.solution[j];
  }
  RecordedSystem system{Linear(c.A, b)};
  SolverVector x{};
  SolverVector F{};
  const auto n = static_cast<std::uint16_t>(order - 1);

  NewtonSolve(n, x, F, system.counter, system.Residual(), c.eps);

  EXPECT_EQ(system.counter, c.iterations);
  EXPECT_EQ(system.points.size(), c.iterations * (2u * n + 3));
  for (std::size_t k = 0; k < order; ++k) {
    EXPECT_NEAR(static_cast<double>(x[k]), static_cast<double>(c.solution[k]), 1e-15);
  }
  EXPECT_EQ(x[order], 0) << "entries past n are left alone";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewtonLinearTest,
    ::testing::Values(
        LinearCase{"Coupled3x3", {{4, 1, 0}, {1, 3, 1}, {0, 1, 2}}, Vec({1, -2, 3}), 1e-9L, 2},
        // First correction (0.3, 0.4): sqrt((0.09 + 0.16) / 1) = 0.5, and
        // sqrt of the mean over two unknowns would be 0.354.
        LinearCase{"TwoUnknownsMeasureAboveEps", {{2, 0}, {0, 2}}, Vec({0.3L, 0.4L}), 0.45L, 2},
        LinearCase{"TwoUnknownsMeasureBelowEps", {{2, 0}, {0, 2}}, Vec({0.3L, 0.4L}), 0.55L, 1},
        // First correction (1, 1, 1): sqrt(3 / 2) = 1.22, not sqrt(3 / 3) = 1.
        LinearCase{"ThreeUnknownsDivideByTwo",
                   {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
                   Vec({1, 1, 1}),
                   1.1L,
                   2}),
    kCaseName);

TEST_F(NewtonTest, NonlinearSystemConvergesToItsRoot) {
  // Circle of radius 2 meets the diagonal at (sqrt 2, sqrt 2).
  RecordedSystem system{[](const SolverVector& x, SolverVector& F) {
    F[0] = x[0] * x[0] + x[1] * x[1] - 4;
    F[1] = x[0] - x[1];
  }};
  SolverVector x = Vec({1, 3});
  SolverVector F{};

  NewtonSolve(1, x, F, system.counter, system.Residual(), 1e-12L);

  EXPECT_NEAR(static_cast<double>(x[0]), std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(static_cast<double>(x[1]), std::sqrt(2.0), 1e-15);
  EXPECT_LT(system.counter, 10);
  // F belongs to the point before the last (tiny) correction.
  EXPECT_LT(std::fabs(static_cast<double>(F[0])), 1e-12);
}

// The difference step of each unknown follows its last correction: below
// eps it becomes eps, a smaller correction replaces it with its sign, and
// a larger one leaves it alone. Seen in the second iteration's Jacobian
// points, which the residual procedure receives in the order F(x), then
// x + h e_i and x - h e_i for each column.
TEST_F(NewtonTest, StepBaseFollowsTheCorrectionsWithEpsAsFloor) {
  const Real eps = 1e-9L;
  // Unknown 0 starts on its solution, unknown 1 must move by -0.05 and
  // unknown 2 by 0.5.
  RecordedSystem system{Linear({{1, 0, 0}, {0, 2, 0}, {0, 0, 3}}, {0, 2 * -0.05L, 3 * 0.5L})};
  SolverVector x{};
  SolverVector F{};

  NewtonSolve(2, x, F, system.counter, system.Residual(), eps);

  ASSERT_EQ(system.counter, 2);
  const std::size_t perIteration = 7;
  const SolverVector& before = system.points[0];
  const SolverVector& after = system.points[perIteration];
  const Real expectedSteps[3] = {eps / 10, (after[1] - before[1]) / 10, 0.1L / 10};
  EXPECT_LT(expectedSteps[1], 0) << "a negative correction gives a negative step";
  for (std::size_t i = 0; i < 3; ++i) {
    const SolverVector& plus = system.points[perIteration + 1 + 2 * i];
    const SolverVector& minus = system.points[perIteration + 2 + 2 * i];
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(plus[k], k == i ? after[k] + expectedSteps[i] : after[k]) << i << "," << k;
      EXPECT_EQ(minus[k], k == i ? after[k] - expectedSteps[i] : after[k]) << i << "," << k;
    }
  }
}

TEST_F(NewtonTest, ExceptionInTheJacobianLeavesXAtTheLastIteration) {
  struct Stop {};
  RecordedSystem system{[](const SolverVector& x, SolverVector& F) {
    F[0] = x[0] * x[0] - 2;
    F[1] = x[1] * x[1] * x[1] - 3;
  }};
  const std::size_t perIteration = 5;
  auto recorded = system.Residual();
  auto throwing = [&](const SolverVector& x, SolverVector& F) {
    if (system.points.size() == perIteration + 3) throw Stop{};
    recorded(x, F);
  };
  SolverVector x = Vec({1, 1});
  SolverVector F{};

  EXPECT_THROW(NewtonSolve(1, x, F, system.counter, throwing, 1e-12L), Stop);

  EXPECT_EQ(system.counter, 1);
  EXPECT_EQ(x, system.points[perIteration]) << "x is the point of the first iteration";
  EXPECT_NE(x, Vec({1, 1}));
}

TEST_F(NewtonTest, ZeroStepBaseThrowsNumericFailure) {
  // Started on the root with eps = 0: the first correction is exactly 0,
  // which becomes the step base of the second iteration.
  RecordedSystem system{Linear({{1, 0}, {0, 1}}, {0.5L, 0.25L})};
  SolverVector x = Vec({0.5L, 0.25L});
  SolverVector F{};

  EXPECT_THROW(NewtonSolve(1, x, F, system.counter, system.Residual(), 0), NumericFailure);
  EXPECT_EQ(system.counter, 1);
}

TEST_F(NewtonTest, SingularJacobianEndsTheProgram) {
  // The second equation is so flat that its pivot falls below 1e-8.
  RecordedSystem system{Linear({{1, 0}, {0, 1e-9L}}, {1, 0})};
  SolverVector x{};
  SolverVector F{};

  EXPECT_THROW(NewtonSolve(1, x, F, system.counter, system.Residual(), 1e-9L), ProgramTermination);
  EXPECT_EQ(dialog.MessageTexts(), std::vector<std::string>{"matrix is singular"});
}

TEST_F(NewtonTest, RejectsAnOrderOutsideTheVectors) {
  RecordedSystem system{Linear({{1}}, {1})};
  SolverVector x{};
  SolverVector F{};
  for (std::uint16_t n : {0, 66}) {
    EXPECT_THROW(NewtonSolve(n, x, F, system.counter, system.Residual(), 1e-9L),
                 std::invalid_argument);
  }
  EXPECT_TRUE(system.points.empty());
}

}  // namespace
}  // namespace vexilor
