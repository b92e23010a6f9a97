#include "render/pictures/stored_pictorial_data.h"

#include <algorithm>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "store/stored_calculation.h"

namespace vexilor::render {
namespace {

// Every tray from the still (0) to the dephlegmator (N+1) needs its row;
// a calculation edited down to fewer rows cannot be drawn.
void CheckTrayRows(int trayCount, std::size_t rows, std::uint8_t lang) {
  if (trayCount >= 0 && rows >= static_cast<std::size_t>(trayCount) + 2) return;
  const std::string_view format =
      PickText(lang, "The calculation holds %zu tray rows; its %d trays need %d.",
               "Расчет содержит строк по тарелкам: %zu; для его %d тарелок нужно %d.");
  throw PictureError(Format(format.data(), rows, trayCount, trayCount + 2));
}

// The ATrayNum values of count stream rows from first on, as many as exist.
std::vector<int> StreamTrays(const std::vector<store::AddDataRow>& streams, std::size_t first,
                             int count) {
  std::vector<int> trays;
  for (std::size_t i = first;
       i < streams.size() && trays.size() < static_cast<std::size_t>(std::max(count, 0)); ++i) {
    trays.push_back(streams[i].ATrayNum);
  }
  return trays;
}

}  // namespace

PictorialData PictorialDataFromStored(const store::StoredCalculation& calculation,
                                      std::uint8_t lang) {
  const store::InitDataRow& init = calculation.Init;
  const int compCount = init.RquantComp.value_or(0);
  CheckPictureComponentCount(compCount, lang);
  CheckTrayRows(init.RquantTrays, calculation.Trays.size(), lang);

  PictorialData data;
  data.Lang = lang;
  data.CompCount = static_cast<std::uint8_t>(std::max(compCount, 0));
  data.N = static_cast<std::uint16_t>(init.RquantTrays);
  data.FeedTrays = StreamTrays(calculation.Streams, 0, init.RquantFeeds);
  data.CatchTrays = StreamTrays(calculation.Streams, data.FeedTrays.size(), init.RquantCatch);
  data.FlowUnit = QString::fromStdString(init.RdimConsum);
  data.ConcUnit = QString::fromStdString(init.RdimConc);

  const std::size_t stages = static_cast<std::size_t>(data.N) + 2;
  data.ProfileMatrix.assign(static_cast<std::size_t>(data.LastRow() + 1),
                            std::vector<double>(stages));
  for (std::size_t j = 0; j < stages; ++j) {
    const store::RctResultRow& tray = calculation.Trays[j];
    data.ProfileMatrix[0][j] = tray.Temper.value_or(0);
    data.ProfileMatrix[1][j] = tray.TLiqCons.value_or(0);
    data.ProfileMatrix[2][j] = tray.TVapCons.value_or(0);
    for (std::size_t k = 0; k < data.CompCount; ++k) {
      data.ProfileMatrix[3 + 2 * k][j] = tray.TXcomp[k].value_or(0);
      data.ProfileMatrix[4 + 2 * k][j] = tray.TYcomp[k].value_or(0);
    }
  }

  std::vector<QString> names;
  for (std::size_t k = 0; k < data.CompCount; ++k) {
    names.push_back(QString::fromStdString(init.RComp[k]));
  }
  data.PlotTitles =
      MakePlotTitles(lang, names, data.FlowUnit, data.ConcUnit, HeadingStyle::StoredCalculation);
  return data;
}

}  // namespace vexilor::render
