#include "engine/column/column_fixtures.h"

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
    entry.FeedCons[feed.Tray] = feed.FlowPerHour;
    for (std::size_t k = 0; k < feed.Percent.size(); ++k)
      entry.FeedConc[k][feed.Tray] = feed.Percent[k];
  }
  for (const TakeoffStream& takeoff : takeoffs) {
    entry.CatchTrays.push_back(takeoff.Tray);
    entry.CatchCons[takeoff.Tray] = takeoff.FlowPerHour;
  }
  return entry;
}

ColumnEntryResult EthanolWaterEntry() {
  return MakeEntry(8, 'l', 3000, 3, {{5, 5000, {15}}}, {{7, 300}, {9, 700}});
}

}  // namespace vexilor::testing
