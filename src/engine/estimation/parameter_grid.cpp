#include "engine/estimation/parameter_grid.h"

namespace vexilor {

namespace {

constexpr int kBaseHeight = 219;
constexpr int kHeaderRows = 2;
constexpr int kRows = 3;
constexpr int kValueRow = 2;

}  // namespace

GridRequest NewParameterGrid() {
  GridRequest grid;
  grid.BaseHeight = kBaseHeight;
  grid.FixedCols = 0;
  grid.FixedRows = kHeaderRows;
  grid.RowCount = kRows;
  grid.Lang = Lang;
  return grid;
}

void AddParameterColumn(GridRequest& grid, const std::string& header, const std::string& unit) {
  grid.CellTexts.push_back({header, unit, ""});
  grid.IntColumn.push_back(false);
  grid.ColCount = static_cast<int>(grid.CellTexts.size());
}

Real TypedValue(const GridAnswer& answer, int column) {
  if (column < 0 || static_cast<std::size_t>(column) >= answer.GridReals.size()) return 0;
  const auto& cells = answer.GridReals[static_cast<std::size_t>(column)];
  return cells.size() > kValueRow ? cells[kValueRow] : 0;
}

}  // namespace vexilor
