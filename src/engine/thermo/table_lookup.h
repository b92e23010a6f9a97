// The property lookups of the hot path (molar volumes and vapour pressures
// of every model evaluation, stage enthalpies of the column), each
// remembering the table segment it used last. They give exactly the values
// of Interpolate, MolarVolume and VapourPressure of component_base.h, which
// are written on them.
//
// They are forced inline on purpose: an 80-bit value passed to a function
// that is not inlined goes through memory, and loading an 80-bit value just
// stored stalls the processor for longer than the interpolation itself
// takes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>

#include "engine/shell/real.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/numeric_checks.h"

namespace vexilor {

//! The segment of a table a caller's last interpolation used. Searches move
//! in small steps, so the next x mostly lies in the same segment or a few
//! segments away: the lookup walks there from it, and searches the table
//! only when x lies farther. The result is the one of Interpolate in every
//! case. Each caller keeps one per table it reads repeatedly.
struct TableSegment {
  std::size_t Index = 0;  //!< i of the segment xs[i-1]..xs[i]; 0 before the first lookup
};

namespace table_lookup {

//! Pa per mm Hg as the system has always used it (not 133.322).
inline constexpr Real kPascalPerMmHg = 133.3L;
inline constexpr Real kZeroCelsius = 273.15L;

//! Number of points two tables of one interpolation share; a table without
//! points is a fault of the data.
inline std::size_t PointCount(std::span<const Real> xs, std::span<const Real> ys, Real x) {
  const std::size_t count = std::min(xs.size(), ys.size());
  if (count == 0) FailNumeric("Interpolate", "table without points", x);
  return count;
}

//! The segment i (1..count-1) of x, between xs[i-1] and xs[i]: the smallest
//! i with xs[i] >= x, so that a point equal to a table point takes the
//! segment that ends there; below the table the first segment, above it the
//! last. The tables are ascending, so a binary search finds the same index
//! as a scan from the start.
std::size_t SearchSegment(std::span<const Real> xs, std::size_t count, Real x);

//! SearchSegment's answer, found from last's segment. Segment i is that
//! answer exactly when x lies above xs[i-1] (or i is the first segment) and
//! at or below xs[i] (or i is the last): the intervals (xs[i-1], xs[i]] do
//! not overlap, so exactly one segment passes for a number x, and a NaN x
//! passes only where the search puts it too (the first segment of a
//! two-point table). A walk of a few segments that finds no such segment
//! (x farther away, or NaN) ends in the search.
[[gnu::always_inline]] inline std::size_t LocateSegment(std::span<const Real> xs, std::size_t count,
                                                        Real x, TableSegment& last) {
  constexpr int kWalkSteps = 4;
  std::size_t i = last.Index;
  if (i < 1 || i >= count) {
    i = SearchSegment(xs, count, x);
  } else {
    for (int step = 0;; ++step) {
      const bool aboveLower = i == 1 || xs[i - 1] < x;
      const bool atOrBelowUpper = i == count - 1 || xs[i] >= x;
      if (aboveLower && atOrBelowUpper) break;
      if (step == kWalkSteps) {
        i = SearchSegment(xs, count, x);
        break;
      }
      // Not above xs[i-1] means i > 1; not at or below xs[i] means i < count - 1.
      i = aboveLower ? i + 1 : i - 1;
    }
  }
  last.Index = i;
  return i;
}

//! Position of x in segment i, 0 at xs[i-1] and 1 at xs[i].
inline Real SegmentFraction(std::span<const Real> xs, std::size_t i, Real x) {
  return (x - xs[i - 1]) / (xs[i] - xs[i - 1]);
}

inline Real Blend(std::span<const Real> ys, std::size_t i, Real s) {
  return (1 - s) * ys[i - 1] + s * ys[i];
}

}  // namespace table_lookup

//! Interpolate (component_base.h), starting from the segment of last; last
//! becomes x's segment.
[[gnu::always_inline]] inline Real Interpolate(std::span<const Real> xs, std::span<const Real> ys,
                                               Real x, TableSegment& last) {
  using namespace table_lookup;
  const std::size_t count = PointCount(xs, ys, x);
  if (count == 1) return ys[0];
  const std::size_t i = LocateSegment(xs, count, x, last);
  return Blend(ys, i, SegmentFraction(xs, i, x));
}

//! Two tables on one x table at the same x (the liquid and vapour enthalpy
//! of a stage), each value exactly as Interpolate gives it; the segment is
//! located once when the tables are of one length.
[[gnu::always_inline]] inline void InterpolateBoth(std::span<const Real> xs,
                                                   std::span<const Real> ys1,
                                                   std::span<const Real> ys2, Real x,
                                                   TableSegment& last, Real& y1, Real& y2) {
  using namespace table_lookup;
  const std::size_t count = PointCount(xs, ys1, x);
  if (count == 1 || count != PointCount(xs, ys2, x)) {
    y1 = Interpolate(xs, ys1, x, last);
    y2 = Interpolate(xs, ys2, x, last);
    return;
  }
  const std::size_t i = LocateSegment(xs, count, x, last);
  const Real s = SegmentFraction(xs, i, x);
  y1 = Blend(ys1, i, s);
  y2 = Blend(ys2, i, s);
}

//! MolarVolume (component_base.h) with last the caller's segment of the
//! density table.
[[gnu::always_inline]] inline Real MolarVolume(const Pro& component, Real t, TableSegment& last) {
  const Real density = Interpolate(component.TempPts, component.Dens, t, last);
  if (density == 0) FailNumeric("MolarVolume", "liquid density is zero", t);
  return component.MolMass / density;
}

//! VapourPressure (component_base.h) with last the caller's segment of the
//! vapour-pressure table.
[[gnu::always_inline]] inline Real VapourPressure(const Pro& component, Real tau,
                                                  TableSegment& last) {
  if (component.VapForm == 'T') {
    const Real t = (tau - 1) * table_lookup::kZeroCelsius;
    return table_lookup::kPascalPerMmHg *
           Interpolate(component.VapTemps, component.VapPress, t, last);
  }
  // Antoine: ln P[mm Hg] = A - B / (T[K] + C).
  const Real denominator = table_lookup::kZeroCelsius * tau + component.AntC;
  if (denominator == 0) FailNumeric("VapourPressure", "T + C is zero", tau);
  const Real pressure =
      table_lookup::kPascalPerMmHg * std::exp(component.AntA - component.AntB / denominator);
  return RequireFinite(pressure, "VapourPressure", "vapour pressure overflows");
}

}  // namespace vexilor
