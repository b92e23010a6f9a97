#include "engine/column/results_report.h"

#include <gtest/gtest.h>

#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"

namespace vexilor {
namespace {

class ResultsReportTest : public ::testing::Test {
 protected:
  void SetUp() override { Lang = 1; }
  void TearDown() override { Lang = savedLang_; }

  // A binary column of two trays: one feed on tray 1, takeoffs on tray 2
  // and the dephlegmator.
  static ColumnProblem Problem(std::uint8_t units) {
    ColumnProblem p;
    p.Allocate(2, 2);
    p.UnitsKind = units;
    p.HeatingKind = 'l';
    p.SteamFlow = units == 1 ? 3000 / 3600.0L : 3000 / 18.015L / 3600;
    p.SteamPressure = 3;
    p.ColumnPressure = 760 * 133.3L;
    p.FeedFlow[1] = 5000 / 3600.0L;
    p.FeedComp[0][1] = 0.15L;
    p.FeedComp[1][1] = 0.85L;
    p.CatchFlow[2] = 0.1L;
    p.CatchFlow[3] = 0.2L;
    p.RebuildTrayLists();
    return p;
  }

  static ColumnSolution Solution() {
    ColumnSolution s;
    s.Allocate(4, 2);
    for (int j = 0; j < 4; ++j) {
      s.Temp[j] = 1 + (90 - 4 * j) / 273.15L;
      s.LiqFlow[j] = 2.5L - 0.25L * j;
      s.VapFlow[j] = 1.25L + 0.125L * j;
      s.LiqConc[0][j] = 0.1L + 0.2L * j;
      s.LiqConc[1][j] = 1 - s.LiqConc[0][j];
      s.VapConc[0][j] = 0.3L + 0.15L * j;
      s.VapConc[1][j] = 1 - s.VapConc[0][j];
    }
    return s;
  }

  const std::vector<std::string> names_{"comp.1", "comp.2"};

