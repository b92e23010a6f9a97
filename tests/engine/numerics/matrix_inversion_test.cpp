#include "engine/numerics/matrix_inversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "engine/shell/failures.h"
#include "solver_test_support.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

std::uint16_t HighestIndex(const Matrix_& a) {
  return static_cast<std::uint16_t>(a.size() - 1);
}

Matrix_ Inverted(Matrix_ a, Real eps = kSingularPivot) {
  InvertMatrix(HighestIndex(a), a, eps);
  return a;
}

Matrix_ Product(const Matrix_& left, const Matrix_& right) {
  const std::size_t order = left.size();
  Matrix_ product(order, std::vector<Real>(order, 0));
  for (std::size_t r = 0; r < order; ++r) {
    for (std::size_t c = 0; c < order; ++c) {
      for (std::size_t k = 0; k < order; ++k) product[r][c] += left[r][k] * right[k][c];
    }
  }
  return product;
}

using InversionTest = testing::ScriptedDialogTest;
using testing::kCaseName;

struct NamedMatrix {
  const char* name;
  Matrix_ matrix;
};

// Matrices whose inverse is exact in binary arithmetic: the result must
// match to the last bit, whatever swaps the pivoting made on the way.
struct ExactCase {
  const char* name;
  Matrix_ matrix;
  Matrix_ inverse;
};

class ExactInversionTest : public InversionTest, public ::testing::WithParamInterface<ExactCase> {};

TEST_P(ExactInversionTest, GivesTheExactInverse) {
  EXPECT_EQ(Inverted(GetParam().matrix), GetParam().inverse);
  EXPECT_TRUE(dialog.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactInversionTest,
    ::testing::Values(ExactCase{"OneByOne", {{4.0L}}, {{0.25L}}},
                      ExactCase{"PivotEqualToThresholdPasses", {{1e-8L}}, {{1 / 1e-8L}}},
                      ExactCase{"Diagonal",
                                {{2, 0, 0}, {0, -4, 0}, {0, 0, 0.5L}},
                                {{0.5L, 0, 0}, {0, -0.25L, 0}, {0, 0, 2}}},
                      // A permutation needs both swaps and their undoing; its inverse is
                      // its transpose.
                      ExactCase{"PermutationGivesTranspose",
                                {{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 1, 0, 0}},
                                {{0, 1, 0, 0}, {0, 0, 0, 1}, {1, 0, 0, 0}, {0, 0, 1, 0}}},
                      ExactCase{"ScaledPermutation",
                                {{0, 8, 0}, {0, 0, -2}, {4, 0, 0}},
                                {{0, 0, 0.25L}, {0.125L, 0, 0}, {0, -0.5L, 0}}}),
    kCaseName);

// General matrices: the inverse times the matrix must give the identity to
// rounding. The cases put the largest elements off the diagonal so that
// several steps swap rows and columns, and the unscrambling must undo them
// in the right order.
class GeneralInversionTest : public InversionTest,
                             public ::testing::WithParamInterface<NamedMatrix> {};

TEST_P(GeneralInversionTest, InverseTimesMatrixIsIdentity) {
  const Matrix_& matrix = GetParam().matrix;
  const Matrix_ inverse = Inverted(matrix);
  for (const Matrix_& product : {Product(inverse, matrix), Product(matrix, inverse)}) {
    for (std::size_t r = 0; r < matrix.size(); ++r) {
      for (std::size_t c = 0; c < matrix.size(); ++c) {
        EXPECT_NEAR(static_cast<double>(product[r][c]), r == c ? 1.0 : 0.0, 1e-16)
            << "element " << r << "," << c;
      }
    }
  }
}

Matrix_ PseudoRandomMatrix(std::size_t order) {
  Matrix_ a(order, std::vector<Real>(order));
  std::uint32_t state = 12345;
  for (auto& row : a) {
    for (Real& element : row) {
      state = state * 1664525u + 1013904223u;
      element = static_cast<Real>(state % 2001) / 1000 - 1;
    }
  }
  return a;
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneralInversionTest,
                         ::testing::Values(NamedMatrix{"OffDiagonalMaximum", {{1, 5}, {2, 3}}},
                                           NamedMatrix{"MaximaOffDiagonalAtEveryStep",
                                                       {{0.1L, 0.2L, 9, 0.3L},
                                                        {0.4L, 0.5L, 0.6L, -7},
                                                        {8, 0.7L, 0.8L, 0.9L},
                                                        {1.1L, -6, 1.2L, 1.3L}}},
                                           NamedMatrix{"PseudoRandomOrder12",
                                                       PseudoRandomMatrix(12)}),
                         kCaseName);

// A pivot below the threshold ends the program after the one message.
class SingularMatrixTest : public InversionTest,
                           public ::testing::WithParamInterface<NamedMatrix> {};

TEST_P(SingularMatrixTest, EndsTheProgramWithTheMessage) {
  Matrix_ a = GetParam().matrix;
  try {
    InvertMatrix(HighestIndex(a), a, kSingularPivot);
    FAIL() << "returned from a singular matrix";
  } catch (const ProgramTermination& end) {
    EXPECT_EQ(end.Message(), "matrix is singular");
  }
  ASSERT_EQ(dialog.Messages.size(), 1u);
  EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(dialog.Messages[0].Buttons, ButtonSet::Ok);
  EXPECT_EQ(dialog.Messages[0].Text, "matrix is singular");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingularMatrixTest,
    ::testing::Values(NamedMatrix{"ZeroRow", {{1, 2, 3}, {0, 0, 0}, {4, 5, 7}}},
                      NamedMatrix{"PivotJustBelowThreshold", {{0.99e-8L}}},
                      NamedMatrix{"DependentRows", {{1, 2, 3}, {2, 4, 6}, {0, 1, 5}}}),
    kCaseName);

// Where the arithmetic itself faults the caller gets NumericFailure and no
// message is shown.
class ArithmeticFaultTest : public InversionTest,
                            public ::testing::WithParamInterface<NamedMatrix> {};

TEST_P(ArithmeticFaultTest, ThrowsNumericFailureWithoutAMessage) {
  Matrix_ a = GetParam().matrix;
  EXPECT_THROW(InvertMatrix(HighestIndex(a), a, 0), NumericFailure);
  EXPECT_TRUE(dialog.Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ArithmeticFaultTest,
                         ::testing::Values(NamedMatrix{"ExactlyZeroPivot", {{0}}},
                                           NamedMatrix{"ZeroRowWithNoThreshold", {{1, 2}, {0, 0}}},
                                           NamedMatrix{"ReciprocalOverflows", {{1e-4940L}}},
                                           NamedMatrix{"NotANumber",
                                                       {{2, std::numeric_limits<Real>::quiet_NaN()},
                                                        {1, 3}}}),
                         kCaseName);

TEST_F(InversionTest, RejectsAMatrixSmallerThanItsOrder) {
  Matrix_ a{{1, 2}, {3}};
  EXPECT_THROW(InvertMatrix(1, a, kSingularPivot), std::invalid_argument);
  EXPECT_EQ(a, (Matrix_{{1, 2}, {3}}));
}

}  // namespace
}  // namespace vexilor
