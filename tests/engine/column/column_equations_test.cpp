#include "engine/column/column_equations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "engine/column/column_fixtures.h"
#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::ConstantsOf;
using testing::EthanolWaterWilson;
using testing::NamesOf;
using testing::ScriptedDialog;

constexpr int kTrays = 3;
constexpr int kTop = kTrays + 1;
constexpr int kN = 2;

struct ColumnCase {
  std::uint8_t Units;
  char Heating;
};

// A small ethanol-water column: a feed on tray 2, takeoffs on tray 3 and
// from the dephlegmator, live or dead steam.
class ColumnEquationsTest : public testing::BuiltInDatabaseTest,
                            public ::testing::WithParamInterface<ColumnCase> {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    Lang = 1;
  }

  void Build(std::uint8_t units, char heating) {
    const TVLEParams params = EthanolWaterWilson();
    const auto names = NamesOf(params);
    const ComponentConstants constants = ConstantsOf(params);
    names_ = {names[0], names[1]};
    molarMasses_ = {constants.M[0], constants.M[1]};
    model_ = CreateVLEObj(params, names, constants);

    problem_.Allocate(kTrays, kN);
    problem_.UnitsKind = units;
    problem_.HeatingKind = heating;
    problem_.SteamFlow = units == 1 ? 0.5L : 0.03L;
    problem_.SteamPressure = 3;
    problem_.ColumnPressure = 760 * 133.3L;
    const Real scale = units == 1 ? 1 : 0.05L;
    problem_.FeedFlow[2] = 1.2L * scale;
    problem_.FeedComp[0][2] = 0.15L;
    problem_.FeedComp[1][2] = 0.85L;
    problem_.FeedComp[0][1] = 0.5L;  // no feed on tray 1: its composition must not count
    problem_.CatchFlow[3] = 0.05L * scale;
    problem_.CatchFlow[kTop] = 0.2L * scale;
    if (problem_.LiveSteam()) {
      problem_.LiveSteamFlow[0] = problem_.SteamFlow;
      problem_.LiveSteamComp[1][0] = 1;
    }
    ApplyEnthalpyUnits(units);
    heat_.Qs = problem_.SteamFlow * GetProperty("steam", "enthalp_s", 3);
    heat_.Qc = problem_.DeadSteam() ? problem_.SteamFlow * GetProperty("steam", "enthalp_c", 3) : 0;
    heat_.HeatInput.assign(kTop + 1, 0);
    if (problem_.LiveSteam()) heat_.HeatInput[0] = heat_.Qs;
    heat_.TotalFeed = problem_.TotalFeed();
    heat_.WaterName = "comp.2";
    solution_.Allocate(kTop + 1, kN);
    equations_ = std::make_unique<ColumnEquations>(problem_, solution_, *model_, names_,
                                                   molarMasses_, heat_, text_);
  }

  // Unknowns of a column far from its solution: liquid richer in ethanol
  // upwards, flows around the feed.
  static SolverVector SomeUnknowns() {
    SolverVector u{};
    for (int j = 0; j <= kTop; ++j) {
      u[j * 3] = 0.1L + 0.18L * j;
      u[j * 3 + 1] = 0.7L - 0.05L * j;
      u[j * 3 + 2] = 0.35L + 0.02L * j;
    }
    return u;
  }

  Real LiquidEnthalpy(int i, Real t) const { return GetProperty(names_[i], "enthalp_l", t); }
  Real VapourEnthalpy(int i, Real t) const { return GetProperty(names_[i], "enthalp_v", t); }
  Real CelsiusOf(int j) const { return (solution_.Temp[j] - 1) * 273.15L; }

  ScriptedDialog dialog_;
  DialogScope scope_{dialog_};
  std::vector<std::string> names_;
  std::vector<Real> molarMasses_;
  std::unique_ptr<TVLEObj> model_;
  ColumnProblem problem_;
  ColumnSolution solution_;
  HeatTerms heat_;
  LineList text_;
  std::unique_ptr<ColumnEquations> equations_;
};

