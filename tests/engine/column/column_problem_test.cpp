#include "engine/column/column_problem.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/column/column_fixtures.h"
#include "engine/shell/lang.h"

namespace vexilor {
namespace {

using testing::EthanolWaterEntry;
using testing::MakeEntry;

TEST(ColumnProblemTest, TrayCountFillsTheSolverVector) {
  // (NT + 2)(n + 1) <= 66 unknowns.
  EXPECT_EQ(MaxTrayCount(2), 19);
  EXPECT_EQ(MaxTrayCount(3), 14);
  EXPECT_EQ(MaxTrayCount(4), 11);
  for (int n = 2; n <= 4; ++n) EXPECT_LE((MaxTrayCount(n) + 2) * (n + 1), 66);
}

struct BreakMeasureCase {
  std::uint8_t Units;
  char Model;
  int Trays;
  Real Expected;
};

class DefaultBreakMeasureTest : public ::testing::TestWithParam<BreakMeasureCase> {};

TEST_P(DefaultBreakMeasureTest, FollowsUnitsModelAndTrayCount) {
  const auto& c = GetParam();
  EXPECT_EQ(DefaultBreakMeasure(c.Units, c.Model, c.Trays), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultBreakMeasureTest,
    ::testing::Values(BreakMeasureCase{1, 'W', 9, 6e-8L}, BreakMeasureCase{1, 'W', 10, 1.55e-6L},
                      BreakMeasureCase{2, 'W', 9, 1e-5L}, BreakMeasureCase{2, 'W', 10, 1.5e-6L},
                      BreakMeasureCase{1, 'N', 8, 2e-5L}, BreakMeasureCase{2, 'N', 12, 1e-7L},
                      BreakMeasureCase{1, 'Q', 19, 2e-6L}, BreakMeasureCase{2, 'Q', 1, 4e-6L},
                      BreakMeasureCase{2, 'F', 3, 2e-5L}, BreakMeasureCase{2, 'F', 11, 2.2e-6L},
                      BreakMeasureCase{1, 'X', 5, 1e-7L}, BreakMeasureCase{2, 'X', 15, 1e-7L}));

TEST(ColumnProblemTest, TrayListsAreRebuiltInStageOrderAboveTheThreshold) {
  ColumnProblem problem;
  problem.Allocate(4, 2);
  problem.FeedFlow[4] = 1;
  problem.FeedFlow[2] = 2e-8L;
  problem.FeedFlow[1] = 5e-9L;  // below 1e-8: no feed
  problem.CatchFlow[5] = 0.3L;
  problem.CatchFlow[0] = -1;  // the magnitude counts
  problem.FeedTrays = {4, 2, 4};
  problem.RebuildTrayLists();
  EXPECT_EQ(problem.FeedTrays, (std::vector<std::uint8_t>{2, 4}));
  EXPECT_EQ(problem.CatchTrays, (std::vector<std::uint8_t>{0, 5}));
}

struct EntryFaultCase {
  const char* Name;
  std::function<void(ColumnEntryResult&)> Spoil;
  const char* MessagePart;
};

class ColumnEntryProblemTest : public ::testing::TestWithParam<EntryFaultCase> {
 protected:
  void SetUp() override { Lang = 1; }
  void TearDown() override { Lang = saved_; }

 private:
  std::uint8_t saved_ = Lang;
};

TEST_P(ColumnEntryProblemTest, RefusesEntriesTheColumnCannotUse) {
  ColumnEntryResult entry = EthanolWaterEntry();
  ASSERT_FALSE(ColumnEntryProblem(entry, 2).has_value());
  GetParam().Spoil(entry);
  const auto problem = ColumnEntryProblem(entry, 2);
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find(GetParam().MessagePart), std::string::npos) << *problem;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ColumnEntryProblemTest,
    ::testing::Values(
        EntryFaultCase{"NoTrays", [](auto& e) { e = MakeEntry(0, 'l', 3000, 3, {}, {}); },
                       "between 1 and 19"},
        EntryFaultCase{"MoreTraysThanTheSolverHolds",
                       [](auto& e) {
                         e = MakeEntry(20, 'l', 3000, 3, {{5, 10, {15}}}, {{21, 1}});
                       },
                       "between 1 and 19"},
        EntryFaultCase{"FeedTrayAboveTheDephlegmator", [](auto& e) { e.FeedTrays = {10}; },
                       "Feed tray number 10 lies outside 0..9"},
        EntryFaultCase{"CatchTrayAboveTheDephlegmator", [](auto& e) { e.CatchTrays.push_back(12); },
                       "Catch tray number 12 lies outside 0..9"},
        EntryFaultCase{"NoFeed", [](auto& e) { e.FeedTrays.clear(); }, "Feed trays"},
        EntryFaultCase{"NoTakeoff", [](auto& e) { e.CatchTrays.clear(); }, "Catch trays"},
        EntryFaultCase{"PercentagesAbove100", [](auto& e) { e.FeedConc[0][5] = 100.5L; },
                       "at most 100 %"},
        EntryFaultCase{"NegativePercentage", [](auto& e) { e.FeedConc[0][5] = -1; },
                       "must not be negative"},
        EntryFaultCase{"NegativeFeedFlow", [](auto& e) { e.FeedCons[5] = -5; }, "flow on tray 5"},
        EntryFaultCase{"NegativeSteam", [](auto& e) { e.SteamCons = -1; }, "steam flow"},
        EntryFaultCase{"SteamPressureBelowTheTables", [](auto& e) { e.SteamPress = 0.5L; },
                       "between 1 and 10"},
        EntryFaultCase{"SteamPressureAboveTheTables", [](auto& e) { e.SteamPress = 12; },
                       "between 1 and 10"},
        EntryFaultCase{"ArraysShorterThanTheTrays", [](auto& e) { e.FeedCons.resize(3); },
                       "should be filled"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ColumnProblemTest, EntryOfExactly100PercentIsAccepted) {
  const auto entry =
      MakeEntry(5, 'd', 1000, 2, {{2, 100, {33.3L, 33.3L, 33.4L}}}, {{6, 10}}, /*components=*/4);
  EXPECT_FALSE(ColumnEntryProblem(entry, 4).has_value());
}

}  // namespace
}  // namespace vexilor
