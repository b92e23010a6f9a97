// The column problem: everything one rectification calculation needs
// besides the equilibrium data. Stages are numbered from the bottom: 0 the
// still, 1..NT the trays, NT+1 the dephlegmator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/shell/real.h"
#include "engine/shell/user_dialog.h"

namespace vexilor {

//! Highest solver index a column may use: the unknowns fill one SolverVector.
inline constexpr std::uint16_t kTrayCapacity = 65;
//! Pa per mm Hg, as the system has always used it.
inline constexpr Real kPascalPerMmHg = 133.3L;
//! Molar mass of the heating steam, kg/kmol.
inline constexpr Real kSteamMolarMass = 18.015L;
inline constexpr Real kSecondsPerHour = 3600;
//! Convergence constant of the global method for entered data.
inline constexpr Real kDefaultConvConst = 0.6L;
//! Heating steam pressures the steam tables cover, kgf/cm2.
inline constexpr Real kMinSteamPressure = 1;
inline constexpr Real kMaxSteamPressure = 10;

struct ColumnProblem {
  std::uint16_t TrayCount = 0;  //!< NT
  std::uint8_t UnitsKind = 1;   //!< 1 mass units (kg, fractions by mass), 2 molar units
  char HeatingKind = 'd';       //!< 'd'/'D' dead steam, 'l'/'L' live steam
  Real SteamFlow = 0;           //!< per second: kg/s (mass units) or kmol/s (molar units)
  Real SteamPressure = 0;       //!< kgf/cm2
  Real ColumnPressure = 0;      //!< Pa
  std::vector<std::vector<Real>> FeedComp;       //!< [component][stage], fractions
  std::vector<std::vector<Real>> LiveSteamComp;  //!< [component][stage], fractions
  std::vector<Real> FeedFlow;                    //!< per stage, per second
  std::vector<Real> LiveSteamFlow;               //!< per stage, per second
  std::vector<Real> CatchFlow;                   //!< takeoff per stage, per second
  Real ConvConst = kDefaultConvConst;            //!< bounds the global method's line search
  Real BreakMeasure = 0;                         //!< stop criterion of the global method
  SolverVector Approx{};                         //!< the unknowns in solver order
  std::vector<std::uint8_t> FeedTrays;           //!< stages with a feed
  std::vector<std::uint8_t> CatchTrays;          //!< stages with a takeoff

  int ComponentCount() const { return static_cast<int>(FeedComp.size()); }
  int StageCount() const { return TrayCount + 2; }
  //! Unknowns of the column, (NT + 2)(n + 1).
  int UnknownCount() const { return StageCount() * (ComponentCount() + 1); }
  bool DeadSteam() const { return HeatingKind == 'd' || HeatingKind == 'D'; }
  bool LiveSteam() const { return HeatingKind == 'l' || HeatingKind == 'L'; }
  //! Sum of the feed flows, per second.
  Real TotalFeed() const;
  //! Heating steam in kg/hour, as entered.
  Real SteamFlowKgPerHour() const;

  //! Sizes every per-stage array for trayCount trays and components
  //! components, all zero.
  void Allocate(std::uint16_t trayCount, int components);
  //! FeedTrays and CatchTrays rebuilt from the flows, in stage order: a
  //! stage whose |flow| exceeds 1e-8 is listed.
  void RebuildTrayLists();
};

//! Most trays a column of `components` components can have:
//! kTrayCapacity div (n + 1) - 2 (19, 14 and 11 for 2, 3 and 4).
int MaxTrayCount(int components);

//! The default break measure of entered data by units, model letter and
//! number of trays.
Real DefaultBreakMeasure(std::uint8_t unitsKind, char modelLetter, int trayCount);

//! Why a tray count cannot be used for `components` components (in the
//! language of interface), or nullopt when it can.
std::optional<std::string> TrayCountProblem(long trayCount, int components);

//! Why the values of a confirmed column data entry cannot be taken over
//! (in the language of interface), or nullopt when they can: the tray
//! count, the stream counts and tray numbers, negative flows, feed
//! compositions below 0 or summing to more than 100 %, and a steam pressure
//! outside the steam tables.
std::optional<std::string> ColumnEntryProblem(const ColumnEntryResult& entry, int components);

}  // namespace vexilor
