#include "engine/estimation/fitting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/estimation/unifac_groups.h"
#include "engine/shell/failures.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_fixtures.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::ConstantsOf;
using testing::NamesOf;

// A built-in pair as the estimation prepares it for a fit, with the
// report going into text().
class FittingTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    Lang = 1;
    savedProgress_ = FitProgress;
    savedVariant_ = UnifacVariant;
  }
  void TearDown() override {
    FitProgress = savedProgress_;
    UnifacVariant = savedVariant_;
    BuiltInDatabaseTest::TearDown();
  }

  std::unique_ptr<PairFit> LoadPair(std::uint16_t i, std::uint16_t j) {
    SelectEquil(i, j);
    auto fit = std::make_unique<PairFit>();
    blocks_ = {ComponentBase[i].Groups, ComponentBase[j].Groups};
    GroupSums(blocks_[0], fit->r1, fit->q1);
    GroupSums(blocks_[1], fit->r2, fit->q2);
    LoadPairPoints(*fit, ComponentBase[i], ComponentBase[j]);
    PrepareUniquacPoints(*fit);
    fit->Text = &text_;
    fit->SystemName = ComponentBase[i].NameEn + "-" + ComponentBase[j].NameEn;
    return fit;
  }

  // UNIFAC with the literature main-group parameters for the pair loaded last.
  void UseUnifac(PairFit& fit, std::uint8_t variant) {
    UnifacVariant = variant;
    GroupTable = LiteratureGroupTable;
    unifac_ = std::make_unique<UnifacPair>(MakeUnifacPair(blocks_[0], blocks_[1]));
    fit.Unifac = unifac_.get();
    PrepareUnifacPoints(fit);
  }

  LineList text_;
  testing::ScriptedDialog dialog_;
  DialogScope scope_{dialog_};
  std::array<GroupBlock, 2> blocks_{};
  std::unique_ptr<UnifacPair> unifac_;

 private:
  FitCounters savedProgress_;
  std::uint8_t savedVariant_ = 1;
};

Real Objective(FitModel model, PairFit& fit, const SolverVector& p) {
  switch (model) {
    case FitModel::Wilson:
      return WilsonObjective(fit, p);
    case FitModel::Nrtl:
      return NrtlObjective(fit, p);
    case FitModel::Uniquac:
      return UniquacObjective(fit, p);
    case FitModel::Unifac:
      return UnifacObjective(fit, p);
  }
  return 0;
}

// ------------------------------------------ the same models as the column

struct AgreementCase {
  const char* name;
  FitModel model;
  std::uint8_t variant;  // UNIFAC only
  std::uint16_t first;
  std::uint16_t second;
  SolverVector p;
};

void PrintTo(const AgreementCase& c, std::ostream* os) {
  *os << c.name;
}

class ObjectiveAgreementTest : public FittingTest,
                               public ::testing::WithParamInterface<AgreementCase> {};

