// The bubble search of a model object, written once for any evaluation of
// the model: TVLEObj runs it through the virtual ActivityCoefficients, and
// each model class (TModelObj) through its own evaluation, which the
// compiler can then inline into the search. A model evaluation that is a
// call passes its 80-bit temperature and coefficients through memory, and
// loading an 80-bit value just stored stalls the processor; inlined, they
// stay in registers.
#pragma once

#include "engine/thermo/bubble_point.h"
#include "engine/thermo/numeric_checks.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {

//! Secant difference steps: reduced temperature, or Pa.
inline constexpr Real kTemperatureStep = 0.02L;
inline constexpr Real kPressureStep = 0.2L;

template <class Evaluate>
[[gnu::always_inline]] inline Real TVLEObj::BubbleFunction(bool findTemperature, Real z, Real& tau,
                                                           Real& P, const ComponentVector& x,
                                                           ComponentVector& gamma,
                                                           ComponentVector& y, Evaluate& evaluate) {
  (findTemperature ? tau : P) = z;
  evaluate(x, gamma, tau);
  // The vapour pressures depend on the temperature alone.
  const ComponentVector* known = Remembered(vapourMemo_, tau);
  ComponentVector computed;
  Real sum = -1;
  for (int i = 0; i < N(); ++i) {
    const Real saturation =
        known != nullptr ? (*known)[i]
                         : (computed[i] = VapourPressure(*components_[i], tau, vapourSegments_[i]));
    y[i] = saturation * x[i] * gamma[i] / P;
    sum += y[i];
  }
  if (known == nullptr && RemembersTemperature()) vapourMemo_.Remember(tau, computed);
  return RequireFinite(sum, "BubbleFunction", "sum of y - 1");
}

template <class Evaluate>
void TVLEObj::SearchBubble(bool findTemperature, Real Lo, Real Hi, Real& tau, Real& P,
                           const ComponentVector& x, ComponentVector& gamma, ComponentVector& y,
                           Evaluate&& evaluate) {
  // The liquid does not change during the search, so UNIFAC's group
  // fractions and combinatorial factors are computed once.
  PrepareComposition(x);
  // The quadratic start samples the same three points in every search: the
  // models remember their terms of the temperature there. Evaluations
  // outside a search (the dew point, single calls) remember nothing, also
  // after a search that failed during its start.
  struct ForgetAfterSearch {
    bool& remember;
    ~ForgetAfterSearch() { remember = false; }
  } forget{rememberTemperature_};
  int evaluations = 0;
  auto F = [&](Real z) __attribute__((always_inline)) {
    rememberTemperature_ = evaluations++ < 3;
    return BubbleFunction(findTemperature, z, tau, P, x, gamma, y, evaluate);
  };
  const Real start = QuadraticStart(F, Lo, Hi);
  // The found value is the one of the last evaluation, F(d + a) of the
  // final secant step, which left tau or P, gamma and y consistent with
  // each other; the secant's own final estimate is not written back.
  SecantRoot(F, start, findTemperature ? kTemperatureStep : kPressureStep, kEquilibriumTolerance);
}

}  // namespace vexilor
