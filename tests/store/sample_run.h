// A small finished run for the results-database tests: three components,
// four trays, one feed on tray 2 and takeoffs from the still and the
// dephlegmator, with values that differ on every stage.
#pragma once

#include <string>

#include "engine/results/finished_run.h"

namespace vexilor::testing {

//! unitsKind 1 mass, 2 molar; heating 'l' live or 'd' dead steam.
inline FinishedRun SampleRun(std::uint8_t lang = 1, std::uint8_t unitsKind = 2,
                             char heating = 'l') {
  FinishedRun run;
  run.Lang = lang;
  run.TrayCount = 4;
  run.UnitsKind = unitsKind;
  run.HeatingKind = heating;
  run.SteamFlow = 0.02L;
  run.SteamPressure = 2.5L;
  run.ColumnPressure = 101325;
  run.ModelName = "UNIQUAC";
  run.VleFilePath = "/home/инженер/проекты/колонна/этанол-вода-метанол.dat";
  run.CompNames = lang == 1 ? std::vector<std::string>{"Ethanol", "Water", "Methanol"}
                            : std::vector<std::string>{"Этанол", "Вода", "Метанол"};
  run.MolMass = {46.069L, 18.015L, 32.042L};
  const bool molar = unitsKind == 2;
  run.FlowUnit = molar ? (lang == 1 ? "kmol/hr" : "кмоль/ч") : (lang == 1 ? " kg/sec" : " кг/сек");
  run.ConcUnit = molar ? (lang == 1 ? "% molar" : "%мольн.") : (lang == 1 ? "% mass." : "% масс.");

  const int stages = run.StageCount();
  run.FeedTrays = {2};
  run.CatchTrays = {0, 5};
  run.FeedFlow.assign(stages, 0);
  run.CatchFlow.assign(stages, 0);
  run.FeedFlow[2] = 0.01L;
  run.CatchFlow[0] = 0.004L;
  run.CatchFlow[5] = 0.006L;
  run.FeedComp.assign(3, std::vector<Real>(stages, 0));
  run.FeedComp[0][2] = 0.3L;
  run.FeedComp[1][2] = 0.5L;
  run.FeedComp[2][2] = 0.2L;

  run.LiqConc.assign(3, std::vector<Real>(stages));
  run.VapConc.assign(3, std::vector<Real>(stages));
  for (int j = 0; j < stages; ++j) {
    run.Temp.push_back(1.35L - 0.01L * j);  // hottest in the still
    run.LiqFlow.push_back(0.001L * (j + 1));
    run.VapFlow.push_back(0.002L * (j + 1));
    run.LiqConc[0][j] = 0.1L + 0.1L * j;
    run.LiqConc[1][j] = 0.8L - 0.1L * j;
    run.LiqConc[2][j] = 0.1L;
    run.VapConc[0][j] = 0.15L + 0.1L * j;
    run.VapConc[1][j] = 0.7L - 0.1L * j;
    run.VapConc[2][j] = 0.15L;
  }
  return run;
}

}  // namespace vexilor::testing
