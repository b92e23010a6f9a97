// Checks at the points where extended arithmetic would trap: C++ lets an
// overflow, a division by zero or an invalid operation pass silently, so the
// models and the equilibrium search test their values and throw
// NumericFailure there. Inline: they run on every model evaluation.
#pragma once

#include <cmath>

#include "engine/shell/failures.h"
#include "engine/shell/real.h"

namespace vexilor {

//! Throws NumericFailure. Out of line on purpose: the checked value then
//! only goes into this one call, whereas building the exception in place
//! makes it live across several calls, and an x87 value live across a call
//! is kept in memory, also on the path that does not throw. That turned
//! every checked sum of the models into a store and a load per term.
[[noreturn, gnu::noinline, gnu::cold]] inline void FailNumeric(const char* routine,
                                                               const char* what, Real value) {
  throw NumericFailure(routine, what, value);
}

//! value, unless it is an infinity or a NaN.
inline Real RequireFinite(Real value, const char* routine, const char* what) {
  if (!std::isfinite(value)) FailNumeric(routine, what, value);
  return value;
}

//! value as a divisor: finite and not zero.
inline Real RequireDivisor(Real value, const char* routine, const char* what) {
  if (value == 0 || !std::isfinite(value)) FailNumeric(routine, what, value);
  return value;
}

//! value as the argument of a logarithm: finite and above zero.
inline Real RequirePositive(Real value, const char* routine, const char* what) {
  if (!(value > 0) || !std::isfinite(value)) FailNumeric(routine, what, value);
  return value;
}

}  // namespace vexilor
