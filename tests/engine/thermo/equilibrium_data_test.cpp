#include "engine/thermo/equilibrium_data.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "engine/thermo/builtin_fixture.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

class SelectEquilTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    EquilWork = {};
  }

  //! Gives the ethanol-water pair `count` equal points.
  static void ResizeEthanolWater(std::uint16_t count, Real x, Real y, Real t) {
    Equil& pair = EquilBase[0][1];
    pair.NPts = count;
    pair.X.assign(count, x);
    pair.Y.assign(count, y);
    pair.T.assign(count, t);
  }
};

TEST_F(SelectEquilTest, LoadsEthanolWaterWithReducedTemperatures) {
  SelectEquil(0, 1);
  const Equil& pair = EquilBase[0][1];
  EXPECT_EQ(EquilWork.NPts, 52);
  EXPECT_EQ(EquilWork.P, 101308.0L);
  EXPECT_EQ(EquilWork.Tau[0], 100.0L / 273.15L + 1);
  EXPECT_EQ(EquilWork.Tau[51], 78.3L / 273.15L + 1);
  for (std::size_t k = 0; k < 52; ++k) {
    EXPECT_EQ(EquilWork.X[k], pair.X[k]) << k;
    EXPECT_EQ(EquilWork.Y[k], pair.Y[k]) << k;
  }
  EXPECT_EQ(EquilWork.Tau[52], 0.0L);  // beyond the points: untouched
  EXPECT_EQ(EquilWork.WilsonInit, (std::array<Real, 2>{7.5L, 3.5L}));
  EXPECT_EQ(EquilWork.UniquacInit, (std::array<Real, 2>{0.5L, 0.5L}));
  EXPECT_EQ(EquilWork.NrtlInit, (std::array<Real, 3>{1.5L, 1.5L, 1.0L}));
}

TEST_F(SelectEquilTest, MirrorAndEmptyPairs) {
  SelectEquil(3, 1);
  EXPECT_EQ(EquilWork.NPts, 23);
  EXPECT_EQ(EquilWork.X[0], 0.0L);  // water-rich end seen from ethyl acetate
  SelectEquil(1, 0);
  EXPECT_EQ(EquilWork.NPts, 0);
  EXPECT_EQ(EquilWork.P, 0.0L);
}

TEST_F(SelectEquilTest, IndexesOutsideTheMatrixAreRefused) {
  EXPECT_THROW(SelectEquil(0, 4), std::out_of_range);
  EXPECT_THROW(SelectEquil(4, 0), std::out_of_range);
}

TEST_F(SelectEquilTest, PairTooLargeForTheWorkArraysEndsTheProgram) {
  ResizeEthanolWater(61, 0.5L, 0.5L, 90.0L);
  struct Case {
    std::uint8_t lang;
    const char* text;
  };
  for (const Case& c :
       {Case{1,
             "Equilibrium data of the pair comp.1 - comp.2 hold 61 points, no more than 60 "
             "can be used"},
        Case{2,
             "Равновесные данные пары комп.1 - комп.2 содержат 61 точек, допустимо не более "
             "60"}}) {
    Lang = c.lang;
    EquilWork = {};
    testing::ScriptedDialog dialog;
    DialogScope scope(dialog);
    EXPECT_THROW(SelectEquil(0, 1), ProgramTermination);
    ASSERT_EQ(dialog.Messages.size(), 1u);
    EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(dialog.Messages[0].Buttons, ButtonSet::Ok);
    EXPECT_EQ(dialog.Messages[0].Text, c.text);
    EXPECT_EQ(EquilWork.NPts, 0);
  }
}

TEST_F(SelectEquilTest, SixtyPointsFit) {
  ResizeEthanolWater(60, 0.25L, 0.75L, 0.0L);
  SelectEquil(0, 1);
  EXPECT_EQ(EquilWork.NPts, 60);
  EXPECT_EQ(EquilWork.X[59], 0.25L);
  EXPECT_EQ(EquilWork.Tau[59], 1.0L);
}

// ---------------------------------------------------------------- MergeGroups

struct Group {
  std::uint8_t Number;
  char Letter;
  Real Q = 1;
  Real R = 1;
};

