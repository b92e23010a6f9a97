// Texts of the column data entry dialog that depend on what was entered:
// unit texts, the tray limit and the example hints built from the counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/shell/lang.h"
#include "engine/shell/real.h"

namespace vexilor::gui {

//! Unit texts of the entry dialog by language and units (1 mass, 2 molar).
struct EntryUnitTexts {
  std::string_view Flow;
  std::string_view Concentration;
  std::string_view Pressure;
};
EntryUnitTexts EntryUnits(std::uint8_t lang, std::uint8_t unitsKind);

//! Largest total number of trays whose unknowns, (N + 2)(n + 1) of them,
//! fit a solver vector of trayCapacity values: capacity div (n + 1) - 2.
int MaxTrays(std::uint16_t trayCapacity, int compCount);

//! Example tray numbers of the feed streams for a column of totalNumb
//! trays: N div 2 + 1, then (N - s) div s + 1 for stream s = 2, 3, ...
std::string FeedExampleTrays(int totalNumb, int feedNumb);
//! Example concentrations of the first feed for components 1..n-1.
std::string FeedExampleConcentrations(std::uint8_t unitsKind, int compCount);
//! Example tray numbers of the takeoffs: the dephlegmator N + 1, then
//! N - 2, then i + 4 for stream i (counted from 0).
std::string CatchExampleTrays(int totalNumb, int catchNumb);
//! Example takeoff flows.
std::string CatchExampleFlows(std::uint8_t unitsKind, int catchNumb);

//! Hint of the feed grid once a feed count is accepted.
std::string FeedHint(std::uint8_t lang, std::uint8_t unitsKind, int compCount, int totalNumb,
                     int feedNumb);
//! Hint of the takeoff grid once a takeoff count is accepted.
std::string CatchHint(std::uint8_t lang, std::uint8_t unitsKind, int totalNumb, int catchNumb);
//! Hint of the total number of trays, naming the limit.
std::string TotalTraysHint(std::uint8_t lang, int maxTrays);
//! Hint of the steam flow with the preset flow as its example.
std::string SteamConsHint(std::uint8_t lang, Real steamCons);

//! Refusal of a total above the limit while it is typed.
std::string TooManyTraysMessage(std::uint8_t lang, int maxTrays);
//! Refusal by OK of a total outside 1..maxTrays.
std::string TotalOutOfRangeMessage(std::uint8_t lang, int maxTrays);
//! Refusal by OK of a tray number outside 0..N+1.
std::string TrayOutOfRangeMessage(std::uint8_t lang, int highestTray);

}  // namespace vexilor::gui
