#include "render/pictures/pictorial_data.h"

#include <gtest/gtest.h>

#include "render/pictures/sample_pictures.h"

namespace vexilor::render {
namespace {

TEST(PictorialDataFromRunTest, ConvertsTheSolutionIntoDrawingUnits) {
  const PictorialData data = PictorialDataFromRun(testing::EthanolWaterRun(), 1);
  EXPECT_EQ(data.CompCount, 2);
  EXPECT_EQ(data.N, 8);
  EXPECT_EQ(data.FeedTrays, std::vector<int>{3});
  EXPECT_EQ(data.CatchTrays, std::vector<int>{9});
  ASSERT_EQ(data.ProfileMatrix.size(), 7u);
  for (const auto& row : data.ProfileMatrix) ASSERT_EQ(row.size(), 10u);

  // Reduced temperature back to deg C; molar flows per hour; percent.
  EXPECT_NEAR(data.ProfileMatrix[0][0], 100.0, 1e-12);
  EXPECT_NEAR(data.ProfileMatrix[0][9], 78.2, 1e-12);
  EXPECT_NEAR(data.ProfileMatrix[1][0], 130.0, 1e-12);
  EXPECT_NEAR(data.ProfileMatrix[2][4], 71.3, 1e-12);
  EXPECT_NEAR(data.ProfileMatrix[3][9], 84.0, 1e-12);  // ethanol in the liquid
  EXPECT_NEAR(data.ProfileMatrix[4][0], 3.0, 1e-12);   // ethanol in the vapour
  EXPECT_NEAR(data.ProfileMatrix[5][9], 16.0, 1e-12);  // water in the liquid
  EXPECT_NEAR(data.ProfileMatrix[6][0], 97.0, 1e-12);  // water in the vapour
}

TEST(PictorialDataFromRunTest, MassUnitsKeepTheFlowsPerSecond) {
  FinishedRun run = testing::EthanolWaterRun();
  run.UnitsKind = 1;
  const PictorialData data = PictorialDataFromRun(run, 1);
  EXPECT_NEAR(data.ProfileMatrix[1][0], 130.0 / 3600, 1e-15);
}

TEST(PictorialDataFromRunTest, TitlesInBothLanguages) {
  const PictorialData english = PictorialDataFromRun(testing::EthanolWaterRun(1), 1);
  const std::vector<QString> expectedEnglish{"Boiling temperature of a mix, deg.c",
                                             "flow of liquid phase,kmol/hr",
                                             "flow of vapour phase,kmol/hr",
                                             "Density of component  Ethanol,  % molar",
                                             "Density of component  Water,  % molar",
                                             "in a fluid",
                                             "in a vapour",
                                             "",
                                             ""};
  EXPECT_EQ(english.PlotTitles, expectedEnglish);

  const PictorialData russian = PictorialDataFromRun(testing::EthanolWaterRun(2), 2);
  const std::vector<QString> expectedRussian{
      QString::fromUtf8("Температура кипения смеси, град.c"),
      QString::fromUtf8("Расход жидкой фазы,кмоль/ч"),
      QString::fromUtf8("Расход паровой фазы,кмоль/ч"),
      QString::fromUtf8("Концентрация компонента  Этанол,  %мольн."),
      QString::fromUtf8("Концентрация компонента  Вода,  %мольн."),
      QString::fromUtf8("в жидкости"),
      QString::fromUtf8("в паре"),
      "",
      ""};
  EXPECT_EQ(russian.PlotTitles, expectedRussian);
}

TEST(PlotTitlesTest, StoredRussianHeadingsHaveASpaceBeforeTheComma) {
  const std::vector<QString> names{QString::fromUtf8("Метанол")};
  EXPECT_EQ(MakePlotTitles(2, names, "", "% mass.", HeadingStyle::StoredCalculation)[3],
            QString::fromUtf8("Концентрация компонента  Метанол ,  % mass."));
  EXPECT_EQ(MakePlotTitles(1, names, "", "% mass.", HeadingStyle::StoredCalculation)[3],
            QString::fromUtf8("Density of component  Метанол,  % mass."));
}

TEST(PictureComponentCountTest, MoreThanFourComponentsAreRefusedInTheUsersLanguage) {
  EXPECT_NO_THROW(CheckPictureComponentCount(4, 1));
  try {
    CheckPictureComponentCount(5, 1);
    FAIL() << "five components accepted";
  } catch (const PictureError& error) {
    EXPECT_STREQ(error.what(),
                 "The calculation holds 5 components; the pictorial form can show four at most.");
  }
  try {
    CheckPictureComponentCount(7, 2);
    FAIL() << "seven components accepted";
  } catch (const PictureError& error) {
    EXPECT_STREQ(error.what(),
                 "Расчет содержит 7 компонентов; графическая форма может показать не более "
                 "четырех.");
  }
}

}  // namespace
}  // namespace vexilor::render
