#include "store/grid_titles.h"

#include <gtest/gtest.h>

#include "engine/shell/lang.h"

namespace vexilor::store {
namespace {

InitDataRow Header(OptionalInt rLang, std::string flowUnit, std::string concUnit,
                   std::vector<std::string> names) {
  InitDataRow row;
  row.RLang = rLang;
  row.RdimConsum = std::move(flowUnit);
  row.RdimConc = std::move(concUnit);
  for (std::size_t k = 0; k < names.size(); ++k) row.RComp[k] = names[k];
  return row;
}

std::vector<int> HiddenColumns(const ColumnTitles& titles) {
  std::vector<int> hidden;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    if (!titles[i]) hidden.push_back(static_cast<int>(i));
  }
  return hidden;
}

TEST(GridTitlesTest, RussianCalculationIsTitledInRussianWhateverTheInterfaceLanguage) {
  Lang = 1;
  const GridTitles titles =
      RetitleGrids(Header(2, "кмоль/ч", "%мольн.", {"Этанол", "Вода", "Метанол"}));

  EXPECT_EQ(titles.Calculations[0], "№ Расчета");
  EXPECT_EQ(titles.Calculations[8], "Вид обогрева (пар острый/глухой)");
  EXPECT_EQ(titles.Calculations[16], "Наименование компонента 5");
  EXPECT_EQ(titles.Calculations[29], "Файл данных для расчета VLE");
  EXPECT_EQ(titles.Streams[3], "Расход, кмоль/ч");
  EXPECT_EQ(titles.Streams[5], "Вода, содержание в потоке, %мольн.");
  EXPECT_EQ(titles.Trays[1], "Температура, гр.С");
  EXPECT_EQ(titles.Trays[2], "Расход жидкой фазы, кмоль/ч");
  EXPECT_EQ(titles.Trays[8], "Метанол, содержание в жидкости, %мольн.");
  EXPECT_EQ(titles.Trays[9], "Метанол, содержание в паре, %мольн.");
}

TEST(GridTitlesTest, EnglishCalculationUsesItsOwnUnitTexts) {
  Lang = 2;
  const GridTitles titles = RetitleGrids(Header(1, " kg/sec", "% mass.", {"Ethanol", "Water"}));

  EXPECT_EQ(titles.Calculations[6], "heating steam consump., kg/h");
  EXPECT_EQ(titles.Calculations[12], "Name of component 1");
  EXPECT_EQ(titles.Streams[0], "№ Items in DB");
  EXPECT_EQ(titles.Streams[3], "Consump.,  kg/sec");
  EXPECT_EQ(titles.Streams[4], "Ethanol, contents in a flow, % mass.");
  EXPECT_EQ(titles.Trays[0], "№ of Tray");
  EXPECT_EQ(titles.Trays[3], "Vapour phase consump.,  kg/sec");
  EXPECT_EQ(titles.Trays[7], "Water, contents in vapour, % mass.");
  Lang = 1;
}

TEST(GridTitlesTest, FiveComponentColumnsWithAbsentOnesStartingAtTheSeparator) {
  const GridTitles titles = RetitleGrids(Header(1, "kmol/hr", "% molar", {"Ethanol", "Water"}));

  EXPECT_EQ(titles.Streams[8], ", contents in a flow, % molar");
  EXPECT_EQ(titles.Trays[12], ", contents in liquid, % molar");
  EXPECT_EQ(titles.Trays[13], ", contents in vapour, % molar");
}

TEST(GridTitlesTest, HiddenColumnsAreTheSpareComponentsUnitsAndLinks) {
  const GridTitles titles = RetitleGrids(Header(std::nullopt, "", "", {}));

  ASSERT_EQ(titles.Calculations.size(), 30u);
  ASSERT_EQ(titles.Streams.size(), 12u);
  ASSERT_EQ(titles.Trays.size(), 19u);
  EXPECT_EQ(HiddenColumns(titles.Calculations),
            (std::vector<int>{17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}));
  EXPECT_EQ(HiddenColumns(titles.Streams), (std::vector<int>{9, 10, 11}));
  EXPECT_EQ(HiddenColumns(titles.Trays), (std::vector<int>{14, 15, 16, 17, 18}));
  EXPECT_EQ(titles.Calculations[1], "Дата");  // an empty language flag reads as Russian
}

}  // namespace
}  // namespace vexilor::store
