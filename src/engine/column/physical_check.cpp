#include "engine/column/physical_check.h"

#include "engine/shell/lang.h"

namespace vexilor {

namespace {

std::string StageList(const std::vector<int>& stages) {
  std::string list;
  for (std::size_t i = 0; i < stages.size(); ++i)
    list += (i > 0 ? ", " : "") + std::to_string(stages[i]);
  return list;
}

}  // namespace

Infeasibility FindInfeasibility(const ColumnSolution& solution) {
  Infeasibility found;
  for (std::size_t j = 0; j < solution.Temp.size(); ++j) {
    const int stage = static_cast<int>(j);
    if (solution.LiqFlow[j] < 0) found.NegativeLiquid.push_back(stage);
    if (solution.VapFlow[j] < 0) found.NegativeVapour.push_back(stage);
    bool outside = false;
    for (std::size_t k = 0; k < solution.LiqConc.size(); ++k) {
      for (const Real fraction : {solution.LiqConc[k][j], solution.VapConc[k][j]})
        outside = outside || !(fraction >= 0 && fraction <= 1);
    }
    if (outside) found.FractionOutside.push_back(stage);
  }
  return found;
}

std::string InfeasibilityWarning(const Infeasibility& found) {
  const bool english = Lang == 1;
  std::string text = english ? "Warning! The solution is physically impossible:"
                             : "Внимание! Решение физически невозможно:";
  const char* separator = " ";
  auto add = [&](const std::vector<int>& stages, const char* en, const char* ru) {
    if (stages.empty()) return;
    text += separator;
    text += (english ? en : ru) + StageList(stages);
    separator = "; ";
  };
  add(found.NegativeLiquid, "negative liquid flow on trays ",
      "отрицательный расход жидкости на тарелках ");
  add(found.NegativeVapour, "negative vapour flow on trays ",
      "отрицательный расход пара на тарелках ");
  add(found.FractionOutside, "fractions outside 0..1 on trays ", "доли вне 0..1 на тарелках ");
  return text + ".";
}

}  // namespace vexilor
