#include "engine/column/column_fixtures.h"

#include "engine/thermo/component_base.h"
#include "engine/thermo/vle_file.h"

namespace vexilor::testing {

namespace {

constexpr Real kKiloJoulePerCalorie = 4.184e-3L;
constexpr Real kEnergyScale = 2.27107836L;  // R * 273.15 K, kJ/mol

}  // namespace

TVLEParams EthanolWaterWilson() {
  TVLEParams params = MakeParams('W', {0, 1});
  params.WilsonA[0][1] = 382.30L * kKiloJoulePerCalorie / kEnergyScale;
  params.WilsonA[1][0] = 955.45L * kKiloJoulePerCalorie / kEnergyScale;
  return params;
}

EquationsColumn::EquationsColumn(std::uint16_t trays, std::uint8_t units, char heating,
                                 Real steamFlow) {
  const TVLEParams params = EthanolWaterWilson();
  const auto names = NamesOf(params);
  const ComponentConstants constants = ConstantsOf(params);
  Names = {names[0], names[1]};
  MolarMasses = {constants.M[0], constants.M[1]};
  Model = CreateVLEObj(params, names, constants);
  Problem.Allocate(trays, 2);
  Problem.UnitsKind = units;
  Problem.HeatingKind = heating;
  Problem.SteamFlow = steamFlow;
  Problem.SteamPressure = 3;
  Problem.ColumnPressure = 760 * 133.3L;
  if (Problem.LiveSteam()) {
    Problem.LiveSteamFlow[0] = steamFlow;
    Problem.LiveSteamComp[1][0] = 1;
  }
}

ColumnEquations& EquationsColumn::Build() {
  ApplyEnthalpyUnits(Problem.UnitsKind);
  Heat.Qs = Problem.SteamFlow * GetProperty("steam", "enthalp_s", Problem.SteamPressure);
  Heat.Qc = Problem.DeadSteam()
                ? Problem.SteamFlow * GetProperty("steam", "enthalp_c", Problem.SteamPressure)
                : 0;
  Heat.HeatInput.assign(static_cast<std::size_t>(Problem.StageCount()), 0);
  if (Problem.LiveSteam()) Heat.HeatInput[0] = Heat.Qs;
  Heat.TotalFeed = Problem.TotalFeed();
  Heat.WaterName = "comp.2";
  Solution.Allocate(Problem.StageCount(), 2);
  Equations =
      std::make_unique<ColumnEquations>(Problem, Solution, *Model, Names, MolarMasses, Heat, Text);
  return *Equations;
}

std::string WriteVLEFile(const TempFolder& folder, const std::string& name,
                         const TVLEParams& params) {
  const std::string path = folder.File(name);
  WriteVLEDataFile(path, params);
  return path;
}

ColumnEntryResult MakeEntry(std::uint16_t trays, char heating, Real steamKgPerHour,
                            Real steamPressure, const std::vector<FeedStream>& feeds,
                            const std::vector<TakeoffStream>& takeoffs, int components) {
  ColumnEntryResult entry;
  entry.HeatingKind = heating;
  entry.SteamCons = steamKgPerHour;
  entry.SteamPress = steamPressure;
  entry.TotalNumb = trays;
  entry.FeedNumb = static_cast<std::uint16_t>(feeds.size());
  entry.CatchNumb = static_cast<std::uint16_t>(takeoffs.size());
  const std::size_t stages = std::size_t{trays} + 2;
  entry.FeedCons.assign(stages, 0);
  entry.CatchCons.assign(stages, 0);
  entry.FeedConc.assign(static_cast<std::size_t>(components), std::vector<Real>(stages, 0));
  for (const FeedStream& feed : feeds) {
    entry.FeedTrays.push_back(feed.Tray);
    if (feed.Tray >= stages) continue;  // a tray the entry must refuse
    entry.FeedCons[feed.Tray] = feed.FlowPerHour;
    for (std::size_t k = 0; k < feed.Percent.size(); ++k)
      entry.FeedConc[k][feed.Tray] = feed.Percent[k];
  }
  for (const TakeoffStream& takeoff : takeoffs) {
    entry.CatchTrays.push_back(takeoff.Tray);
    if (takeoff.Tray < stages) entry.CatchCons[takeoff.Tray] = takeoff.FlowPerHour;
  }
  return entry;
}

ColumnEntryResult EthanolWaterEntry() {
  return MakeEntry(8, 'l', 3000, 3, {{5, 5000, {15}}}, {{7, 300}, {9, 700}});
}

}  // namespace vexilor::testing
