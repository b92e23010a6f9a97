// A rectification run that finished with a solution: everything the result
// commands (results database, pictures, reports) read. The run hands over
// a complete copy, so those commands never see half-replaced data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/shell/real.h"

namespace vexilor {

struct FinishedRun {
  std::uint8_t Lang = 0;        //!< language flag of the run
  std::uint16_t TrayCount = 0;  //!< NT; stages are 0 (still) .. NT+1 (dephlegmator)
  std::uint8_t UnitsKind = 1;   //!< 1 mass units, 2 molar units
  char HeatingKind = 'd';       //!< 'd'/'D' dead steam, 'l'/'L' live steam
  Real SteamFlow = 0;           //!< per second: kg/s (mass) or kmol/s (molar)
  Real SteamPressure = 0;       //!< kgf/cm2
  Real ColumnPressure = 0;      //!< Pa
  Real TrayEfficiency = 1;
  Real DephlHeatFixed = 0;  //!< overall enthalpy balance, kW; the heat load is its negative
  std::string ModelName;    //!< "Wilson", "NRTL", "UNIQUAC" or "UNIFAC"
  std::string VleFilePath;  //!< full path of the VLE data file of the run
  std::vector<std::string> CompNames;  //!< n names in the run's language
  std::vector<Real> MolMass;           //!< n molar masses, kg/kmol
  std::string FlowUnit;  //!< " kg/sec" / " кг/сек" or "kmol/hr" / "кмоль/ч"
  std::string ConcUnit;  //!< "% mass." / "% масс." or "% molar" / "%мольн."

  std::vector<std::uint8_t> FeedTrays;      //!< stages with a feed, ascending
  std::vector<std::uint8_t> CatchTrays;     //!< stages with a takeoff, ascending
  std::vector<Real> FeedFlow;               //!< per stage, per second
  std::vector<Real> CatchFlow;              //!< per stage, per second
  std::vector<std::vector<Real>> FeedComp;  //!< [component][stage], fractions

  std::vector<Real> Temp;                  //!< per stage, reduced temperature T/273.15
  std::vector<Real> LiqFlow;               //!< per stage, per second
  std::vector<Real> VapFlow;               //!< per stage, per second
  std::vector<std::vector<Real>> LiqConc;  //!< [component][stage], fractions
  std::vector<std::vector<Real>> VapConc;  //!< [component][stage], fractions

  int ComponentCount() const { return static_cast<int>(CompNames.size()); }
  int StageCount() const { return TrayCount + 2; }
  //! Factor from the per-second flows to the reported ones: 1 in mass
  //! units (kg/s), 3600 in molar units (kmol/h).
  Real FlowFactor() const { return UnitsKind == 2 ? 3600 : 1; }
  //! Heating steam in kg/hour.
  Real SteamFlowKgPerHour() const {
    return UnitsKind == 2 ? SteamFlow * 18.015L * 3600 : SteamFlow * 3600;
  }
  bool DeadSteam() const { return HeatingKind == 'd' || HeatingKind == 'D'; }
  //! Boiling temperature of a stage, deg C.
  Real TemperatureC(int stage) const {
    return (Temp[static_cast<std::size_t>(stage)] - 1) * 273.15L;
  }
};

//! Where a finished run is stored when the user agrees (the results
//! database). Implementations report their own failures to the user.
class ResultsStore {
 public:
  virtual ~ResultsStore() = default;
  virtual void StoreCalculation(const FinishedRun& run) = 0;
};

}  // namespace vexilor