// The fit must find the parameters of the very model the column
// calculation then uses: gamma1 of every measured point equals the model
// object's at the same parameters.
TEST_P(ObjectiveAgreementTest, Gamma1EqualsTheModelObjectOfTheColumnCalculation) {
  const AgreementCase& c = GetParam();
  auto fit = LoadPair(c.first, c.second);
  TVLEParams params;
  params.N = 2;
  params.Indexes = {c.first, c.second};
  switch (c.model) {
    case FitModel::Wilson:
      params.ModelLetter = 'W';
      params.WilsonA[0][1] = c.p[0];
      params.WilsonA[1][0] = c.p[1];
      break;
    case FitModel::Nrtl:
      params.ModelLetter = 'N';
      params.NrtlB[0][1] = c.p[0];
      params.NrtlB[1][0] = c.p[1];
      params.NrtlAlpha[0][1] = params.NrtlAlpha[1][0] = c.p[2];
      break;
    case FitModel::Uniquac:
      params.ModelLetter = 'Q';
      params.UniquacA[0][1] = c.p[0];
      params.UniquacA[1][0] = c.p[1];
      break;
    case FitModel::Unifac:
      params.ModelLetter = 'F';
      UseUnifac(*fit, c.variant);
      break;
  }
  Objective(c.model, *fit, c.p);
  if (c.model == FitModel::Unifac) {
    // The objective left the trial parameters in the group tables.
    std::array<GroupBlock, kMaxComponents> blocks{blocks_[0], blocks_[1]};
    CompleteUnifac(2, blocks, params);
  }
  const auto model = CreateVLEObj(params, NamesOf(params), ConstantsOf(params));
  for (std::size_t n = 0; n < fit->N; ++n) {
    const ComponentVector x{fit->X1[n], 1 - fit->X1[n]};
    ComponentVector gamma{};
    model->PrepareComposition(x);
    model->ActivityCoefficients(x, gamma, fit->Tau[n]);
    EXPECT_NEAR(fit->Gamma1[n], gamma[0], 1e-15L * gamma[0]) << "point " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Models, ObjectiveAgreementTest,
    ::testing::Values(
        AgreementCase{"WilsonEthanolWater", FitModel::Wilson, 0, 0, 1, {0.53L, 1.82L}},
        AgreementCase{"WilsonWaterEthylAcetate", FitModel::Wilson, 0, 1, 3, {4.4L, 10.1L}},
        AgreementCase{"NrtlEthanolWater", FitModel::Nrtl, 0, 0, 1, {0.08L, 2.2L, 1.1L}},
        AgreementCase{"NrtlMethanolEthylAcetate", FitModel::Nrtl, 0, 2, 3, {1.3L, -0.4L, 0.3L}},
        AgreementCase{"UniquacEthanolWater", FitModel::Uniquac, 0, 0, 1, {0.1L, 0.43L}},
        AgreementCase{"UniquacEthanolEthylAcetate", FitModel::Uniquac, 0, 0, 3, {-0.23L, 0.86L}},
        AgreementCase{"UnifacMainGroupsEthanolWater",
                      FitModel::Unifac,
                      1,
                      0,
                      1,
                      {-0.05L, 0.09L, -0.04L, 0.1L, 0.35L, 0.46L}},
        // Two subgroups of main group 1 in ethyl acetate: they are told
        // apart by their letters, in the fit as in the column.
        AgreementCase{
            "UnifacSubgroupsEthanolEthylAcetate",
            FitModel::Unifac,
            2,
            0,
            3,
            {1.6L, -0.15L, -0.48L, 0.04L, 0.04L, -0.08L, 0.14L, 1.3L, 0.5L, 0.17L, 1.8L, 0.4L}}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------- the sum of squares

class ObjectiveEdgeTest : public FittingTest, public ::testing::WithParamInterface<FitModel> {};

// A point at x1 = 0, y1 = 0 predicts y1 = gamma1 * 0 * PsK / P = 0 whatever
// gamma1 is, and so adds nothing.
TEST_P(ObjectiveEdgeTest, PointWithoutTheFirstComponentAddsNothing) {
  auto fit = LoadPair(0, 1);
  ASSERT_EQ(fit->X1[0], 0);
  ASSERT_EQ(fit->Y1[0], 0);
  if (GetParam() == FitModel::Unifac) UseUnifac(*fit, 1);
  SolverVector p{};
  for (Real& value : p) value = 0.3L;
  const Real withPoint = Objective(GetParam(), *fit, p);
  // The same sum over the other points only.
  Real expected = 0;
  for (std::size_t n = 1; n < fit->N; ++n) {
    const Real d = fit->Y1[n] - fit->Gamma1[n] * fit->X1[n] * fit->PsK[n] / fit->P;
    expected += d * d;
  }
  EXPECT_TRUE(std::isfinite(fit->Gamma1[0]));
  EXPECT_EQ(withPoint, expected);
}

std::string ModelName(const ::testing::TestParamInfo<FitModel>& info) {
  const char* const names[] = {"Wilson", "Nrtl", "Uniquac", "Unifac"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Models, ObjectiveEdgeTest,
                         ::testing::Values(FitModel::Wilson, FitModel::Nrtl, FitModel::Uniquac,
                                           FitModel::Unifac),
                         ModelName);

// With equal molar volumes and zero parameters every Wilson Lambda is 1, so
// gamma1 = 1 and the measure is that of Raoult's law.
TEST_F(FittingTest, WilsonWithUnitLambdasMeasuresRaoultsLaw) {
  SelectEquil(0, 1);
  PairFit fit;
  fit.Text = &text_;
  LoadPairPoints(fit, ComponentBase[0], ComponentBase[0]);
  Real expected = 0;
  for (std::size_t n = 0; n < fit.N; ++n) {
    const Real d = fit.Y1[n] - fit.X1[n] * fit.PsK[n] / fit.P;
    expected += d * d;
  }
  EXPECT_NEAR(WilsonObjective(fit, SolverVector{}), expected, 1e-18L);
  for (std::size_t n = 0; n < fit.N; ++n) EXPECT_EQ(fit.Gamma1[n], 1) << n;
}

// The minimiser evaluates the points of its bracketing walk twice; the
// second evaluation takes over the first one's results. A different model
// or different parameters on the same pair must be computed afresh.
TEST_F(FittingTest, RepeatedEvaluationGivesTheFreshResultAndSwitchingModelRecomputes) {
  auto fit = LoadPair(0, 1);
  auto fresh = LoadPair(0, 1);
  const SolverVector p{0.5L, 1.5L, 0.3L};
  const SolverVector q{0.5L, 1.25L, 0.3L};
  const Real wilson = WilsonObjective(*fit, p);
  EXPECT_EQ(WilsonObjective(*fit, p), wilson);
  EXPECT_EQ(NrtlObjective(*fit, p), NrtlObjective(*fresh, p));
  EXPECT_EQ(NrtlObjective(*fit, q), NrtlObjective(*fresh, q));
  EXPECT_EQ(WilsonObjective(*fit, p), wilson);
}

// -------------------------------------------------- the iteration report

class IterationReportTest : public FittingTest {
 protected:
  void SetUp() override {
    FittingTest::SetUp();
    fit_ = LoadPair(0, 1);
    text_.Append("heading");
    text_.Append("");
    text_.Append("Power parameters ...\r\ncomponent comp.1-comp.2 of model Wilson");
    fit_->ProgressLine = text_.Count();
    // E = sqrt(2 / 3) with N = 3.
    fit_->N = 3;
    FitProgress.CurrentValue = 2;
    FitProgress.Iterations = 7;
  }
  Real Evaluate() { return WilsonObjective(*fit_, SolverVector{0.5L, 1.5L}); }

  std::unique_ptr<PairFit> fit_;
};

TEST_F(IterationReportTest, EveryTwoHundredthEvaluationRewritesOneLineUnderTheHeading) {
  FitProgress.Evaluations = 198;
  Evaluate();
  EXPECT_EQ(text_.Count(), 4);
  EXPECT_EQ(FitProgress.Evaluations, 199);

  Evaluate();
  ASSERT_EQ(text_.Count(), 5);
  EXPECT_EQ(text_.Line(4),
            " Number of iterations 7;  root-mean-square error for system comp.1-comp.2:  E = "
            "0.8164965809");
  EXPECT_EQ(FitProgress.Evaluations, 0);

  FitProgress.Iterations = 12;
  FitProgress.CurrentValue = 0.0003L;  // E = 0.01
  for (int k = 0; k < 199; ++k) Evaluate();
  EXPECT_EQ(text_.Line(4).substr(0, 24), " Number of iterations 7;");
  Evaluate();
  ASSERT_EQ(text_.Count(), 5);
  EXPECT_EQ(text_.Line(3), "component comp.1-comp.2 of model Wilson");
  EXPECT_EQ(text_.Line(4),
            " Number of iterations 12;  root-mean-square error for system comp.1-comp.2:  E = "
            "0.01");
}

TEST_F(IterationReportTest, ReportLineInRussian) {
  Lang = 2;
  fit_->SystemName = "комп.1-комп.2";
  FitProgress.Evaluations = 199;
  Evaluate();
  EXPECT_EQ(text_.Line(4),
            " Число итераций 7;  среднеквадратичная погрешность для системы комп.1-комп.2:  E = "
            "0.8164965809");
}

// --------------------------------------------------------------- FitPair

TEST_F(FittingTest, FaultingObjectiveRestoresTheCursorAndPassesTheFaultOn) {
  auto fit = LoadPair(0, 1);
  fit->P = 0;  // every prediction divides by zero
  EXPECT_THROW(FitPair(FitModel::Wilson, *fit), NumericFailure);
  EXPECT_EQ(dialog_.BusyDepth, 0);
}

TEST_F(FittingTest, MoreUnifacParametersThanTheMinimiserHoldsAreRefused) {
  auto fit = LoadPair(0, 1);
  UnifacPair pair;
  pair.Groups.G = 9;  // 9 subgroups: 72 parameters
  for (std::uint8_t k = 0; k < 9; ++k) pair.Groups.Numbers[k] = k + 1;
  UnifacVariant = 2;
  fit->Unifac = &pair;
  EXPECT_THROW(FitPair(FitModel::Unifac, *fit), std::length_error);
  EXPECT_EQ(dialog_.BusyDepth, 0);
}

}  // namespace
}  // namespace vexilor
