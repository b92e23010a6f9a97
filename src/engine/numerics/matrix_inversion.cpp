#include "engine/numerics/matrix_inversion.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "engine/shell/failures.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

namespace {

constexpr const char* kRoutine = "InvertMatrix";

[[noreturn, gnu::cold, gnu::noinline]] void Fault(const char* what, Real value) {
  throw NumericFailure(kRoutine, what, value);
}

//! The value an element takes, unless the x87 would have trapped on it.
//! Inline: it guards every operation of the elimination.
inline Real Checked(Real value, const char* what) {
  if (!std::isfinite(value)) [[unlikely]]
    Fault(what, value);
  return value;
}

void SwapRows(Matrix_& a, std::size_t first, std::size_t second, std::size_t order) {
  std::swap_ranges(a[first].begin(), a[first].begin() + order, a[second].begin());
}

void SwapColumns(Matrix_& a, std::size_t first, std::size_t second, std::size_t order) {
  for (std::size_t row = 0; row < order; ++row) std::swap(a[row][first], a[row][second]);
}

}  // namespace

void InvertMatrix(std::uint16_t n, Matrix_& a, Real eps) {
  const std::size_t order = std::size_t{n} + 1;
  if (a.size() < order || std::any_of(a.begin(), a.begin() + order,
                                      [&](const auto& row) { return row.size() < order; })) {
    throw std::invalid_argument("InvertMatrix: the matrix has fewer than n + 1 rows or columns");
  }

  // Where the pivot of each step was found, to undo the swaps afterwards.
  Ivec_ colidx(order);
  Ivec_ rowidx(order);

  for (std::size_t i = 0; i < order; ++i) {
    // Full pivoting: the largest magnitude of the remaining submatrix.
    Real w = a[i][i];
    rowidx[i] = static_cast<std::uint16_t>(i);
    colidx[i] = static_cast<std::uint16_t>(i);
    for (std::size_t j = i; j < order; ++j) {
      for (std::size_t k = i; k < order; ++k) {
        if (std::fabs(a[j][k]) > std::fabs(w)) {
          w = a[j][k];
          colidx[i] = static_cast<std::uint16_t>(k);
          rowidx[i] = static_cast<std::uint16_t>(j);
        }
      }
    }
    if (colidx[i] > i) SwapColumns(a, i, colidx[i], order);
    if (rowidx[i] > i) SwapRows(a, i, rowidx[i], order);

    if (eps > std::fabs(w)) EndProgram(MessageKind::Error, ButtonSet::Ok, kSingularMatrixText);
    Checked(w, "non-finite pivot");
    if (w == 0) Fault("division by a zero pivot", w);

    // Pivot column, then the rank-one update of the rest, then the pivot
    // row: the column holds -a[j][i]/w, the multiplier of row i that
    // clears a[j][i].
    for (std::size_t j = 0; j < order; ++j) {
      if (j != i) a[j][i] = Checked(a[j][i] / -w, "overflow in the pivot column");
    }
    std::vector<Real>& pivotRow = a[i];
    for (std::size_t k = 0; k < order; ++k) {
      if (k == i) continue;
      std::vector<Real>& row = a[k];
      const Real factor = row[i];
      for (std::size_t l = 0; l < order; ++l) {
        if (l != i) row[l] = Checked(factor * pivotRow[l] + row[l], "overflow in the elimination");
      }
    }
    for (std::size_t l = 0; l < order; ++l) {
      if (l != i) pivotRow[l] = Checked(pivotRow[l] / w, "overflow in the pivot row");
    }
    a[i][i] = Checked(1 / w, "overflow in the pivot element");
  }

  // The inverse of a column-permuted matrix is the row-permuted inverse and
  // vice versa; undo the exchanges from the last step back to the first.
  for (std::size_t j = order; j-- > 0;) {
    if (colidx[j] > j) SwapRows(a, j, colidx[j], order);
    if (rowidx[j] > j) SwapColumns(a, j, rowidx[j], order);
  }
}

}  // namespace vexilor
