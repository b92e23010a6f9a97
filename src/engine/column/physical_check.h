// A solution of the column equations can be converged and still describe
// no real column: a negative flow or a fraction outside 0..1 on some
// stage. The run checks every solution it shows and warns.
#pragma once

#include <string>
#include <vector>

#include "engine/column/column_equations.h"

namespace vexilor {

//! Stages with physically impossible values.
struct Infeasibility {
  std::vector<int> NegativeLiquid;   //!< stages with a negative liquid flow
  std::vector<int> NegativeVapour;   //!< stages with a negative vapour flow
  std::vector<int> FractionOutside;  //!< stages with a fraction below 0 or above 1

  bool Any() const {
    return !NegativeLiquid.empty() || !NegativeVapour.empty() || !FractionOutside.empty();
  }
};

Infeasibility FindInfeasibility(const ColumnSolution& solution);

//! One line naming the stages and what is wrong with them, in the
//! language of interface.
std::string InfeasibilityWarning(const Infeasibility& found);

}  // namespace vexilor
