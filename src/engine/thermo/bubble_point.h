// The one-dimensional search of the bubble point: a quadratic through three
// samples gives the start, secant steps refine it. TVLEObj::Equilibrium
// runs it on the bubble function sum(y) - 1; the routines take any function
// of one real so that they can be checked on their own.
#pragma once

#include <cmath>

#include "engine/shell/failures.h"
#include "engine/shell/real.h"

namespace vexilor {

//! Tolerance of the bubble search and of the dew-point Newton iteration.
inline constexpr Real kEquilibriumTolerance = 1e-6L;
//! Secant steps after which the bubble search gives up (NumericFailure).
inline constexpr int kSecantStepLimit = 200;
//! Newton iterations after which the dew-point search gives up.
inline constexpr int kDewIterationLimit = 500;

//! Start value of the secant search: samples F at z0 = Lo, z1 = z0 + h and
//! z2 = Hi (h = (Hi - Lo) / 2), in this order, fits the parabola through
//! them in units of h,
//!   A = f0/2 - f1 + f2/2,  B = -1.5 f0 + 2 f1 - f2/2,
//!   s = -B/(2A) +- sqrt((B/A)^2/4 - f0/A),
//! and returns the root z0 + h s nearer to the best sample. The best sample
//! is z0, replaced by z1 when |f1| < |f0| (the best value becoming f1), then
//! by z2 when |f2| is below that signed best value. A parabola without a real
//! root (negative discriminant) or a flat one (A = 0) throws NumericFailure.
template <class Function>
Real QuadraticStart(Function&& F, Real Lo, Real Hi) {
  const Real z0 = Lo;
  const Real h = (Hi - Lo) / 2;
  const Real z1 = z0 + h;
  const Real z2 = Hi;
  const Real f0 = F(z0);
  const Real f1 = F(z1);
  const Real f2 = F(z2);
  Real best = z0;
  Real bestValue = f0;
  if (std::fabs(f1) < std::fabs(f0)) {
    best = z1;
    bestValue = f1;
  }
  if (std::fabs(f2) < bestValue) best = z2;
  const Real A = f0 / 2 - f1 + f2 / 2;
  const Real B = -1.5L * f0 + 2 * f1 - f2 / 2;
  if (A == 0 || !std::isfinite(A)) throw NumericFailure("QuadraticStart", "flat parabola", A);
  const Real ratio = B / A;
  const Real discriminant = ratio * ratio / 4 - f0 / A;
  if (!(discriminant >= 0)) {
    throw NumericFailure("QuadraticStart", "parabola without a real root", discriminant);
  }
  const Real vertex = -B / (2 * A);
  const Real root = std::sqrt(discriminant);
  const Real zPlus = z0 + h * (vertex + root);
  const Real zMinus = z0 + h * (vertex - root);
  return std::fabs(zPlus - best) < std::fabs(zMinus - best) ? zPlus : zMinus;
}

//! Secant search for F(z) = 0 from z with the difference step a:
//!   d = z;  slope = (F(d + a) - F(d)) / a;  z = d - F(d) / slope;  a = (z - d) / 2
//! until |z - d| <= tolerance; returns the last z. The last evaluation is
//! F(d + a) of the final step, so whatever F leaves behind is from there.
//! A zero slope, a non-finite value or more than kSecantStepLimit steps
//! throw NumericFailure.
template <class Function>
Real SecantRoot(Function&& F, Real z, Real a, Real tolerance) {
  for (int step = 0; step < kSecantStepLimit; ++step) {
    const Real d = z;
    const Real fd = F(d);
    const Real slope = (F(d + a) - fd) / a;
    if (slope == 0 || !std::isfinite(slope)) throw NumericFailure("SecantRoot", "slope", slope);
    z = d - fd / slope;
    if (!std::isfinite(z)) throw NumericFailure("SecantRoot", "secant step", z);
    a = (z - d) / 2;
    if (std::fabs(z - d) <= tolerance) return z;
  }
  throw NumericFailure("SecantRoot", "no convergence within the step limit", z);
}

}  // namespace vexilor
