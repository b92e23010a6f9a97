#include "engine/thermo/builtin_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"

namespace vexilor {
namespace {

using BuiltInDataTest = testing::BuiltInDatabaseTest;

std::vector<Real> Steps(int from, int to, int step) {
  std::vector<Real> values;
  for (int t = from; t <= to; t += step) values.push_back(t);
  return values;
}

std::vector<Real> Joined(std::initializer_list<std::vector<Real>> parts) {
  std::vector<Real> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct RecordCase {
  const char* NameEn;
  const char* NameRu;
  Real MolMass, AntA, AntB, AntC;
  char VapForm;
  std::vector<Real> TempPts;
  std::vector<Real> VapTemps;
};

TEST_F(BuiltInDataTest, FourRecordsInTheirOrderWithTheirConstantsAndPoints) {
  const std::vector<RecordCase> expected = {
      {"comp.1",
       "комп.1",
       46.069L,
       18.9119L,
       3803.98L,
       -41.68L,
       'T',
       {-20, 0, 10, 20, 30, 40, 50, 60, 80, 100, 120, 150, 200},
       Joined({Steps(0, 75, 5), {78.32L, 80, 85, 90}, Steps(100, 200, 10)})},
      {"comp.2",
       "комп.2",
       18.015L,
       18.3036L,
       3816.44L,
       -46.13L,
       'T',
       {-20, 0, 20, 40, 50, 60, 80, 100, 120, 140, 160, 180, 200},
       Joined({{0, 5, 10, 15}, Steps(20, 100, 1), Steps(110, 200, 10)})},
      {"comp.3", "комп.3", 32.042L, 18.5875L, 3626.55L, -34.29L, 'A', Steps(-20, 140, 20), {}},
      {"comp.4", "комп.4", 88.107L, 16.1516L, 2790.5L, -57.15L, 'A', Steps(-20, 140, 20), {}},
  };
  ASSERT_EQ(ComponentBase.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].NameEn);
    const Pro& record = ComponentBase[i];
    EXPECT_EQ(record.NameEn, expected[i].NameEn);
    EXPECT_EQ(record.NameRu, expected[i].NameRu);
    EXPECT_EQ(record.MolMass, expected[i].MolMass);
    EXPECT_EQ(record.AntA, expected[i].AntA);
    EXPECT_EQ(record.AntB, expected[i].AntB);
    EXPECT_EQ(record.AntC, expected[i].AntC);
    EXPECT_EQ(record.VapForm, expected[i].VapForm);
    EXPECT_EQ(record.TempPts, expected[i].TempPts);
    EXPECT_EQ(record.NPoints, expected[i].TempPts.size());
    for (const auto* table :
         {&record.EnthL, &record.EnthV, &record.Dens, &record.Visc, &record.SurfTens, &record.Expan,
          &record.HeatCap, &record.Prandtl, &record.Conduct})
      EXPECT_EQ(table->size(), record.NPoints);
    EXPECT_EQ(record.VapTemps, expected[i].VapTemps);
    EXPECT_EQ(record.NVapPoints, expected[i].VapTemps.size());
    EXPECT_EQ(record.VapPress.size(), record.NVapPoints);
  }
  EXPECT_EQ(ComponentBase[0].NVapPoints, 31);
  EXPECT_EQ(ComponentBase[1].NVapPoints, 95);
}

struct GroupCase {
  int Number;
  char Letter;
  int Nu;
  Real Q, R;
};

TEST_F(BuiltInDataTest, UnifacGroupsOfTheRecords) {
  const std::vector<std::vector<GroupCase>> expected = {
      {{1, 'A', 1, 0.848L, 0.9011L}, {5, 'A', 1, 1.124L, 1.2044L}},
      {{6, ' ', 1, 1.4L, 0.92L}},
      {{5, 'B', 1, 1.432L, 1.4311L}},
      {{1, 'A', 2, 0.848L, 0.9011L}, {1, 'B', 1, 0.54L, 0.6744L}, {10, ' ', 1, 0.88L, 1.002L}},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const GroupBlock& block = ComponentBase[i].Groups;
    ASSERT_EQ(block.G, expected[i].size()) << i;
    for (std::size_t k = 0; k < expected[i].size(); ++k) {
      SCOPED_TRACE(::testing::Message() << "record " << i << " group " << k);
      EXPECT_EQ(block.Numbers[k], expected[i][k].Number);
      EXPECT_EQ(block.Letters[k], expected[i][k].Letter);
      EXPECT_EQ(block.Nu[k], expected[i][k].Nu);
      EXPECT_EQ(block.Q[k], expected[i][k].Q);
      EXPECT_EQ(block.R[k], expected[i][k].R);
    }
  }
}

struct QuotedValue {
  int Record;
  std::vector<Real> Pro::*Table;
  Real T;
  Real Value;
};

// The value of a table at one of its own temperature points.
Real AtPoint(const Pro& record, std::vector<Real> Pro::*table, Real t) {
  const auto& xs = table == &Pro::VapPress ? record.VapTemps : record.TempPts;
  const auto at = std::find(xs.begin(), xs.end(), t);
  if (at == xs.end()) ADD_FAILURE() << "no table point at " << static_cast<double>(t);
  return (record.*table).at(static_cast<std::size_t>(at - xs.begin()));
}

TEST_F(BuiltInDataTest, QuotedTableValuesComeOutExactly) {
  const QuotedValue quoted[] = {
      {0, &Pro::EnthL, -20, -42.8L},
      {0, &Pro::EnthL, 0, 0.0L},
      {0, &Pro::EnthL, 10, 24.28L},
      {0, &Pro::EnthL, 200, 913.42L},
      {0, &Pro::EnthV, -20, 887.5L},
      {0, &Pro::EnthV, 0, 920.3L},
      {0, &Pro::EnthV, 10, 939.53L},
      {0, &Pro::EnthV, 200, 1393.62L},
      {0, &Pro::Dens, -20, 823.0L},
      {0, &Pro::Dens, 0, 806.25L},
      {0, &Pro::Dens, 10, 797.88L},
      {0, &Pro::Dens, 200, 556.8L},
      {0, &Pro::VapPress, 78.32L, 760.015L},
      {1, &Pro::Dens, -20, 1000.0L},
      {1, &Pro::Dens, 0, 1000.0L},
      {1, &Pro::Dens, 20, 998.0L},
      {1, &Pro::EnthL, -20, -79.61L},
      {1, &Pro::EnthL, 0, 0.0L},
      {1, &Pro::EnthL, 20, 83.8L},
      {1, &Pro::EnthV, -20, 2459.69L},
      {1, &Pro::EnthV, 0, 2493.1L},
      {1, &Pro::EnthV, 20, 2532.0L},
      {1, &Pro::VapPress, 0, 4.579L},
      {1, &Pro::VapPress, 100, 760.0L},
      {1, &Pro::HeatCap, 40, 4180.0L},
      {1, &Pro::HeatCap, 50, 4180.0L},
      {1, &Pro::HeatCap, 60, 4180.0L},
      {1, &Pro::Prandtl, 20, 7.02L},
      {2, &Pro::Dens, -20, 828.0L},
      {2, &Pro::Dens, 140, 664.0L},
      {3, &Pro::Dens, -20, 947.0L},
      {3, &Pro::Dens, 140, 739.0L},
      {2, &Pro::EnthL, 0, 0.0L},
      {3, &Pro::EnthL, 0, 0.0L},
  };
  for (const QuotedValue& q : quoted) {
    EXPECT_EQ(AtPoint(ComponentBase[q.Record], q.Table, q.T), q.Value)
        << "record " << q.Record << " at " << static_cast<double>(q.T);
  }
}

TEST_F(BuiltInDataTest, OnlyTheWaterRecordHasAPrandtlTable) {
  for (std::size_t i = 0; i < ComponentBase.size(); ++i) {
    const auto& prandtl = ComponentBase[i].Prandtl;
    const bool anyNonZero =
        std::any_of(prandtl.begin(), prandtl.end(), [](Real v) { return v != 0; });
    EXPECT_EQ(anyNonZero, i == 1) << i;
  }
}

TEST_F(BuiltInDataTest, SteamTables) {
  const std::array<Real, kSteamPoints> pressures = {1.0L, 1.2L, 1.4L, 1.6L, 1.8L, 2.0L, 3,
                                                    4,    5,    6,    7,    8,    9,    10};
  const std::array<Real, kSteamPoints> steam = {2677, 2686, 2693, 2703, 2709, 2710, 2730,
                                                2744, 2754, 2768, 2769, 2776, 2780, 2784};
  const std::array<Real, kSteamPoints> condensate = {415.2L, 437.0L, 456.3L, 473.1L, 483.6L,
                                                     502.4L, 558.9L, 601.1L, 637.7L, 667.9L,
                                                     694.3L, 718.4L, 740.0L, 759.6L};
  EXPECT_EQ(SteamPressures, pressures);
  EXPECT_EQ(SteamEnthalpy, steam);
  EXPECT_EQ(CondensateEnthalpy, condensate);
}

TEST_F(BuiltInDataTest, LiteratureTableHoldsTheReducedKnownPairsAndZeroElsewhere) {
  struct Entry {
    int M, N;
    Real Kelvin;
  };
  const Entry known[] = {{1, 5, 931.2L},  {1, 6, 634.235L},  {1, 10, 122.691L}, {5, 1, 169.7L},
                         {5, 6, -320.8L}, {5, 10, 174.3L},   {6, 1, -48.251L},  {6, 5, 287.5L},
                         {6, 10, 6.731L}, {10, 1, 129.103L}, {10, 5, 167.5L},   {10, 6, 532.067L}};
  std::array<std::array<Real, kLiteratureMainGroups>, kLiteratureMainGroups> expected{};
  for (const Entry& e : known) expected[e.M - 1][e.N - 1] = e.Kelvin / 273.15L;
  EXPECT_EQ(LiteratureGroupTable, expected);
}

struct PairCase {
  std::size_t I, J;
  int NPts;
  std::array<Real, 3> First, Last;  // X, Y, T
  std::array<Real, 2> Wilson, Uniquac;
  std::array<Real, 3> Nrtl;
};

TEST_F(BuiltInDataTest, MeasuredPairs) {
  const PairCase pairs[] = {
      {0, 1, 52, {0, 0, 100}, {1, 1, 78.3L}, {7.5L, 3.5L}, {0.5L, 0.5L}, {1.5L, 1.5L, 1}},
      {0, 2, 14, {1, 1, 78.3L}, {0, 0, 64.6L}, {1.5L, 1.5L}, {1, 1.6L}, {5.5L, 5.5L, 1}},
      {0,
       3,
       30,
       {1, 1, 78.3L},
       {0.155L, 0.228L, 73.9L},
       {-5.01L, 0.01L},
       {1.1L, 1.1L},
       {1.5L, 1, 1}},
      {1, 2, 36, {1, 1, 100}, {0, 0, 64.55L}, {1.5L, 0.5L}, {1.1L, 1.1L}, {1.5L, 1, 1}},
      {1, 3, 23, {1, 1, 100}, {0, 0, 77.15L}, {1.5L, 0.5L}, {1.1L, 1.1L}, {0.7L, 0.5L, 1.5L}},
      {2,
       3,
       43,
       {0, 0, 77.15L},
       {0.181L, 0.384L, 67.1L},
       {0.5L, 0.5L},
       {0.3L, 0.4L},
       {4.5L, 4.5L, 1}},
  };
  ASSERT_EQ(EquilBase.size(), 4u);
  for (const PairCase& c : pairs) {
    SCOPED_TRACE(::testing::Message() << "pair " << c.I << "," << c.J);
    const Equil& pair = EquilBase[c.I][c.J];
    ASSERT_EQ(pair.NPts, c.NPts);
    ASSERT_EQ(pair.X.size(), pair.NPts);
    ASSERT_EQ(pair.Y.size(), pair.NPts);
    ASSERT_EQ(pair.T.size(), pair.NPts);
    EXPECT_EQ(pair.P, 101308.0L);
    const std::size_t last = pair.NPts - 1u;
    EXPECT_EQ((std::array<Real, 3>{pair.X[0], pair.Y[0], pair.T[0]}), c.First);
    EXPECT_EQ((std::array<Real, 3>{pair.X[last], pair.Y[last], pair.T[last]}), c.Last);
    EXPECT_EQ(pair.WilsonInit, c.Wilson);
    EXPECT_EQ(pair.UniquacInit, c.Uniquac);
    EXPECT_EQ(pair.NrtlInit, c.Nrtl);
  }
  // The ethanol-water azeotrope is among the points.
  const Equil& ethanolWater = EquilBase[0][1];
  bool azeotrope = false;
  for (std::size_t k = 0; k < ethanolWater.NPts; ++k)
    azeotrope |= ethanolWater.X[k] == 0.89447L && ethanolWater.Y[k] == 0.89447L &&
                 ethanolWater.T[k] == 78.15L;
  EXPECT_TRUE(azeotrope);
}

TEST_F(BuiltInDataTest, MirrorEntriesSeeThePairFromTheOtherComponent) {
  const std::pair<std::size_t, std::size_t> mirrored[] = {{0, 2}, {1, 2}, {0, 3}, {1, 3}};
  for (const auto& [i, j] : mirrored) {
    SCOPED_TRACE(::testing::Message() << "pair " << j << "," << i);
    const Equil& measured = EquilBase[i][j];
    const Equil& mirror = EquilBase[j][i];
    ASSERT_EQ(mirror.NPts, measured.NPts);
    ASSERT_EQ(mirror.X.size(), measured.X.size());
    for (std::size_t k = 0; k < measured.NPts; ++k) {
      EXPECT_EQ(mirror.X[k], 1 - measured.X[k]);
      EXPECT_EQ(mirror.Y[k], 1 - measured.Y[k]);
      EXPECT_EQ(mirror.T[k], measured.T[k]);
    }
    EXPECT_EQ(mirror.P, 0.0L);
    EXPECT_EQ(mirror.WilsonInit, (std::array<Real, 2>{}));
    EXPECT_EQ(mirror.NrtlInit, (std::array<Real, 3>{}));
  }
  for (const auto& [i, j] : {std::pair{1, 0}, std::pair{3, 2}, std::pair{0, 0}, std::pair{1, 1},
                             std::pair{2, 2}, std::pair{3, 3}}) {
    EXPECT_EQ(EquilBase[i][j].NPts, 0) << i << "," << j;
    EXPECT_TRUE(EquilBase[i][j].X.empty()) << i << "," << j;
  }
}

TEST_F(BuiltInDataTest, LoadingAgainRestoresEverything) {
  ApplyEnthalpyUnits(2);
  ComponentBase.pop_back();
  ComponentBase[0].EnthL[2] = 1;
  SteamEnthalpy[0] = 1;
  EquilBase[0][1].NPts = 1;
  LiteratureGroupTable[0][4] = 1;
  LoadBuiltInData();
  ASSERT_EQ(ComponentBase.size(), 4u);
  EXPECT_EQ(ComponentBase[0].EnthL[2], 24.28L);
  EXPECT_EQ(SteamEnthalpy[0], 2677.0L);
  EXPECT_EQ(EquilBase[0][1].NPts, 52);
  EXPECT_EQ(LiteratureGroupTable[0][4], 931.2L / 273.15L);
  // The remembered tables are the reloaded ones.
  ApplyEnthalpyUnits(1);
  EXPECT_EQ(ComponentBase[0].EnthL[2], 24.28L);
}

}  // namespace
}  // namespace vexilor
