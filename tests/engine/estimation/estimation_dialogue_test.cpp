#include "engine/estimation/estimation_dialogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/estimation/fitting.h"
#include "engine/estimation/unifac_groups.h"
#include "engine/shell/failures.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/equilibrium_data.h"
#include "engine/thermo/vle_models.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using Lines = std::vector<std::string>;

constexpr Real kEnergyScale = 2.27107836L;
constexpr Real kKelvin = 273.15L;

const char* const kHeading =
    " Calculation of power parameters of intermolecular (intergroup)interaction.";
const char* const kTitle =
    "Power parameters of binary interaction of molecules (structural groups)";
const char* const kWaitText =
    "please wait ! There is a calculation of power\n\rparameters of intermolecular (intergroup) "
    "interaction";

// Runs the estimation against a scripted user, with the evaluation counter
// of the iteration report starting from 0 and every global it changes
// restored afterwards.
class EstimationDialogueTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    Lang = 1;
    FitProgress.Evaluations = 0;
  }
  void TearDown() override {
    FitProgress = savedProgress_;
    UnifacVariant = savedVariant_;
    CompNames = savedNames_;
    CompConstants = savedConstants_;
    BuiltInDatabaseTest::TearDown();
  }

  void Estimate(std::vector<std::uint16_t> indexes) {
    EstimateParameters(static_cast<int>(indexes.size()), indexes, letter_, params_, text_);
  }

  // Two records more, so that the availability rule finds no measurements
  // for the pairs (3, 4) and (3, 5): comp.5, a copy of water, and comp.6, a
  // copy of methanol. Pairs (0, 4) and (0, 5) hold the measurements of
  // (0, 1) and (0, 2); every other new pair holds no point.
  void InjectSixComponents() {
    for (const int copied : {1, 2}) {
      Pro record = ComponentBase[copied];
      const std::string number = std::to_string(copied + 4);
      record.NameEn = "comp." + number;
      record.NameRu = "комп." + number;
      ComponentBase.push_back(record);
    }
    for (MIX& row : EquilBase) row.Row.resize(6);
    EquilBase.resize(6, MIX{std::vector<Equil>(6)});
    EquilBase[0][4] = EquilBase[0][1];
    EquilBase[0][5] = EquilBase[0][2];
  }

  std::vector<std::string> TitleLines() const {
    std::vector<std::string> titles;
    for (const auto& line : text_.Lines())
      if (line.rfind("component ", 0) == 0) titles.push_back(line);
    return titles;
  }

  testing::ScriptedDialog dialog_;
  DialogScope scope_{dialog_};
  LineList text_;
  TVLEParams params_;
  char letter_ = '?';

 private:
  FitCounters savedProgress_ = FitProgress;
  std::uint8_t savedVariant_ = UnifacVariant;
  std::array<std::string, kMaxComponents> savedNames_ = CompNames;
  ComponentConstants savedConstants_ = CompConstants;
};

// ------------------------------------------------ ethanol-water end to end

struct ReportCase {
  const char* name;
  int method;
  std::vector<int> alternatives;  // answers to the UNIFAC questions
  char letter;
  Lines lines;
};

void PrintTo(const ReportCase& c, std::ostream* os) {
  *os << c.name;
}

class EthanolWaterReportTest : public EstimationDialogueTest,
                               public ::testing::WithParamInterface<ReportCase> {};

