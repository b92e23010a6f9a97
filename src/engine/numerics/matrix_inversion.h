// In-place inversion of a small dense matrix of extended reals.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/shell/real.h"

namespace vexilor {

//! A matrix as rows of extended reals; element (r, c) is a[r][c], indexes
//! from 0. An order-m problem has m rows of m elements.
using Matrix_ = std::vector<std::vector<Real>>;

//! Indexes of the pivots of one inversion (16-bit, as the matrix order).
using Ivec_ = std::vector<std::uint16_t>;

//! Threshold below which a pivot counts as zero, used by every solver.
inline constexpr Real kSingularPivot = 1e-8L;

//! Text of the message that ends the program on a singular matrix.
inline constexpr const char* kSingularMatrixText = "matrix is singular";

//! Inverts a in place by Gauss-Jordan elimination with full pivoting.
//!
//! n is the highest index: a has rows 0..n and columns 0..n. For each
//! step i = 0..n the largest |a[j][k]| over j, k >= i becomes the pivot w
//! (row-major scan, a candidate replaces the current one only when strictly
//! larger, starting from the diagonal); its column and row are swapped
//! into position i, and then
//!   a[j][i] = a[j][i] / -w                      (j != i)
//!   a[k][l] = a[k][i] * a[i][l] + a[k][l]       (k != i, l != i)
//!   a[i][l] = a[i][l] / w                       (l != i)
//!   a[i][i] = 1 / w.
//! The swaps are undone in reverse order at the end, a column swap of the
//! matrix by a row swap of its inverse and vice versa.
//!
//! A pivot with eps > |w| ends the program: the error message "matrix is
//! singular" is shown and ProgramTermination thrown. A pivot equal to eps
//! passes. Arithmetic faults (a zero pivot when eps is 0, overflow, a NaN
//! entry) throw NumericFailure, leaving a as far as the elimination got.
//! Rows shorter than n + 1 elements are a caller's error
//! (std::invalid_argument, a untouched).
void InvertMatrix(std::uint16_t n, Matrix_& a, Real eps);

}  // namespace vexilor
