#include "engine/numerics/newton_solver.h"

#include <cmath>
#include <stdexcept>

#include "engine/numerics/matrix_inversion.h"
#include "engine/shell/failures.h"

namespace vexilor {

namespace {

constexpr const char* kRoutine = "NewtonSolve";
constexpr Real kInitialStepBase = 0.1L;

//! Work vectors of one solution; they live on the caller's stack.
struct NewtonWork {
  SolverVector StepBase;
  SolverVector dx;
  SolverVector xPlus;
  SolverVector xMinus;
  SolverVector FPlus;
  SolverVector FMinus;
  SolverVector xNew;
};

//! Central-difference Jacobian at x: column i from the residuals at
//! x + h e_i and x - h e_i, h = StepBase_i / 10 (negative when the step
//! base is).
void NumericJacobian(std::size_t order, const SolverVector& x, Matrix_& J, NewtonWork& work,
                     const ResidualProc& residual) {
  work.xPlus = x;
  work.xMinus = x;
  for (std::size_t i = 0; i < order; ++i) {
    const Real h = work.StepBase[i] / 10;
    if (h == 0) throw NumericFailure(kRoutine, "zero difference step", h);
    work.xPlus[i] = CheckFinite(x[i] + h, kRoutine, "overflow in a difference point");
    work.xMinus[i] = CheckFinite(x[i] - h, kRoutine, "overflow in a difference point");
    residual(work.xPlus, work.FPlus);
    residual(work.xMinus, work.FMinus);
    for (std::size_t k = 0; k < order; ++k) {
      J[k][i] = CheckFinite((work.FPlus[k] - work.FMinus[k]) / (2 * h), kRoutine,
                            "non-finite Jacobian element");
    }
    work.xPlus[i] = x[i];
    work.xMinus[i] = x[i];
  }
}

}  // namespace

void NewtonSolve(std::uint16_t n, SolverVector& x, SolverVector& F, std::uint16_t& counter,
                 const ResidualProc& residual, Real eps) {
  if (n < 1 || n >= kSolverSize) {
    throw std::invalid_argument("NewtonSolve: the highest index must lie in 1..65");
  }
  const std::size_t order = std::size_t{n} + 1;

  counter = 0;
  Matrix_ J(order, std::vector<Real>(order));
  NewtonWork work{};
  for (std::size_t i = 0; i < order; ++i) work.StepBase[i] = kInitialStepBase;
  work.dx = work.StepBase;

  for (;;) {
    // The difference step shrinks with the corrections, but never below
    // eps: a step lost in rounding would ruin the Jacobian.
    for (std::size_t i = 0; i < order; ++i) {
      if (std::fabs(work.dx[i]) < std::fabs(work.StepBase[i])) {
        work.StepBase[i] = std::fabs(work.dx[i]) < eps ? eps : work.dx[i];
      }
    }

    residual(x, F);
    NumericJacobian(order, x, J, work, residual);
    InvertMatrix(n, J, kSingularPivot);

    // Undamped Newton step x_new = x - J^-1 F; x changes only once the
    // whole step is known.
    Real sumOfSquares = 0;
    for (std::size_t k = 0; k < order; ++k) {
      Real correction = 0;
      for (std::size_t c = 0; c < order; ++c) correction += J[k][c] * F[c];
      work.xNew[k] = CheckFinite(x[k] - correction, kRoutine, "overflow in the Newton step");
      work.dx[k] = work.xNew[k] - x[k];
      sumOfSquares += work.dx[k] * work.dx[k];
    }
    for (std::size_t k = 0; k < order; ++k) x[k] = work.xNew[k];
    const Real S = CheckFinite(sumOfSquares / n, kRoutine, "overflow in the correction size");

    ++counter;
    if (std::sqrt(S) < eps) return;
  }
}

}  // namespace vexilor