TEST_P(EthanolWaterReportTest, WritesTheReportLineByLine) {
  const ReportCase& c = GetParam();
  dialog_.AnswerMethod(c.method);
  for (const int answer : c.alternatives) dialog_.AnswerAlternative(answer);

  Estimate({0, 1});

  EXPECT_EQ(letter_, c.letter);
  EXPECT_EQ(params_.ModelLetter, c.letter);
  EXPECT_EQ(params_.N, 2);
  EXPECT_EQ(text_.Lines(), c.lines);
  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(dialog_.BusyDepth, 0);
  const bool fitted = c.lines.size() > 3;
  EXPECT_EQ(dialog_.WaitLabels, fitted ? Lines({kWaitText, ""}) : Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Models, EthanolWaterReportTest,
    ::testing::Values(
        ReportCase{
            "Wilson",
            0,
            {},
            'W',
            {kHeading, "", kTitle,
             "component comp.1-comp.2 of model Wilson and root-mean-square error of "
             "calculation.",
             " Number of iterations 43;  root-mean-square error for system comp.1-comp.2:  E ="
             " 0.01215532604",
             "  l12-l11 = 1.20315 kJ/mole;  l21-l22 = 4.13293 kJ/mole;", ""}},
        ReportCase{
            "Nrtl",
            1,
            {},
            'N',
            {kHeading, "", kTitle,
             "component comp.1-comp.2 of model NRTL and root-mean-square error of "
             "calculation.",
             " Number of iterations 35;  root-mean-square error for system comp.1-comp.2:  E ="
             " 0.01066216691",
             "  g12-g22 = 0.173204 kJ/mole;  g21-g11 = 4.98345 kJ/mole;  alp12=1.11237", ""}},
        ReportCase{
            "Uniquac",
            2,
            {},
            'Q',
            {kHeading, "", kTitle,
             "component comp.1-comp.2 of model UNIQUAC and root-mean-square error of "
             "calculation.",
             " Number of iterations 7;  root-mean-square error for system comp.1-comp.2:  E = "
             "0.01149047636",
             "  u12-u22 = 0.225451 kJ/mole;  u21-u11 = 0.987902 kJ/mole;", ""}},
        ReportCase{
            "UnifacMainGroupsFitted",
            3,
            {0, 0},
            'F',
            {kHeading, "", kTitle,
             "component comp.1-comp.2 of model UNIFAC and root-mean-square error of "
             "calculation.",
             " Number of iterations 14;  root-mean-square error for system comp.1-comp.2:  E ="
             " 0.01112219068",
             "  a0[1,5]= -14.349  degr.K;  a0[1,6]=  24.754  degr.K;  a0[5,1]= -10.985  degr.K"
             ";  a0[5,6]=  25.929  degr.K;  a0[6,1]=  95.916  degr.K;  a0[6,5]= 126.698  degr."
             "K;",
             ""}},
        ReportCase{
            "UnifacSubgroupsFitted",
            3,
            {1},
            'F',
            {kHeading, "", kTitle,
             "component comp.1-comp.2 of model UNIFAC and root-mean-square error of "
             "calculation.",
             " Number of iterations 14;  root-mean-square error for system comp.1-comp.2:  E ="
             " 0.01112219068",
             "  a[1A,5A]= -14.349  degr.K;  a[1A,6 ]=  24.754  degr.K;  a[5A,1A]= -10.985  deg"
             "r.K;  a[5A,6 ]=  25.929  degr.K;  a[6 ,1A]=  95.916  degr.K;  a[6 ,5A]= 126.698 "
             " degr.K;",
             ""}},
        ReportCase{"UnifacLiterature", 3, {0, 1}, 'F', {kHeading, ""}}),
    [](const auto& info) { return std::string(info.param.name); });

// The fitted parameters, used by the model object of the column
// calculation, reproduce the measured vapour of ethanol-water.
class EthanolWaterFitTest : public EstimationDialogueTest,
                            public ::testing::WithParamInterface<ReportCase> {};

TEST_P(EthanolWaterFitTest, BubblePointsReproduceTheMeasuredVapour) {
  dialog_.AnswerMethod(GetParam().method);
  for (const int answer : GetParam().alternatives) dialog_.AnswerAlternative(answer);
  Estimate({0, 1});

  const auto model = CreateVLEObj(params_, CompNames, CompConstants);
  const Equil& measured = EquilBase[0][1];
  Real sum = 0;
  for (std::size_t k = 0; k < measured.NPts; ++k) {
    ComponentVector x{measured.X[k], 1 - measured.X[k]};
    ComponentVector gamma{};
    ComponentVector y{};
    Real tau = 0;
    Real P = measured.P;
    model->Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
    sum += (y[0] - measured.Y[k]) * (y[0] - measured.Y[k]);
  }
  EXPECT_LT(std::sqrt(sum / measured.NPts), 0.02L);
}

INSTANTIATE_TEST_SUITE_P(Models, EthanolWaterFitTest,
                         ::testing::Values(ReportCase{"Wilson", 0, {}, 'W', {}},
                                           ReportCase{"Nrtl", 1, {}, 'N', {}},
                                           ReportCase{"Uniquac", 2, {}, 'Q', {}},
                                           ReportCase{"UnifacSubgroups", 3, {1}, 'F', {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EstimationDialogueTest, MethodQuestionAndItsAnswerZeroGivesWilson) {
  dialog_.AnswerMethod(0);
  Estimate({0, 2});
  ASSERT_EQ(dialog_.MethodRequests.size(), 1u);
  const ChooseMethodRequest& question = dialog_.MethodRequests[0];
  EXPECT_EQ(question.Caption, "Choose of phase equilibrium calculation method");
  EXPECT_EQ(question.Prompt,
            "Choice of experimental data processing and\r\nphase equilibrium calculation method "
            "between\r\nvapour and liquid phases");
  EXPECT_EQ(question.WarningText, "Choose one of equilibrium calculation methods.");
  EXPECT_EQ(letter_, 'W');
}

TEST_F(EstimationDialogueTest, LiteratureValuesOfEthanolWater) {
  dialog_.AnswerMethod(3).AnswerAlternative(0).AnswerAlternative(1);
  Estimate({0, 1});
  // Groups of the mixture: 1A, 5A (comp.1) and 6 (comp.2).
  ASSERT_EQ(params_.G, 3);
  const struct {
    int m, n;
    Real kelvin;
  } expected[] = {{0, 1, 931.2L},   {1, 0, 169.7L},  {0, 2, 634.235L},
                  {2, 0, -48.251L}, {1, 2, -320.8L}, {2, 1, 287.5L}};
  for (const auto& e : expected)
    EXPECT_NEAR(params_.GroupA[e.m][e.n], e.kelvin / kKelvin, 1e-15L) << e.m << "," << e.n;
  EXPECT_EQ(params_.CompGroups[0].A[0][1], params_.GroupA[0][1]);
  EXPECT_EQ(params_.CompGroups[1].G, 1);
}

TEST_F(EstimationDialogueTest, ThreeComponentsArePairedInOrderWithZeroDiagonals) {
  for (auto& row : params_.WilsonA) row.fill(9);
  for (auto& row : params_.NrtlAlpha) row.fill(9);
  dialog_.AnswerMethod(0);
  Estimate({0, 1, 2});
  EXPECT_EQ(TitleLines(), (Lines{"component comp.1-comp.2 of model Wilson and root-mean-square "
                                 "error of calculation.",
                                 "component comp.1-comp.3 of model Wilson and root-mean-square "
                                 "error of calculation.",
                                 "component comp.2-comp.3 of model Wilson and root-mean-square "
                                 "error of calculation."}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(params_.WilsonA[i][i], 0) << i;
    EXPECT_EQ(params_.NrtlB[i][i], 0) << i;
    EXPECT_EQ(params_.UniquacA[i][i], 0) << i;
    EXPECT_EQ(params_.NrtlAlpha[i][i], 9) << i;
  }
  EXPECT_EQ(params_.WilsonA[3][3], 9);
  EXPECT_EQ(CompNames[2], "comp.3");
}

// ------------------------------------------------- pairs without data

TEST_F(EstimationDialogueTest, TypedWilsonParametersAreStoredReduced) {
  InjectSixComponents();
  GridAnswer typed;
  typed.GridReals = {{0, 0, 1}, {0, 0, 2}};
  dialog_.AnswerMethod(0).AnswerAlternative(0).AnswerGrid(typed);

  Estimate({3, 4});

  EXPECT_EQ(params_.WilsonA[0][1], 1 / kEnergyScale);
  EXPECT_EQ(params_.WilsonA[1][0], 2 / kEnergyScale);
  EXPECT_EQ(text_.Lines(), (Lines{kHeading, "", kTitle, "component comp.4-comp.5 of model Wilson.",
                                  "Power parameters are set by the user",
                                  "  l12-l11 = 1 kJ/mole;  l21-l22 = 2 kJ/mole;", ""}));

  const AlternativesRequest& question = dialog_.AlternativeRequests.at(0);
  EXPECT_EQ(question.Caption, "Choice of variant");
  EXPECT_EQ(question.GroupCaption, std::nullopt);
  EXPECT_EQ(question.Columns, 2);
  EXPECT_EQ(question.Alternatives, (Lines{" variant 1", " variant 2", " variant 3"}));
  EXPECT_EQ(question.Prompt,
            "Experimental data on equilibrium in the system comp.4-comp.5 are absent.\r\n"
            "  Select one of the following variants:\r\n"
            "     1 -  set energy parameters of model Wilson independently;\r\n"
            "     2 - to complete activity of the program\r\n"
            "     3 - to repeat calculation with usage of UNIFAC method\r\n"
            "          (is recommended)");

  const GridRequest& grid = dialog_.GridRequests.at(0);
  EXPECT_EQ(grid.BaseHeight, 219);
  EXPECT_EQ(grid.FixedCols, 0);
  EXPECT_EQ(grid.FixedRows, 2);
  EXPECT_EQ(grid.RowCount, 3);
  EXPECT_EQ(grid.ColCount, 2);
  EXPECT_EQ(grid.Lang, 1);
  EXPECT_EQ(grid.Caption, "Input of power parameters for method Wilson");
  EXPECT_EQ(grid.CellTexts, (std::vector<Lines>{{"    L12-L11", " kJ/mole;", ""},
                                                {"    L21-L22", " kJ/mole;", ""}}));
  EXPECT_EQ(grid.Prompt,
            "Enter  L12-L11  kJ/mole; (1- comp.4; 2- comp.5);\r\nEnter  L21-L22  kJ/mole;");
  EXPECT_EQ(dialog_.WaitLabels, Lines{""});
}

TEST_F(EstimationDialogueTest, TypedNrtlAlphaIsStoredBothWaysInRussian) {
  Lang = 2;
  InjectSixComponents();
  GridAnswer typed;
  typed.GridReals = {{0, 0, 1}, {0, 0, 2}, {0, 0, 0.3L}};
  dialog_.AnswerMethod(1).AnswerAlternative(0).AnswerGrid(typed);

  Estimate({3, 5});

  EXPECT_EQ(params_.NrtlB[0][1], 1 / kEnergyScale);
  EXPECT_EQ(params_.NrtlB[1][0], 2 / kEnergyScale);
  EXPECT_EQ(params_.NrtlAlpha[0][1], 0.3L);
  EXPECT_EQ(params_.NrtlAlpha[1][0], 0.3L);
  EXPECT_EQ(
      text_.Lines(),
      (Lines{"Расчет энергетических параметров межмолекулярного (межгруппового) "
             "взаимодействия",
             "", "Энергетические параметры бинарных взаимодействий молекул (структурных групп)",
             "компонентов комп.4-комп.6 модели NRTL.",
             "Энергетические параметры заданы пользователем",
             "  g12-g22 = 1 кДж/моль;  g21-g11 = 2 кДж/моль;  alp12=0.3", ""}));
  EXPECT_EQ(dialog_.AlternativeRequests.at(0).Prompt,
            "  Экспериментальные данные по равновесию в системе комп.4-комп.6 отсутствуют.\r\n"
            "  Выберите один из следующих вариантов:\r\n"
            "     1 - задать энергетические параметры модели NRTL самостоятельно;\r\n"
            "     2 - завершить работу программы\r\n"
            "     3 - повторить расчет с использованием метода UNIFAC\r\n"
            "          (рекомендуется)");
  const GridRequest& grid = dialog_.GridRequests.at(0);
  EXPECT_EQ(grid.Caption, "Ввод энергетических параметров для метода NRTL");
  EXPECT_EQ(grid.CellTexts[2], (Lines{"     alp12", "", ""}));
  EXPECT_EQ(grid.Prompt,
            "Введите  g12-g22  кДж/моль; (1- комп.4; 2- комп.6);\r\n"
            "Введите  g21-g22  кДж/моль;\r\nВведите  alp12");
}

TEST_F(EstimationDialogueTest, EndingTheProgramAsksNothingMore) {
  InjectSixComponents();
  dialog_.AnswerMethod(0).AnswerAlternative(1);
  EXPECT_THROW(Estimate({0, 3, 4}), ProgramTermination);
  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_TRUE(dialog_.GridRequests.empty());
  EXPECT_EQ(TitleLines().size(), 2u);  // (0, 3) and (0, 4) were fitted
  EXPECT_EQ(text_.Lines().back(), "");
}

TEST_F(EstimationDialogueTest, SwitchingToUnifacStartsAgainFromTheFirstPair) {
  InjectSixComponents();
  dialog_.AnswerMethod(0)
      .AnswerAlternative(2)   // (3, 4) without data: repeat with UNIFAC
      .AnswerAlternative(0)   // variant 1
      .AnswerAlternative(0)   // fit to the measurements
      .AnswerAlternative(2);  // (3, 4) again: literature values

  Estimate({0, 3, 4});

  EXPECT_EQ(letter_, 'F');
  EXPECT_EQ(params_.ModelLetter, 'F');
  EXPECT_TRUE(dialog_.ScriptDone());
  const Lines& lines = text_.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), kHeading), 2);
  const Lines titles = TitleLines();
  ASSERT_EQ(titles.size(), 5u);
  EXPECT_EQ(titles[0].substr(0, 39), "component comp.1-comp.4 of model Wilson");
  EXPECT_EQ(titles[2].substr(0, 39), "component comp.1-comp.4 of model UNIFAC");
  EXPECT_EQ(titles[4], "component comp.4-comp.5 of model UNIFAC");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Power parameters are taken from references"),
            1);
  const std::string& unifacPrompt = dialog_.AlternativeRequests.at(3).Prompt;
  EXPECT_EQ(unifacPrompt.substr(unifacPrompt.find("     3 -")),
            "     3 - to take advantage of Tervanik data from\r\n"
            "        reference literature (is recommended)");

  // The last pair processed, (3, 4), sets the parameters of main groups 1
  // and 6 to the literature values, over those fitted for (0, 4).
  ASSERT_EQ(params_.G, 5);  // 1A, 5A; 1B, 10; 6
  int group1 = -1, group6 = -1;
  for (int m = 0; m < params_.G; ++m) {
    if (params_.Numbers[m] == 1 && group1 < 0) group1 = m;
    if (params_.Numbers[m] == 6 && group6 < 0) group6 = m;
  }
  EXPECT_EQ(params_.GroupA[group1][group6], LiteratureGroupTable[0][5]);
  EXPECT_EQ(params_.GroupA[group6][group1], LiteratureGroupTable[5][0]);
}

TEST_F(EstimationDialogueTest, PairWhoseDataHoldNoPointIsTreatedAsWithoutData) {
  InjectSixComponents();
  dialog_.AnswerMethod(0).AnswerAlternative(0).AnswerGrid(GridAnswer{});
  Estimate({1, 4});
  ASSERT_EQ(dialog_.Messages.size(), 1u);
  EXPECT_EQ(dialog_.Messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(dialog_.Messages[0].Buttons, ButtonSet::Ok);
  EXPECT_EQ(dialog_.Messages[0].Text,
            "Experimental data on equilibrium in the system comp.2-comp.5 hold no points.");
  EXPECT_EQ(dialog_.AlternativeRequests.size(), 1u);
  EXPECT_EQ(params_.WilsonA[0][1], 0);
}

TEST_F(EstimationDialogueTest, TypedMainGroupParametersUnderUnifac) {
  InjectSixComponents();
  // comp.4 made of main group 1 alone, comp.5 of main group 2 alone.
  ComponentBase[3].Groups.G = 1;
  ComponentBase[4].Groups.Numbers[0] = 2;
  GridAnswer typed;
  typed.GridReals = {{0, 0, 300}, {0, 0, -50}};
  dialog_.AnswerMethod(3).AnswerAlternative(0).AnswerAlternative(0).AnswerAlternative(0).AnswerGrid(
      typed);

  Estimate({3, 4});

  EXPECT_EQ(text_.Lines(), (Lines{kHeading, "", kTitle, "component comp.4-comp.5 of model UNIFAC.",
                                  "Power parameters are set by the user",
                                  "  a0[1,2]= 300.000  degr.K;  a0[2,1]= -50.000  degr.K;", ""}));
  EXPECT_EQ(params_.GroupA[0][1], 300 / kKelvin);
  EXPECT_EQ(params_.GroupA[1][0], -50 / kKelvin);
  EXPECT_EQ(params_.CompGroups[0].A[0][0], 0);
}

}  // namespace
}  // namespace vexilor
