// Newton's method for a system of nonlinear equations F(x) = 0.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/shell/real.h"

namespace vexilor {

//! Residuals of a system: reads the unknowns x[0..n] and writes F[0..n].
//! It is called with the solver's own trial vectors and must keep no
//! reference to either argument. It may throw to end the solution.
using ResidualProc = std::function<void(const SolverVector& x, SolverVector& F)>;

//! Solves F(x) = 0 for the unknowns x[0..n] (1 <= n <= 65) by Newton's
//! method with a central-difference Jacobian:
//!   J[k][i] = (F_k(x + h_i e_i) - F_k(x - h_i e_i)) / (2 h_i),
//!   x <- x - J^-1 F(x),
//! inverting J with InvertMatrix(n, J, 1e-8). The difference step
//! h_i = StepBase_i / 10 follows the corrections dx: StepBase_i starts at
//! 0.1 and, whenever |dx_i| < |StepBase_i|, becomes dx_i (signed), or eps
//! when |dx_i| < eps. An iteration costs 2n + 3 residual calls: F(x), then
//! x + h e_i and x - h e_i for i = 0..n. The solver stops when
//!   sqrt(sum_k dx_k^2 / n) < eps,
//! dividing by the highest index n, not by the number of unknowns.
//!
//! x is updated in place after every iteration; counter is set to 0 and
//! increased after each iteration before the convergence test, so the
//! residual procedure can read it. On return F holds the residuals at the
//! point before the last correction. There is no iteration limit: the
//! caller ends a run that does not converge by throwing from the residual
//! procedure. Every exception propagates unchanged and leaves x at the last
//! completed iteration. A zero difference step (possible only with
//! eps = 0) and other arithmetic faults throw NumericFailure; a singular
//! Jacobian ends the program inside InvertMatrix.
void NewtonSolve(std::uint16_t n, SolverVector& x, SolverVector& F, std::uint16_t& counter,
                 const ResidualProc& residual, Real eps);

}  // namespace vexilor