TEST_F(ColumnEquationsTest, StagesMixTheirVapourAsTheTraysAndTheDephlegmatorDo) {
  Build(1, 'l');
  for (int j = 0; j <= kTop; ++j) {
    solution_.LiqConc[0][j] = 0.1L + 0.2L * j;
    solution_.LiqConc[1][j] = 1 - solution_.LiqConc[0][j];
  }
  for (int j = 0; j <= kTop; ++j) {
    const StageEnthalpies h = equations_->StageEquilibrium(j);

    // The same bubble point asked directly, in mole fractions.
    ComponentVector x{};
    const Real moles =
        solution_.LiqConc[0][j] / molarMasses_[0] + solution_.LiqConc[1][j] / molarMasses_[1];
    for (int i = 0; i < kN; ++i) x[i] = solution_.LiqConc[i][j] / molarMasses_[i] / moles;
    ComponentVector gamma{};
    ComponentVector y{};
    Real tau = 0;
    Real pressure = problem_.ColumnPressure;
    model_->Equilibrium('T', 'y', 1.01L, 1.2L, tau, pressure, x, gamma, y);
    EXPECT_EQ(solution_.Temp[j], tau);
    const Real mass = y[0] * molarMasses_[0] + y[1] * molarMasses_[1];
    for (int i = 0; i < kN; ++i) {
      const Real equilibrium = y[i] * molarMasses_[i] / mass;
      Real expected = equilibrium;
      if (j == kTop) {
        expected = 0.995L * solution_.VapConc[i][j - 1] + 0.005L * equilibrium;
      } else if (j > 0) {
        expected = solution_.VapConc[i][j - 1] + (equilibrium - solution_.VapConc[i][j - 1]);
      }
      EXPECT_NEAR(solution_.VapConc[i][j], expected, 1e-17L) << "stage " << j;
    }
    const Real t = CelsiusOf(j);
    EXPECT_NEAR(h.HV,
                solution_.VapConc[0][j] * VapourEnthalpy(0, t) +
                    solution_.VapConc[1][j] * VapourEnthalpy(1, t),
                1e-12L);
    EXPECT_NEAR(h.HL,
                solution_.LiqConc[0][j] * LiquidEnthalpy(0, t) +
                    solution_.LiqConc[1][j] * LiquidEnthalpy(1, t),
                1e-12L);
    // The feed enters as liquid at the stage temperature; tray 1's
    // composition without a flow brings nothing.
    const Real feedEnthalpy =
        j == 2 ? 0.15L * LiquidEnthalpy(0, t) + 0.85L * LiquidEnthalpy(1, t) : 0;
    EXPECT_NEAR(h.HF, feedEnthalpy, 1e-12L) << "stage " << j;
  }
}

TEST_F(ColumnEquationsTest, FeedBelowTheThresholdBringsNoEnthalpy) {
  Build(1, 'd');
  solution_.LiqConc[0][0] = 0.3L;
  solution_.LiqConc[1][0] = 0.7L;
  problem_.FeedComp[0][0] = 0.5L;
  problem_.FeedComp[1][0] = 0.5L;
  problem_.FeedFlow[0] = 1e-6L;
  EXPECT_EQ(equations_->StageEquilibrium(0).HF, 0);
  problem_.FeedFlow[0] = 2e-6L;
  EXPECT_GT(equations_->StageEquilibrium(0).HF, 0);
}

// Internal flows cancel in the sum over the stages: the residuals add up
// to what enters the column minus what leaves it, and in Phase 0 the
// dephlegmator's duty closes the enthalpy balance exactly.
TEST_P(ColumnEquationsTest, ResidualsAddUpToTheBalancesOfTheWholeColumn) {
  Build(GetParam().Units, GetParam().Heating);
  const SolverVector u = SomeUnknowns();
  SolverVector R{};
  equations_->ColumnResiduals(u, R);
  const ColumnSolution& s = solution_;
  const Real G = s.FlowScale;

  for (int j = 0; j <= kTop; ++j) {
    EXPECT_EQ(s.LiqConc[0][j], u[j * 3]);
    EXPECT_EQ(s.LiqConc[1][j], 1 - u[j * 3]);
    EXPECT_EQ(s.LiqFlow[j], u[j * 3 + 1] * G);
    EXPECT_EQ(s.VapFlow[j], u[j * 3 + 2] * G);
  }
  // The flow scale from the still's enthalpy balance.
  const Real t0 = CelsiusOf(0);
  const Real latent =
      s.VapConc[0][0] * VapourEnthalpy(0, t0) + s.VapConc[1][0] * VapourEnthalpy(1, t0) -
      (s.LiqConc[0][0] * LiquidEnthalpy(0, t0) + s.LiqConc[1][0] * LiquidEnthalpy(1, t0));
  const Real heat = problem_.DeadSteam() ? heat_.Qs - heat_.Qc
                                         : heat_.Qs - problem_.SteamFlow * LiquidEnthalpy(1, t0);
  EXPECT_NEAR(G, heat / latent + heat_.TotalFeed, 1e-15L * G);

  Real total = 0, ethanol = 0, enthalpy = 0;
  for (int j = 0; j <= kTop; ++j) {
    total += R[j * 3 + 1] * G;
    ethanol += R[j * 3] * G;
    enthalpy += R[j * 3 + 2] * s.HeatScale;
  }
  const Real bottoms = s.LiqFlow[0];
  const Real vapourOut = s.VapFlow[kTop];
  const Real steam = problem_.LiveSteamFlow[0];
  EXPECT_NEAR(total,
              problem_.TotalFeed() + steam - problem_.CatchFlow[3] - problem_.CatchFlow[kTop] -
                  bottoms - vapourOut,
              1e-15L);
  EXPECT_NEAR(ethanol,
              problem_.FeedFlow[2] * 0.15L - problem_.CatchFlow[3] * s.LiqConc[0][3] -
                  problem_.CatchFlow[kTop] * s.LiqConc[0][kTop] - bottoms * s.LiqConc[0][0] -
                  vapourOut * s.VapConc[0][kTop],
              1e-15L);
  EXPECT_NEAR(enthalpy, 0, 1e-12L * s.HeatScale);

  // In Phase 1 the duty stays at the frozen value: the balance is off by
  // exactly the difference.
  solution_.Phase = 1;
  solution_.DephlHeatFixed = s.DephlHeat + 100;
  equations_->ColumnResiduals(u, R);
  enthalpy = 0;
  for (int j = 0; j <= kTop; ++j) enthalpy += R[j * 3 + 2] * s.HeatScale;
  EXPECT_NEAR(enthalpy, -100, 1e-9L);
}

