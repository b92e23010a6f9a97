// The grid dialog in which the user types the energy parameters of one
// component pair: no header column, a header row, a unit row and one row of
// values, one real column per parameter.
#pragma once

#include <string>

#include "engine/shell/lang.h"
#include "engine/shell/real.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

//! The word the entry prompts start their lines with.
inline constexpr TextPair kEntryWord{"Enter ", "Введите "};

//! Columns a grid dialog can hold.
inline constexpr int kGridCapacity = 25;

//! A parameter grid as it is created for a pair: base height 219, no
//! header column, two header rows, three rows, the language of interface.
GridRequest NewParameterGrid();

//! Adds a real column with its header and unit cells and an empty value cell.
void AddParameterColumn(GridRequest& grid, const std::string& header, const std::string& unit);

//! The value typed into a column (row 2); 0 where the grid parsed nothing,
//! as after a cancelled or closed grid.
Real TypedValue(const GridAnswer& answer, int column);

}  // namespace vexilor
