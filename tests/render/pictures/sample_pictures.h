// A finished ethanol-water run filled by hand with plausible numbers, and
// pictorial data built from it, for the tests of the pictures and of the
// pictorial window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/results/finished_run.h"
#include "render/pictures/pictorial_data.h"

namespace vexilor::testing {

//! Eight trays at 760 mm Hg in molar units; the feed enters tray 3 and the
//! distillate is taken at the reflux level (stage 9). Still 100 deg C,
//! top 78 deg C; ethanol from 0.3 % in the still to 84 % at the top.
inline FinishedRun EthanolWaterRun(std::uint8_t lang = 1) {
  const bool english = lang == 1;
  FinishedRun run;
  run.Lang = lang;
  run.TrayCount = 8;
  run.UnitsKind = 2;
  run.HeatingKind = 'l';
  run.SteamFlow = 70.0L / 3600 / 18.015L;
  run.SteamPressure = 3;
  run.ColumnPressure = 760 * 133.3L;
  run.ModelName = "Wilson";
  run.CompNames = english ? std::vector<std::string>{"Ethanol", "Water"}
                          : std::vector<std::string>{"Этанол", "Вода"};
  run.MolMass = {46.069L, 18.015L};
  run.FlowUnit = english ? "kmol/hr" : "кмоль/ч";
  run.ConcUnit = english ? "% molar" : "%мольн.";
  run.FeedTrays = {3};
  run.CatchTrays = {9};

  const std::vector<Real> tempC{100.0L, 96.5L, 92.0L, 88.1L, 84.0L,
                                81.6L,  80.2L, 79.2L, 78.5L, 78.2L};
  const std::vector<Real> liquidPerHour{130, 128, 127, 126, 45, 44, 44, 43, 43, 42};
  const std::vector<Real> vapourPerHour{70.0L, 70.4L, 70.8L, 71.1L, 71.3L,
                                        71.5L, 71.6L, 71.7L, 71.8L, 71.8L};
  const std::vector<Real> ethanolLiquid{0.003L, 0.02L, 0.06L, 0.12L, 0.25L,
                                        0.42L,  0.58L, 0.70L, 0.78L, 0.84L};
  const std::vector<Real> ethanolVapour{0.03L, 0.17L, 0.33L, 0.46L, 0.55L,
                                        0.62L, 0.69L, 0.76L, 0.82L, 0.86L};
  const std::size_t stages = tempC.size();
  run.FeedFlow.assign(stages, 0);
  run.CatchFlow.assign(stages, 0);
  run.FeedFlow[3] = 100.0L / 3600;
  run.CatchFlow[9] = 30.0L / 3600;
  run.FeedComp.assign(2, std::vector<Real>(stages, 0));
  run.FeedComp[0][3] = 0.12L;
  run.FeedComp[1][3] = 0.88L;
  run.LiqConc.assign(2, std::vector<Real>(stages));
  run.VapConc.assign(2, std::vector<Real>(stages));
  for (std::size_t j = 0; j < stages; ++j) {
    run.Temp.push_back(tempC[j] / 273.15L + 1);
    run.LiqFlow.push_back(liquidPerHour[j] / 3600);
    run.VapFlow.push_back(vapourPerHour[j] / 3600);
    run.LiqConc[0][j] = ethanolLiquid[j];
    run.LiqConc[1][j] = 1 - ethanolLiquid[j];
    run.VapConc[0][j] = ethanolVapour[j];
    run.VapConc[1][j] = 1 - ethanolVapour[j];
  }
  return run;
}

//! Pictorial data with compCount components and N trays whose profiles are
//! simple ramps (row r at tray j: r + j), in English.
inline render::PictorialData RampPictures(int compCount, int trayCount) {
  render::PictorialData data;
  data.Lang = 1;
  data.CompCount = static_cast<std::uint8_t>(compCount);
  data.N = static_cast<std::uint16_t>(trayCount);
  data.FlowUnit = " kg/sec";
  data.ConcUnit = "% mass.";
  std::vector<QString> names;
  for (int k = 1; k <= compCount; ++k) names.push_back(QStringLiteral("C%1").arg(k));
  data.PlotTitles = render::MakePlotTitles(1, names, data.FlowUnit, data.ConcUnit,
                                           render::HeadingStyle::CurrentRun);
  for (int row = 0; row <= data.LastRow(); ++row) {
    std::vector<double> values;
    for (int j = 0; j <= trayCount + 1; ++j) values.push_back(row + j);
    data.ProfileMatrix.push_back(values);
  }
  return data;
}

}  // namespace vexilor::testing
