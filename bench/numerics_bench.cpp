// Speed of the numerical methods at the sizes the program uses: matrix
// inversion at order 5 (bubble-point Newton) and 66 (the largest column),
// and one Newton solution of a 66-unknown smooth system.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

#include "engine/numerics/matrix_inversion.h"
#include "engine/numerics/newton_solver.h"

namespace vexilor {
namespace {

//! Pseudo-random entries in [-1, 1]: the pivots lie off the diagonal at
//! most steps, so the timing includes the row and column swaps.
Matrix_ TestMatrix(std::size_t order) {
  Matrix_ a(order, std::vector<Real>(order));
  std::uint32_t state = 2024;
  for (std::size_t r = 0; r < order; ++r) {
    for (std::size_t c = 0; c < order; ++c) {
      state = state * 1664525u + 1013904223u;
      a[r][c] = static_cast<Real>(state % 2001) / 1000 - 1;
    }
  }
  return a;
}

void BM_InvertMatrix(benchmark::State& state) {
  const auto order = static_cast<std::size_t>(state.range(0));
  const Matrix_ original = TestMatrix(order);
  Matrix_ a = original;
  for (auto _ : state) {
    for (std::size_t r = 0; r < order; ++r)
      std::copy(original[r].begin(), original[r].end(), a[r].begin());
    InvertMatrix(static_cast<std::uint16_t>(order - 1), a, kSingularPivot);
    benchmark::DoNotOptimize(a[0][0]);
  }
}
BENCHMARK(BM_InvertMatrix)->Arg(5)->Arg(66);

//! A chain of 66 unknowns, each coupled to its neighbours, with a cubic
//! term: 3 x_k - x_(k-1) - x_(k+1) + x_k^3 / 10 - 1 = 0.
void ChainResiduals(const SolverVector& x, SolverVector& F) {
  for (std::size_t k = 0; k < kSolverSize; ++k) {
    const Real left = k > 0 ? x[k - 1] : 0;
    const Real right = k + 1 < kSolverSize ? x[k + 1] : 0;
    F[k] = 3 * x[k] - left - right + x[k] * x[k] * x[k] / 10 - 1;
  }
}

void BM_NewtonSolve66(benchmark::State& state) {
  std::uint16_t counter = 0;
  for (auto _ : state) {
    SolverVector x{};
    SolverVector F{};
    NewtonSolve(kSolverSize - 1, x, F, counter, ChainResiduals, 1e-9L);
    benchmark::DoNotOptimize(x[0]);
  }
  state.counters["iterations"] = counter;
}
BENCHMARK(BM_NewtonSolve66)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vexilor