INSTANTIATE_TEST_SUITE_P(UnitsAndHeating, ColumnEquationsTest,
                         ::testing::Values(ColumnCase{1, 'l'}, ColumnCase{1, 'd'},
                                           ColumnCase{2, 'l'}, ColumnCase{2, 'D'}),
                         [](const auto& info) {
                           return std::string(info.param.Units == 1 ? "Mass" : "Molar") +
                                  (info.param.Heating == 'l' ? "LiveSteam" : "DeadSteam");
                         });

TEST_F(ColumnEquationsTest, PhaseOneKeepsOneDiscrepancyRowPerStage) {
  Build(1, 'l');
  text_.Append("header\r\ncolumns");
  equations_->SetDiscrepancyBase(text_.Count());
  SolverVector R{};
  equations_->ColumnResiduals(SomeUnknowns(), R);
  EXPECT_EQ(text_.Count(), 2) << "Phase 0 leaves the text alone";

  solution_.Phase = 1;
  equations_->ColumnResiduals(SomeUnknowns(), R);
  ASSERT_EQ(text_.Count(), 2 + kTop + 1);
  const Real G = solution_.FlowScale;
  const std::string row0 = text_.Line(2);
  EXPECT_EQ(row0.substr(0, 5), "  0  ");
  EXPECT_EQ(row0.size(), 5u + 12 * 3);
  EXPECT_EQ(row0.substr(5, 12), Format("%12.6Lf", R[0] * G));
  EXPECT_EQ(text_.Line(2 + kTop).substr(0, 5), "  4  ");

  SolverVector other = SomeUnknowns();
  other[1] += 0.1L;
  equations_->ColumnResiduals(other, R);
  EXPECT_EQ(text_.Count(), 2 + kTop + 1) << "rows are replaced, not added";
  EXPECT_EQ(text_.Line(0), "header");
  EXPECT_NE(text_.Line(2), row0);
}

TEST_F(ColumnEquationsTest, RepeatedBubblePointsGiveTheResultsOfAFreshEvaluation) {
  Build(1, 'l');
  const SolverVector u = SomeUnknowns();
  SolverVector expected{};
  equations_->ColumnResiduals(u, expected);

  Build(1, 'l');
  SolverVector moved = u;
  moved[4] += 0.01L;  // a flow: every liquid stays
  moved[6] -= 0.02L;  // a liquid fraction of stage 2
  SolverVector R{};
  equations_->ColumnResiduals(moved, R);
  equations_->ColumnResiduals(u, R);
  for (int i = 0; i < (kTop + 1) * 3; ++i) EXPECT_EQ(R[i], expected[i]) << i;
}

TEST_F(ColumnEquationsTest, StopRequestEndsTheEvaluation) {
  Build(1, 'l');
  dialog_.RequestStopAtEvent(2);
  SolverVector R{};
  equations_->ColumnResiduals(SomeUnknowns(), R);
  EXPECT_THROW(equations_->ColumnResiduals(SomeUnknowns(), R), RunStopped);
  EXPECT_EQ(equations_->Evaluations(), 2);
}

TEST_F(ColumnEquationsTest, LiquidWithoutMolesIsAnArithmeticFault) {
  Build(1, 'd');
  SolverVector u = SomeUnknowns();
  u[0] = std::numeric_limits<Real>::infinity();
  SolverVector R{};
  EXPECT_THROW(equations_->ColumnResiduals(u, R), NumericFailure);
}

}  // namespace
}  // namespace vexilor
