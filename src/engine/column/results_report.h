// The items a rectification run appends to the results text: the start
// header, the results header, the local method's table header, the titles
// of the precise and the approximate solution, the stage rows, the heat
// load and the table of feed and takeoff flows. Texts follow Lang.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "engine/column/column_equations.h"
#include "engine/column/column_problem.h"
#include "engine/shell/real.h"

namespace vexilor {

//! Unit texts and the factor from the per-second flows to the printed ones.
struct ReportUnits {
  Real FlowFactor = 1;    //!< 1 in mass units (kg/s), 3600 in molar units (kmol/h)
  std::string FlowUnit;   //!< " kg/sec" / "kmol/hr"
  std::string ConcUnit;   //!< "% mass." / "% molar"
  std::string UnitsWord;  //!< " mass " / " molar "
};

ReportUnits UnitsOf(std::uint8_t unitsKind);

//! " dead " or " live ".
std::string HeatingWord(char heatingKind);

//! Item 1: number of trays, tray efficiency, the global method begins.
std::string StartHeader(int trayCount);

//! Item 3, the results header H: mixture, model, trays, pressure, heating
//! steam, denotations, component indexes and the column line of the table.
std::string ResultsHeader(const ColumnProblem& problem, const std::string& modelName,
                          std::span<const std::string> names);

//! Header of the local method's discrepancy table (n + 1 residual columns).
std::string LocalTableHeader(int components);

//! Title of the precise solution followed by H.
std::string PreciseTitle(const std::string& header);
//! Title of the approximate solution followed by H.
std::string ApproximateTitle(const std::string& header);

//! Row of stage j: number, temperature in deg C, L and V, then x and y of
//! every component.
std::string StageRow(int j, const ColumnSolution& solution, Real flowFactor);

//! The heat load on the dephlegmator, -dephlHeatFixed, kW.
std::string HeatLoadLine(Real dephlHeatFixed);

//! The feed and takeoff table over problem.FeedTrays and CatchTrays.
std::string FeedTakeoffTable(const ColumnProblem& problem, std::span<const std::string> names,
                             const ReportUnits& units);

//! text right-justified in width characters (not bytes), as "%*s" does
//! with single-byte text; longer text is not cut.
std::string PadLeft(std::string_view text, int width);

}  // namespace vexilor
