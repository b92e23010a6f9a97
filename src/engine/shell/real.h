// The number types every calculation of the engine uses.
#pragma once

#include <array>
#include <cstddef>

namespace vexilor {

//! Calculation value: the x87 80-bit extended type on x86-64. Never let a
//! value pass through double inside the engine.
using Real = long double;

//! Capacity of the solvers' fixed vectors (indexes 0..65).
inline constexpr std::size_t kSolverSize = 66;

//! Unknowns and residuals of the solvers: 66 extended values.
using SolverVector = std::array<Real, kSolverSize>;

}  // namespace vexilor