GroupBlock Block(std::vector<Group> groups) {
  GroupBlock block;
  for (const Group& g : groups) {
    block.Numbers[block.G] = g.Number;
    block.Letters[block.G] = g.Letter;
    block.Nu[block.G] = 1;
    block.Q[block.G] = g.Q;
    block.R[block.G] = g.R;
    ++block.G;
  }
  return block;
}

struct MergeCase {
  const char* name;
  std::vector<GroupBlock> blocks;
  int n;
  std::vector<std::pair<int, char>> groups;  // number, letter
  std::vector<int> mainGroups;
};

void PrintTo(const MergeCase& c, std::ostream* os) {
  *os << c.name;
}

class MergeGroupsTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeGroupsTest, KeepsTheFirstOccurrenceOfEachGroup) {
  const MergeCase& c = GetParam();
  const MixtureGroups merged = MergeGroups(c.n, c.blocks);
  ASSERT_EQ(merged.G, c.groups.size());
  for (std::size_t k = 0; k < c.groups.size(); ++k) {
    EXPECT_EQ(merged.Numbers[k], c.groups[k].first) << k;
    EXPECT_EQ(merged.Letters[k], c.groups[k].second) << k;
  }
  ASSERT_EQ(merged.MainGroupCount, c.mainGroups.size());
  for (std::size_t k = 0; k < c.mainGroups.size(); ++k)
    EXPECT_EQ(merged.MainGroups[k], c.mainGroups[k]) << k;
}

const GroupBlock kEthanol = Block({{1, 'A'}, {5, 'A'}});
const GroupBlock kWater = Block({{6, ' '}});
const GroupBlock kMethanol = Block({{5, 'B'}});
const GroupBlock kEthylAcetate = Block({{1, 'A'}, {1, 'B'}, {10, ' '}});

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeGroupsTest,
    ::testing::Values(MergeCase{"shared_group_listed_once",
                                {kEthanol, kEthylAcetate},
                                2,
                                {{1, 'A'}, {5, 'A'}, {1, 'B'}, {10, ' '}},
                                {1, 5, 10}},
                      MergeCase{"other_letter_separate_but_one_main_group",
                                {kEthanol, kMethanol},
                                2,
                                {{1, 'A'}, {5, 'A'}, {5, 'B'}},
                                {1, 5}},
                      MergeCase{"four_components",
                                {kEthanol, kWater, kMethanol, kEthylAcetate},
                                4,
                                {{1, 'A'}, {5, 'A'}, {6, ' '}, {5, 'B'}, {1, 'B'}, {10, ' '}},
                                {1, 5, 6, 10}},
                      // Adjacent duplicates: after a removal the entry that moved up is
                      // compared too.
                      MergeCase{"runs_of_duplicates",
                                {Block({{1, 'A'}}), Block({{1, 'A'}, {1, 'A'}}),
                                 Block({{1, 'A'}, {2, 'A'}})},
                                3,
                                {{1, 'A'}, {2, 'A'}},
                                {1, 2}},
                      MergeCase{"only_the_first_n_blocks", {kWater, kEthanol}, 1, {{6, ' '}}, {6}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MergeGroupsValuesTest, SurfaceAndVolumeFollowTheFirstOccurrence) {
  const GroupBlock first = Block({{1, 'A', 0.848L, 0.9011L}});
  const GroupBlock second = Block({{2, 'A', 0.5L, 0.25L}, {1, 'A', 9.0L, 9.0L}});
  const MixtureGroups merged = MergeGroups(2, std::vector<GroupBlock>{first, second});
  ASSERT_EQ(merged.G, 2);
  EXPECT_EQ(merged.Q[0], 0.848L);
  EXPECT_EQ(merged.R[0], 0.9011L);
  EXPECT_EQ(merged.Q[1], 0.5L);
  EXPECT_EQ(merged.R[1], 0.25L);
}

TEST(MergeGroupsValuesTest, MoreDistinctGroupsThanAMixtureHoldsIsRefused) {
  std::vector<Group> first, second;
  for (std::uint8_t k = 1; k <= 11; ++k) {
    first.push_back({k, 'A'});
    second.push_back({k, 'B'});
  }
  EXPECT_THROW(MergeGroups(2, std::vector<GroupBlock>{Block(first), Block(second)}),
               std::length_error);
}

}  // namespace
}  // namespace vexilor
