#include "support/sample_run.h"

#include <array>

#include "engine/shell/lang.h"

namespace vexilor::testing {

namespace {

constexpr int kStages = 10;  // 8 trays, the still and the dephlegmator

// Profiles of an atmospheric ethanol-water column, still (0) to top (9).
constexpr std::array<Real, kStages> kTemperatureC{99.40L, 96.20L, 91.80L, 87.60L, 84.10L,
                                                  81.70L, 80.20L, 79.20L, 78.60L, 78.30L};
constexpr std::array<Real, kStages> kEthanolLiquid{0.0040L, 0.0210L, 0.0640L, 0.1480L, 0.3120L,
                                                   0.5060L, 0.6620L, 0.7720L, 0.8480L, 0.9010L};
constexpr std::array<Real, kStages> kEthanolVapour{0.0410L, 0.1720L, 0.3350L, 0.4890L, 0.6010L,
                                                   0.6880L, 0.7560L, 0.8170L, 0.8720L, 0.9120L};
// kg/s
constexpr std::array<Real, kStages> kLiquidFlow{1.1200L, 1.3650L, 1.3720L, 1.3810L, 0.1420L,
                                                0.1460L, 0.1490L, 0.1330L, 0.1350L, 0.1380L};
constexpr std::array<Real, kStages> kVapourFlow{0.2500L, 0.2450L, 0.2520L, 0.2610L, 0.2710L,
                                                0.2730L, 0.2760L, 0.2640L, 0.2660L, 0.2500L};

constexpr int kFeedTray = 3;
constexpr int kSideTray = 6;
constexpr int kTopStage = 9;

std::vector<Real> Profile(const std::array<Real, kStages>& values, Real scale = 1) {
  std::vector<Real> profile(values.begin(), values.end());
  for (Real& value : profile) value *= scale;
  return profile;
}

std::vector<Real> Complement(const std::array<Real, kStages>& fractions) {
  std::vector<Real> rest(kStages);
  for (int j = 0; j < kStages; ++j) rest[j] = 1 - fractions[j];
  return rest;
}

FinishedRun Build(std::uint8_t lang, std::uint8_t unitsKind, Real flowScale) {
  FinishedRun run;
  run.Lang = lang;
  run.TrayCount = kStages - 2;
  run.UnitsKind = unitsKind;
  run.HeatingKind = 'l';
  run.SteamFlow = 0.25L * flowScale;
  run.SteamPressure = 3.0L;
  run.ColumnPressure = 760 * 133.3L;
  run.TrayEfficiency = 1;
  run.DephlHeatFixed = -612.45L;
  run.ModelName = "NRTL";
  run.VleFilePath = "/home/engineer/columns/ethanol_water.dat";
  run.CompNames = {std::string(PickText(lang, "Ethanol", "Этанол")),
                   std::string(PickText(lang, "Water", "Вода"))};
  run.MolMass = {46.069L, 18.015L};
  if (unitsKind == 2) {
    run.FlowUnit = PickText(lang, "kmol/hr", "кмоль/ч");
    run.ConcUnit = PickText(lang, "% molar", "%мольн.");
  } else {
    run.FlowUnit = PickText(lang, " kg/sec", " кг/сек");
    run.ConcUnit = PickText(lang, "% mass.", "% масс.");
  }

  run.FeedTrays = {kFeedTray};
  run.CatchTrays = {kSideTray, kTopStage};
  run.FeedFlow.assign(kStages, 0);
  run.CatchFlow.assign(kStages, 0);
  run.FeedFlow[kFeedTray] = 1.0L * flowScale;
  run.CatchFlow[kSideTray] = 0.02L * flowScale;
  run.CatchFlow[kTopStage] = 0.11L * flowScale;
  run.FeedComp.assign(2, std::vector<Real>(kStages, 0));
  run.FeedComp[0][kFeedTray] = 0.12L;
  run.FeedComp[1][kFeedTray] = 0.88L;

  run.Temp.resize(kStages);
  for (int j = 0; j < kStages; ++j) run.Temp[j] = (kTemperatureC[j] + 273.15L) / 273.15L;
  run.LiqFlow = Profile(kLiquidFlow, flowScale);
  run.VapFlow = Profile(kVapourFlow, flowScale);
  run.LiqConc = {Profile(kEthanolLiquid), Complement(kEthanolLiquid)};
  run.VapConc = {Profile(kEthanolVapour), Complement(kEthanolVapour)};
  return run;
}

}  // namespace

FinishedRun EthanolWaterSideDrawRun(std::uint8_t lang) {
  return Build(lang, 1, 1);
}

// Mass flows over a mean molar mass of about 25 kg/kmol.
FinishedRun EthanolWaterSideDrawRunMolar(std::uint8_t lang) {
  return Build(lang, 2, 1 / 25.0L);
}

ScopedComponentBase::ScopedComponentBase(int records) : saved_(ComponentBase) {
  ComponentBase.assign(static_cast<std::size_t>(records), Pro{});
  for (int i = 0; i < records; ++i) {
    ComponentBase[static_cast<std::size_t>(i)].NameEn = std::string("Comp ") + char('A' + i);
    ComponentBase[static_cast<std::size_t>(i)].NameRu = std::string("Комп ") + char('A' + i);
  }
}

ScopedComponentBase::~ScopedComponentBase() {
  ComponentBase = std::move(saved_);
}

}  // namespace vexilor::testing
