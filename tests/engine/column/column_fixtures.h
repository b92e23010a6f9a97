// Columns for the tests of the rectification calculation: parameter sets
// of the built-in components, VLE data files and column data entries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/column/column_equations.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/vle_fixtures.h"
#include "engine/thermo/vle_params.h"

namespace vexilor::testing {

//! Wilson parameters of comp.1 (ethanol) - comp.2 (water) from the
//! literature: 382.30 and 955.45 cal/mol, reduced by R * 273.15 K.
TVLEParams EthanolWaterWilson();

//! An ethanol-water column (EthanolWaterWilson) with its equations, for
//! evaluating the residuals without a run. The caller adds the streams to
//! Problem, then calls Build(); live steam enters the still as water.
class EquationsColumn {
 public:
  //! trays trays, 760 mm Hg, steam of steamFlow per second at 3 kgf/cm2.
  EquationsColumn(std::uint16_t trays, std::uint8_t units, char heating, Real steamFlow);

  //! The heat terms of the problem as it stands (enthalpies per kg or per
  //! kmol by the units), the solution fields and the equations.
  ColumnEquations& Build();

  std::vector<std::string> Names;
  std::vector<Real> MolarMasses;
  std::unique_ptr<TVLEObj> Model;
  ColumnProblem Problem;
  ColumnSolution Solution;
  HeatTerms Heat;
  LineList Text;
  std::unique_ptr<ColumnEquations> Equations;
};

//! Writes params as a VLE data file named name in folder; returns its path.
std::string WriteVLEFile(const TempFolder& folder, const std::string& name,
                         const TVLEParams& params);

//! One feed: its tray, flow per hour and the percentages of components
//! 1..n-1.
struct FeedStream {
  std::uint8_t Tray;
  Real FlowPerHour;
  std::vector<Real> Percent;
};

//! One takeoff: its tray and flow per hour.
struct TakeoffStream {
  std::uint8_t Tray;
  Real FlowPerHour;
};

//! The result of a confirmed column data entry dialog.
ColumnEntryResult MakeEntry(std::uint16_t trays, char heating, Real steamKgPerHour,
                            Real steamPressure, const std::vector<FeedStream>& feeds,
                            const std::vector<TakeoffStream>& takeoffs, int components = 2);

//! The ethanol-water column of the examples: 8 trays, live steam 3000 kg/h
//! at 3 kgf/cm2, one feed of 5000 kg/h at 15 % on tray 5, takeoffs of
//! 300 kg/h on tray 7 and 700 kg/h from the dephlegmator.
ColumnEntryResult EthanolWaterEntry();

}  // namespace vexilor::testing