 private:
  std::uint8_t savedLang_ = Lang;
};

TEST_F(ResultsReportTest, StageRowsPrintTemperatureFlowsAndFractions) {
  const ColumnSolution s = Solution();
  EXPECT_EQ(StageRow(0, s, 1), "0  90.00  2.500  1.250   0.1000  0.3000   0.9000  0.7000");
  EXPECT_EQ(StageRow(3, s, 3600), "3  78.00 6300.000 5850.000   0.7000  0.7500   0.3000  0.2500");
}

TEST_F(ResultsReportTest, HeatLoadIsTheNegativeOfTheFrozenBalance) {
  EXPECT_EQ(HeatLoadLine(1234.567L), "A heat load on a dephlegmator  -1234.57  kwt");
  Lang = 2;
  EXPECT_EQ(HeatLoadLine(-5), "Тепловая нагрузка на дефлегматор      5.00  кВт");
}

TEST_F(ResultsReportTest, ResultsHeaderDescribesTheColumn) {
  LineList text;
  text.Append(PreciseTitle(ResultsHeader(Problem(1), "Wilson", names_)));
  const std::vector<std::string> expected = {
      "             THE PRECISE SOLUTION OF THE PROBLEM IS RECEIVED!",
      "     Final outcomes of rectification process calculation for mixture comp.1-comp.2",
      "Calculation of equilibrium by the method Wilson; number of trays 2; pressure in a column",
      " 760.0 mm. of mercury; flow of a live heating steam 3000.00 kg/hour, with pressure 3.00 "
      "kgf/sm2.",
      " The denotations: N-number of a tray; L,V- mass  flows of liquid and vapour phases,  "
      "kg/sec;",
      "t-boiling temperature of a mix, deg.C; ",
      "X and Y- mass shares of components in liquid and vapour phases.",
      " Conformity of indexes: 1 - comp.1; 2 - comp.2; ",
      "N     t            L           V          x1           y1          x2           y2"};
  EXPECT_EQ(text.Lines(), expected);
}

TEST_F(ResultsReportTest, RussianTextsKeepTheirOwnSpacing) {
  Lang = 2;
  const std::vector<std::string> names{"комп.1", "комп.2"};
  ColumnProblem p = Problem(2);
  p.HeatingKind = 'd';
  LineList text;
  text.Append(ApproximateTitle(ResultsHeader(p, "NRTL", names)));
  EXPECT_EQ(text.Line(0), "             ПОЛУЧЕНО ПРИБЛИЖЕННОЕ РЕШЕНИЕ ЗАДАЧИ!");
  EXPECT_EQ(text.Line(1),
            "     Предварительные результаты расчета процесса ректификации смеси "
            "комп.1-комп.2");
  EXPECT_EQ(text.Line(2), "Расчет равновесия по методу NRTL; число тарелок 2; давление в колонне ");
  EXPECT_EQ(text.Line(3),
            " 760.0 мм.рт.ст.; расход глухого греющего пара3000.00 кг/час, с давлением 3.00 "
            "кГс/см2.");
  EXPECT_EQ(text.Line(4),
            " Обозначения: N-номер тарелки; L,V- мольные  расходы жидкой и паровой "
            "фаз, кмоль/ч;");
  EXPECT_EQ(text.Line(7), "Соответствие индексов: 1 - комп.1; 2 - комп.2; ");

  // A no-break space stands between two words of the start header.
  EXPECT_EQ(SplitLines(StartHeader(8))[1],
            "          К.П.Д. тарелки ректификацонной колонны\u00A0принят за 1");
}

TEST_F(ResultsReportTest, StartAndLocalHeadersFollowTheComponentCount) {
  EXPECT_EQ(SplitLines(StartHeader(8))[0],
            "          Total number of trays of rectification column is 8");
  const auto lines = SplitLines(LocalTableHeader(3));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "            Values of discrepancies on trays of a column");
  EXPECT_EQ(lines[2],
            "  N            F1                F2                F3                F4      ");
}

TEST_F(ResultsReportTest, FeedAndTakeoffTableLeavesAnEmptyFeedPartBlank) {
  const ColumnProblem p = Problem(1);
  const auto lines = SplitLines(FeedTakeoffTable(p, names_, UnitsOf(1)));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "             FEED AND TAKEOFF FLOWS OF FRACTIONS");
  EXPECT_EQ(lines[2], "    Feed  Consum.    comp.1    comp.2     Catch  Consum. ");
  EXPECT_EQ(lines[3], "    tray      kg/sec   % mass.   % mass.      tray     kg/sec ");
  EXPECT_EQ(lines[4], "         1       1.389      15.000      85.000          2           0.100 ");
  // No second feed: 36 blanks and 16 per component before the takeoff.
  EXPECT_EQ(lines[5], std::string(36 + 2 * 16, ' ') + "         3           0.200 ");
  EXPECT_EQ(lines[6], "");
}

TEST_F(ResultsReportTest, MissingTakeoffIsMarkedTwice) {
  Lang = 2;
  ColumnProblem p = Problem(2);
  p.FeedFlow[2] = 0.01L;
  p.FeedComp[0][2] = 0.5L;
  p.FeedComp[1][2] = 0.5L;
  p.CatchFlow[2] = 0;
  p.RebuildTrayLists();
  const std::vector<std::string> names{"комп.1", "комп.2"};
  const auto lines = SplitLines(FeedTakeoffTable(p, names, UnitsOf(2)));
  ASSERT_EQ(lines.size(), 7u);
  // Widths count characters, not bytes.
  EXPECT_EQ(lines[2], " Тарелка   Расход    комп.1    комп.2   Тарелка   Расход ");
  EXPECT_EQ(lines[3], " питания     кмоль/ч   %мольн.   %мольн.   отбора     кмоль/ч ");
  EXPECT_EQ(lines[4], "         1    5000.000      15.000      85.000          3         720.000 ");
  const std::string mark = "\u0456";  // byte B3 of the Cyrillic code page
  EXPECT_EQ(lines[5], "         2      36.000      50.000      50.000 " + mark + " " +
                          std::string(19, ' ') + mark + " " + std::string(16, ' '));
}

}  // namespace
}  // namespace vexilor
