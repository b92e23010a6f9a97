#include "engine/column/column_problem.h"

#include <cmath>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"

namespace vexilor {

namespace {

// Flows and stage numbers below this magnitude count as no stream.
constexpr Real kStreamThreshold = 1e-8L;
// Percentages are typed; their sum may miss 100 by rounding only.
constexpr Real kPercentTolerance = 1e-9L;

}  // namespace

Real ColumnProblem::TotalFeed() const {
  Real total = 0;
  for (const Real flow : FeedFlow) total += flow;
  return total;
}

Real ColumnProblem::SteamFlowKgPerHour() const {
  return UnitsKind == 2 ? SteamFlow * kSteamMolarMass * kSecondsPerHour
                        : SteamFlow * kSecondsPerHour;
}

void ColumnProblem::Allocate(std::uint16_t trayCount, int components) {
  TrayCount = trayCount;
  const auto stages = static_cast<std::size_t>(StageCount());
  const auto count = static_cast<std::size_t>(components);
  FeedComp.assign(count, std::vector<Real>(stages, 0));
  LiveSteamComp.assign(count, std::vector<Real>(stages, 0));
  FeedFlow.assign(stages, 0);
  LiveSteamFlow.assign(stages, 0);
  CatchFlow.assign(stages, 0);
}

void ColumnProblem::RebuildTrayLists() {
  FeedTrays.clear();
  CatchTrays.clear();
  for (int j = 0; j < StageCount(); ++j) {
    if (std::fabs(FeedFlow[j]) > kStreamThreshold)
      FeedTrays.push_back(static_cast<std::uint8_t>(j));
    if (std::fabs(CatchFlow[j]) > kStreamThreshold)
      CatchTrays.push_back(static_cast<std::uint8_t>(j));
  }
}

int MaxTrayCount(int components) {
  return kTrayCapacity / (components + 1) - 2;
}

Real DefaultBreakMeasure(std::uint8_t unitsKind, char modelLetter, int trayCount) {
  // Columns: mass units with fewer than 10 trays, mass units with 10 or
  // more, then the same for molar units. Found by trial: small enough for
  // Newton's method to converge from the point reached, large enough for
  // the global method to get there.
  struct Row {
    char Letter;
    Real Values[4];
  };
  static constexpr Row kTable[] = {{'W', {6e-8L, 1.55e-6L, 1e-5L, 1.5e-6L}},
                                   {'N', {2e-5L, 1.19e-6L, 1e-5L, 1e-7L}},
                                   {'Q', {4e-6L, 2e-6L, 4e-6L, 4e-6L}},
                                   {'F', {2e-6L, 2e-6L, 2e-5L, 2.2e-6L}}};
  const int column = (unitsKind == 1 ? 0 : 2) + (trayCount < 10 ? 0 : 1);
  for (const Row& row : kTable)
    if (row.Letter == modelLetter) return row.Values[column];
  return 1e-7L;
}

std::optional<std::string> TrayCountProblem(long trayCount, int components) {
  const int most = MaxTrayCount(components);
  if (trayCount >= 1 && trayCount <= most) return std::nullopt;
  return Lang == 1 ? Format(
                         "The total number of trays must lie between 1 and %d for a mixture "
                         "of %d components (%ld was given)",
                         most, components, trayCount)
                   : Format(
                         "Общее число тарелок для смеси из %d компонентов должно быть от 1 "
                         "до %d (задано %ld)",
                         components, most, trayCount);
}

namespace {

std::optional<std::string> StreamProblem(const ColumnEntryResult& entry, int components,
                                         bool feed) {
  const int last = entry.TotalNumb + 1;
  const auto& trays = feed ? entry.FeedTrays : entry.CatchTrays;
  const auto& flows = feed ? entry.FeedCons : entry.CatchCons;
  if (trays.empty()) {
    return std::string(feed ? ByLang("Set number of Feed trays of the column",
                                     "Задайте число тарелок питания колонны")
                            : ByLang("Set number of Catch trays of the column",
                                     "Задайте число тарелок отбора колонны"));
  }
  for (const std::uint8_t tray : trays) {
    if (tray > last) {
      return feed ? (Lang == 1 ? Format("Feed tray number %u lies outside 0..%d", tray, last)
                               : Format("Номер тарелки питания %u вне диапазона 0..%d", tray, last))
                  : (Lang == 1 ? Format("Catch tray number %u lies outside 0..%d", tray, last)
                               : Format("Номер тарелки отбора %u вне диапазона 0..%d", tray, last));
    }
    if (!(flows[tray] >= 0)) {
      return Lang == 1 ? Format("The flow on tray %u must not be negative", tray)
                       : Format("Расход на тарелке %u не может быть отрицательным", tray);
    }
    if (!feed) continue;
    Real sum = 0;
    bool negative = false;
    for (int k = 0; k + 1 < components; ++k) {
      negative = negative || !(entry.FeedConc[k][tray] >= 0);
      sum += entry.FeedConc[k][tray];
    }
    if (negative || sum > 100 + kPercentTolerance) {
      return Lang == 1 ? Format(
                             "The concentrations of the feed on tray %u must not be negative "
                             "and must sum to at most 100 %%",
                             tray)
                       : Format(
                             "Концентрации компонентов в питании тарелки %u должны быть "
                             "неотрицательными, а их сумма - не более 100 %%",
                             tray);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ColumnEntryProblem(const ColumnEntryResult& entry, int components) {
  if (auto problem = TrayCountProblem(entry.TotalNumb, components)) return problem;
  // The dialog sizes its per-tray arrays for trays 0..N+1; anything shorter
  // is incomplete and must not be indexed.
  const std::size_t stages = std::size_t{entry.TotalNumb} + 2;
  bool complete = entry.FeedCons.size() >= stages && entry.CatchCons.size() >= stages &&
                  entry.FeedConc.size() + 1 >= static_cast<std::size_t>(components);
  for (std::size_t k = 0; complete && k + 1 < static_cast<std::size_t>(components); ++k)
    complete = entry.FeedConc[k].size() >= stages;
  if (!complete) {
    return std::string(ByLang("All fields of this tables should be filled",
                              "Все поля этих таблиц должны быть заполнены"));
  }
  if (!(entry.SteamCons >= 0)) {
    return std::string(ByLang("The heating steam flow must not be negative",
                              "Расход греющего пара не может быть отрицательным"));
  }
  if (!(entry.SteamPress >= kMinSteamPressure && entry.SteamPress <= kMaxSteamPressure)) {
    return std::string(ByLang("The pressure of the heating steam must lie between 1 and 10 kgf/sm2",
                              "Давление греющего пара должно быть от 1 до 10 кГс/см2"));
  }
  if (auto problem = StreamProblem(entry, components, true)) return problem;
  return StreamProblem(entry, components, false);
}

}  // namespace vexilor
