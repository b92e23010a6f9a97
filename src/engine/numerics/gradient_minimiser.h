// Derivative-free minimisation of a smooth function of a few parameters:
// conjugate gradients with a central-difference gradient and a
// golden-section line search.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/shell/real.h"

namespace vexilor {

//! The function to minimise at the parameters p[0..n] (read only).
using ObjectiveProc = std::function<Real(const SolverVector& p)>;

//! Question asked when the minimiser runs past 30000 iterations (the same
//! text in both languages).
inline constexpr const char* kSlowGradientText =
    "Слишком медленная сходимость градиентного метода. Желаете\r\n"
    "продолжить вычисления? Или закончить работу процедуры?";

//! Iterations after which the minimiser asks whether to go on.
inline constexpr std::uint16_t kSlowGradientIterations = 30000;

//! Golden-section steps after which a search whose width times D is still
//! above eps is given up (NumericFailure): the interval can only have
//! stopped shrinking in rounding. Any search that narrows in earnest ends
//! within about 24000 steps, even one that closes in on zero through the
//! denormal range.
inline constexpr long kGoldenStepLimit = 100'000;

//! Central-difference gradient of f at x[0..n] into g[0..n]:
//!   g_i = (f(x + h e_i) - f(x - h e_i)) / (2h),  h = L / 100,
//! evaluating the plus point first. h = 0 throws NumericFailure.
void NumericGradient(std::uint8_t n, const ObjectiveProc& objective, const SolverVector& x, Real L,
                     SolverVector& g);

//! Golden-section search for the minimum of phi(lambda) = f(x0 + lambda d)
//! on [a, b] = [0, L], starting from lambda1 = 0.381966 b and
//! lambda2 = 0.618034 b (phi(lambda2) evaluated first). Each step keeps the
//! part holding the smaller value, ties going to the left part:
//!   phi1 <= phi2:  b = lambda2, lambda2 = lambda1, lambda1 = b - 0.618034 (b - a)
//!   otherwise:     a = lambda1, lambda1 = lambda2, lambda2 = a + 0.618034 (b - a)
//! and evaluates phi at the one new point. The search runs while
//!   eps < (b - a) D,  D = (sum_i d_i^2)^2,
//! so a long direction is searched more finely. Returns (a + b) / 2.
Real GoldenSearch(std::uint8_t n, const ObjectiveProc& objective, const SolverVector& x0,
                  const SolverVector& d, Real L, Real eps);

//! Minimises f over x[0..n] (n <= 65) by Polak-Ribiere conjugate
//! gradients, from d = -g at the start:
//!   bracket:  x1 = x + d; if f(x1) > f(x) search [0, 1] of d; otherwise
//!             move x forward by whole steps d while f keeps decreasing and
//!             search [0, 2] of d from there;
//!   L      =  GoldenSearch(x, d, bracket, eps);  x' = x + L d;
//!   g'     =  NumericGradient(x') with h = L / 100;
//!   beta   =  sum (g'_i - g_i) g'_i / sum g_i^2, or 0 (steepest descent)
//!             when counter is a multiple of n + 1 or the old gradient is 0;
//!   d      =  beta d - g'.
//! Stops when |x' - x| <= eps. x, fval (= f(x)) and counter are the
//! caller's and change as the search goes; counter counts the iterations.
//! When it passes 30000 the user is asked whether to go on: Abort ends
//! the program (ProgramTermination), any other answer sets counter to 0.
//! Non-finite objective values, a zero difference step and other
//! arithmetic faults throw NumericFailure.
void GradientMinimize(std::uint8_t n, std::uint16_t& counter, Real& fval,
                      const ObjectiveProc& objective, SolverVector& x, Real eps);

}  // namespace vexilor
