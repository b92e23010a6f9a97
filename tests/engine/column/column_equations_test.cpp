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
    column_ = std::make_unique<testing::EquationsColumn>(kTrays, units, heating,
                                                         units == 1 ? 0.5L : 0.03L);
    ColumnProblem& p = column_->Problem;
    const Real scale = units == 1 ? 1 : 0.05L;
    p.FeedFlow[2] = 1.2L * scale;
    p.FeedComp[0][2] = 0.15L;
    p.FeedComp[1][2] = 0.85L;
    p.FeedComp[0][1] = 0.5L;  // no feed on tray 1: its composition must not count
    p.CatchFlow[3] = 0.05L * scale;
    p.CatchFlow[kTop] = 0.2L * scale;
    column_->Build();
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

  Real LiquidEnthalpy(int i, Real t) const {
    return GetProperty(column_->Names[i], "enthalp_l", t);
  }
  Real VapourEnthalpy(int i, Real t) const {
    return GetProperty(column_->Names[i], "enthalp_v", t);
  }
  Real CelsiusOf(int j) const { return (column_->Solution.Temp[j] - 1) * 273.15L; }

  ScriptedDialog dialog_;
  DialogScope scope_{dialog_};
  std::unique_ptr<testing::EquationsColumn> column_;
};

TEST_F(ColumnEquationsTest, StagesMixTheirVapourAsTheTraysAndTheDephlegmatorDo) {
  Build(1, 'l');
  for (int j = 0; j <= kTop; ++j) {
    column_->Solution.LiqConc[0][j] = 0.1L + 0.2L * j;
    column_->Solution.LiqConc[1][j] = 1 - column_->Solution.LiqConc[0][j];
  }
  for (int j = 0; j <= kTop; ++j) {
    const StageEnthalpies h = column_->Equations->StageEquilibrium(j);

    // The same bubble point asked directly, in mole fractions.
    ComponentVector x{};
    const Real moles = column_->Solution.LiqConc[0][j] / column_->MolarMasses[0] +
                       column_->Solution.LiqConc[1][j] / column_->MolarMasses[1];
    for (int i = 0; i < kN; ++i)
      x[i] = column_->Solution.LiqConc[i][j] / column_->MolarMasses[i] / moles;
    ComponentVector gamma{};
    ComponentVector y{};
    Real tau = 0;
    Real pressure = column_->Problem.ColumnPressure;
    column_->Model->Equilibrium('T', 'y', 1.01L, 1.2L, tau, pressure, x, gamma, y);
    EXPECT_EQ(column_->Solution.Temp[j], tau);
    const Real mass = y[0] * column_->MolarMasses[0] + y[1] * column_->MolarMasses[1];
    for (int i = 0; i < kN; ++i) {
      const Real equilibrium = y[i] * column_->MolarMasses[i] / mass;
      Real expected = equilibrium;
      if (j == kTop) {
        expected = 0.995L * column_->Solution.VapConc[i][j - 1] + 0.005L * equilibrium;
      } else if (j > 0) {
        expected = column_->Solution.VapConc[i][j - 1] +
                   (equilibrium - column_->Solution.VapConc[i][j - 1]);
      }
      EXPECT_NEAR(column_->Solution.VapConc[i][j], expected, 1e-17L) << "stage " << j;
    }
    const Real t = CelsiusOf(j);
    EXPECT_NEAR(h.HV,
                column_->Solution.VapConc[0][j] * VapourEnthalpy(0, t) +
                    column_->Solution.VapConc[1][j] * VapourEnthalpy(1, t),
                1e-12L);
    EXPECT_NEAR(h.HL,
                column_->Solution.LiqConc[0][j] * LiquidEnthalpy(0, t) +
                    column_->Solution.LiqConc[1][j] * LiquidEnthalpy(1, t),
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
  column_->Solution.LiqConc[0][0] = 0.3L;
  column_->Solution.LiqConc[1][0] = 0.7L;
  column_->Problem.FeedComp[0][0] = 0.5L;
  column_->Problem.FeedComp[1][0] = 0.5L;
  column_->Problem.FeedFlow[0] = 1e-6L;
  EXPECT_EQ(column_->Equations->StageEquilibrium(0).HF, 0);
  column_->Problem.FeedFlow[0] = 2e-6L;
  EXPECT_GT(column_->Equations->StageEquilibrium(0).HF, 0);
}

// Internal flows cancel in the sum over the stages: the residuals add up
// to what enters the column minus what leaves it, and in Phase 0 the
// dephlegmator's duty closes the enthalpy balance exactly.
TEST_P(ColumnEquationsTest, ResidualsAddUpToTheBalancesOfTheWholeColumn) {
  Build(GetParam().Units, GetParam().Heating);
  const SolverVector u = SomeUnknowns();
  SolverVector R{};
  column_->Equations->ColumnResiduals(u, R);
  const ColumnSolution& s = column_->Solution;
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
  const Real heat = column_->Problem.DeadSteam()
                        ? column_->Heat.Qs - column_->Heat.Qc
                        : column_->Heat.Qs - column_->Problem.SteamFlow * LiquidEnthalpy(1, t0);
  EXPECT_NEAR(G, heat / latent + column_->Heat.TotalFeed, 1e-15L * G);

  Real total = 0, ethanol = 0, enthalpy = 0;
  for (int j = 0; j <= kTop; ++j) {
    total += R[j * 3 + 1] * G;
    ethanol += R[j * 3] * G;
    enthalpy += R[j * 3 + 2] * s.HeatScale;
  }
  const Real bottoms = s.LiqFlow[0];
  const Real vapourOut = s.VapFlow[kTop];
  const Real steam = column_->Problem.LiveSteamFlow[0];
  EXPECT_NEAR(total,
              column_->Problem.TotalFeed() + steam - column_->Problem.CatchFlow[3] -
                  column_->Problem.CatchFlow[kTop] - bottoms - vapourOut,
              1e-15L);
  EXPECT_NEAR(ethanol,
              column_->Problem.FeedFlow[2] * 0.15L -
                  column_->Problem.CatchFlow[3] * s.LiqConc[0][3] -
                  column_->Problem.CatchFlow[kTop] * s.LiqConc[0][kTop] -
                  bottoms * s.LiqConc[0][0] - vapourOut * s.VapConc[0][kTop],
              1e-15L);
  EXPECT_NEAR(enthalpy, 0, 1e-12L * s.HeatScale);

  // In Phase 1 the duty stays at the frozen value: the balance is off by
  // exactly the difference.
  column_->Solution.Phase = 1;
  column_->Solution.DephlHeatFixed = s.DephlHeat + 100;
  column_->Equations->ColumnResiduals(u, R);
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
  column_->Text.Append("header\r\ncolumns");
  column_->Equations->SetDiscrepancyBase(column_->Text.Count());
  SolverVector R{};
  column_->Equations->ColumnResiduals(SomeUnknowns(), R);
  EXPECT_EQ(column_->Text.Count(), 2) << "Phase 0 leaves the text alone";

  column_->Solution.Phase = 1;
  column_->Equations->ColumnResiduals(SomeUnknowns(), R);
  ASSERT_EQ(column_->Text.Count(), 2 + kTop + 1);
  const Real G = column_->Solution.FlowScale;
  const std::string row0 = column_->Text.Line(2);
  EXPECT_EQ(row0.substr(0, 5), "  0  ");
  EXPECT_EQ(row0.size(), 5u + 12 * 3);
  EXPECT_EQ(row0.substr(5, 12), Format("%12.6Lf", R[0] * G));
  EXPECT_EQ(column_->Text.Line(2 + kTop).substr(0, 5), "  4  ");

  SolverVector other = SomeUnknowns();
  other[1] += 0.1L;
  column_->Equations->ColumnResiduals(other, R);
  EXPECT_EQ(column_->Text.Count(), 2 + kTop + 1) << "rows are replaced, not added";
  EXPECT_EQ(column_->Text.Line(0), "header");
  EXPECT_NE(column_->Text.Line(2), row0);
}

TEST_F(ColumnEquationsTest, RepeatedBubblePointsGiveTheResultsOfAFreshEvaluation) {
  Build(1, 'l');
  const SolverVector u = SomeUnknowns();
  SolverVector expected{};
  column_->Equations->ColumnResiduals(u, expected);

  Build(1, 'l');
  SolverVector moved = u;
  moved[4] += 0.01L;  // a flow: every liquid stays
  moved[6] -= 0.02L;  // a liquid fraction of stage 2
  // And a column far from it: other temperatures, other table segments.
  SolverVector far = u;
  for (int j = 0; j <= kTop; ++j) far[j * 3] = 0.95L - 0.2L * j;
  SolverVector R{};
  column_->Equations->ColumnResiduals(moved, R);
  column_->Equations->ColumnResiduals(far, R);
  column_->Equations->ColumnResiduals(u, R);
  for (int i = 0; i < (kTop + 1) * 3; ++i) EXPECT_EQ(R[i], expected[i]) << i;
}

TEST_F(ColumnEquationsTest, StopRequestEndsTheEvaluation) {
  Build(1, 'l');
  dialog_.RequestStopAtEvent(2);
  SolverVector R{};
  column_->Equations->ColumnResiduals(SomeUnknowns(), R);
  EXPECT_THROW(column_->Equations->ColumnResiduals(SomeUnknowns(), R), RunStopped);
  EXPECT_EQ(column_->Equations->Evaluations(), 2);
}

TEST_F(ColumnEquationsTest, LiquidWithoutMolesIsAnArithmeticFault) {
  Build(1, 'd');
  SolverVector u = SomeUnknowns();
  u[0] = std::numeric_limits<Real>::infinity();
  SolverVector R{};
  EXPECT_THROW(column_->Equations->ColumnResiduals(u, R), NumericFailure);
}

}  // namespace
}  // namespace vexilor
