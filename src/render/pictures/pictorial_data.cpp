#include "render/pictures/pictorial_data.h"

#include "engine/results/finished_run.h"
#include "engine/shell/format.h"
#include "engine/shell/lang.h"

namespace vexilor::render {

QString PictureText(std::uint8_t lang, std::string_view english, std::string_view russian) {
  const std::string_view text = PickText(lang, english, russian);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<QString> MakePlotTitles(std::uint8_t lang, const std::vector<QString>& compNames,
                                    const QString& flowUnit, const QString& concUnit,
                                    HeadingStyle style) {
  std::vector<QString> titles;
  titles.push_back(PictureText(lang, "Boiling temperature of a mix, deg.c",
                               "Температура кипения смеси, град.c"));
  titles.push_back(PictureText(lang, "flow of liquid phase,", "Расход жидкой фазы,") + flowUnit);
  titles.push_back(PictureText(lang, "flow of vapour phase,", "Расход паровой фазы,") + flowUnit);
  const QString separator =
      PictureText(lang, ",  ", style == HeadingStyle::StoredCalculation ? " ,  " : ",  ");
  for (const QString& name : compNames) {
    titles.push_back(PictureText(lang, "Density of component  ", "Концентрация компонента  ") +
                     name + separator + concUnit);
  }
  titles.push_back(PictureText(lang, "in a fluid", "в жидкости"));
  titles.push_back(PictureText(lang, "in a vapour", "в паре"));
  titles.resize(kPlotTitleCount);
  return titles;
}

void CheckPictureComponentCount(int compCount, std::uint8_t lang) {
  if (compCount >= 0 && compCount <= kMaxPictureComponents) return;
  // Both literals end in a null character, so the view's data is a C string.
  const std::string_view format = PickText(
      lang, "The calculation holds %d components; the pictorial form can show four at most.",
      "Расчет содержит %d компонентов; графическая форма может показать не более четырех.");
  throw PictureError(Format(format.data(), compCount));
}

PictorialData PictorialDataFromRun(const FinishedRun& run, std::uint8_t lang) {
  const int compCount = run.ComponentCount();
  CheckPictureComponentCount(compCount, lang);

  PictorialData data;
  data.Lang = lang;
  data.CompCount = static_cast<std::uint8_t>(compCount);
  data.N = run.TrayCount;
  data.FeedTrays.assign(run.FeedTrays.begin(), run.FeedTrays.end());
  data.CatchTrays.assign(run.CatchTrays.begin(), run.CatchTrays.end());
  data.FlowUnit = QString::fromStdString(run.FlowUnit);
  data.ConcUnit = QString::fromStdString(run.ConcUnit);

  const int stages = run.StageCount();
  const Real factor = run.FlowFactor();
  data.ProfileMatrix.assign(static_cast<std::size_t>(data.LastRow() + 1),
                            std::vector<double>(static_cast<std::size_t>(stages)));
  for (int j = 0; j < stages; ++j) {
    const auto s = static_cast<std::size_t>(j);
    data.ProfileMatrix[0][s] = static_cast<double>(run.TemperatureC(j));
    data.ProfileMatrix[1][s] = static_cast<double>(run.LiqFlow[s] * factor);
    data.ProfileMatrix[2][s] = static_cast<double>(run.VapFlow[s] * factor);
    for (int k = 0; k < compCount; ++k) {
      const auto c = static_cast<std::size_t>(k);
      data.ProfileMatrix[3 + 2 * c][s] = static_cast<double>(run.LiqConc[c][s] * 100);
      data.ProfileMatrix[4 + 2 * c][s] = static_cast<double>(run.VapConc[c][s] * 100);
    }
  }

  std::vector<QString> names;
  for (const std::string& name : run.CompNames) names.push_back(QString::fromStdString(name));
  data.PlotTitles =
      MakePlotTitles(lang, names, data.FlowUnit, data.ConcUnit, HeadingStyle::CurrentRun);
  return data;
}

}  // namespace vexilor::render
