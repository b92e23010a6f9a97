#include "engine/estimation/unifac_groups.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/estimation/fitting.h"
#include "engine/estimation/parameter_grid.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

constexpr Real kKelvin = 273.15L;

struct Group {
  std::uint8_t number;
  char letter;
};

// A component made of the given groups, each once, with Q = R = 1.
GroupBlock Block(const std::vector<Group>& groups) {
  GroupBlock block;
  block.G = static_cast<std::uint8_t>(groups.size());
  for (std::size_t k = 0; k < groups.size(); ++k) {
    block.Numbers[k] = groups[k].number;
    block.Letters[k] = groups[k].letter;
    block.Nu[k] = 1;
    block.Q[k] = 1;
    block.R[k] = 1;
  }
  Real r = 0;
  Real q = 0;
  GroupSums(block, r, q);
  return block;
}

Real Literature(int first, int second) {
  return LiteratureGroupTable[first - 1][second - 1];
}

class UnifacGroupsTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    Lang = 1;
    savedVariant_ = UnifacVariant;
    GroupTable = LiteratureGroupTable;
    SubgroupTable = {};
  }
  void TearDown() override {
    UnifacVariant = savedVariant_;
    BuiltInDatabaseTest::TearDown();
  }

  // Ethyl-acetate-like 1A, 1B with an alcohol-like 5A: two subgroups of
  // main group 1.
  UnifacPair SharedMainGroupPair() {
    return MakeUnifacPair(Block({{1, 'A'}, {1, 'B'}}), Block({{5, 'A'}}));
  }

  std::string Handle(PairSource source, UnifacPair& pair) {
    PairFit fit;
    GridRequest grid = NewParameterGrid();
    return HandleUnifacPair(source, pair, fit, grid, text_);
  }

  LineList text_;
  testing::ScriptedDialog dialog_;
  DialogScope scope_{dialog_};

 private:
  std::uint8_t savedVariant_ = 1;
};

TEST(LetterSlotTest, LettersABAndCHaveSlotsOfTheirOwnAndEveryOtherShareTheLast) {
  EXPECT_EQ(LetterSlot('A'), 0u);
  EXPECT_EQ(LetterSlot('B'), 1u);
  EXPECT_EQ(LetterSlot('C'), 2u);
  for (const char other : {' ', 'D', 'a', '\0'}) EXPECT_EQ(LetterSlot(other), 3u) << other;
}

TEST_F(UnifacGroupsTest, MainGroupsShareOneParameterAcrossTheirSubgroups) {
  UnifacVariant = 1;
  UnifacPair pair = SharedMainGroupPair();
  ASSERT_EQ(GroupParameterCount(pair.Groups), 2);  // a(1, 5), a(5, 1)
  StoreGroupParameter(pair.Groups, 0, 1, 0.5L);
  StoreGroupParameter(pair.Groups, 1, 0, -0.25L);
  StoreGroupParameter(pair.Groups, 1, 1, 9);  // a group with itself: nothing
  EXPECT_EQ(GroupTable[0][4], 0.5L);
  EXPECT_EQ(GroupTable[4][0], -0.25L);
  EXPECT_EQ(GroupTable[4][4], 0);

  GroupMatrix matrix{};
  FillGroupMatrix(pair.Groups.G, pair.Groups.Numbers, pair.Groups.Letters, matrix);
  const GroupMatrix expected = {{{0, 0, 0.5L}, {0, 0, 0.5L}, {-0.25L, -0.25L, 0}}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(matrix[i][j], expected[i][j]) << i << "," << j;
}

TEST_F(UnifacGroupsTest, SubgroupsKeepAParameterPerLetterPair) {
  UnifacVariant = 2;
  UnifacPair pair = SharedMainGroupPair();
  ASSERT_EQ(GroupParameterCount(pair.Groups), 6);
  StoreGroupParameter(pair.Groups, 0, 1, 0.7L);  // 1A with 1B
  StoreGroupParameter(pair.Groups, 1, 0, 0.8L);  // 1B with 1A
  StoreGroupParameter(pair.Groups, 0, 2, 0.1L);  // 1A with 5A
  EXPECT_EQ(SubgroupTable[1][1][0][1], 0.7L);
  EXPECT_EQ(SubgroupTable[1][1][1][0], 0.8L);
  EXPECT_EQ(SubgroupTable[1][5][0][0], 0.1L);

  GroupMatrix matrix{};
  FillGroupMatrix(pair.Groups.G, pair.Groups.Numbers, pair.Groups.Letters, matrix);
  EXPECT_EQ(matrix[0][1], 0.7L);
  EXPECT_EQ(matrix[1][0], 0.8L);
  EXPECT_EQ(matrix[0][2], 0.1L);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(matrix[i][i], 0) << i;
}

TEST_F(UnifacGroupsTest, SetUpStartsFromTheLiteratureAndAsksTheVariant) {
  GroupTable[0][4] = 5;
  SubgroupTable[1][5][0][0] = 5;
  dialog_.AnswerAlternative(1);
  SetUpUnifac();
  EXPECT_EQ(UnifacVariant, 2);
  EXPECT_EQ(GroupTable, LiteratureGroupTable);
  EXPECT_EQ(SubgroupTable[1][5][0][0], 0);

  const AlternativesRequest& question = dialog_.AlternativeRequests.at(0);
  EXPECT_EQ(question.Caption, "The definition of the parameter");
  EXPECT_EQ(question.GroupCaption, std::optional<std::string>(""));
  EXPECT_EQ(question.Prompt, kUnifacVariantPrompt.En);
  EXPECT_EQ(question.Alternatives, (std::vector<std::string>{" variant 1;", " variant 2"}));
  EXPECT_EQ(question.Columns, 1);
}

TEST_F(UnifacGroupsTest, SourceQuestionInRussian) {
  Lang = 2;
  dialog_.AnswerAlternative(1);
  EXPECT_FALSE(AskUnifacFitting());
  const AlternativesRequest& question = dialog_.AlternativeRequests.at(0);
  EXPECT_EQ(question.Caption, "Задание параметра");
  EXPECT_EQ(question.Prompt, kUnifacSourcePrompt.Ru);
  EXPECT_EQ(question.Alternatives,
            (std::vector<std::string>{" вариант 1 (рекомендуется)", " вариант 2"}));
}

TEST_F(UnifacGroupsTest, TypedMainGroupParametersAreStoredReducedAndReportedInKelvin) {
  UnifacVariant = 1;
  UnifacPair pair = MakeUnifacPair(Block({{1, 'A'}}), Block({{2, ' '}}));
  GridAnswer typed;
  typed.GridReals = {{0, 0, 300}, {0, 0, -50}};
  dialog_.AnswerGrid(typed);

  const std::string report = Handle(PairSource::Typed, pair);

  EXPECT_EQ(GroupTable[0][1], 300 / kKelvin);
  EXPECT_EQ(GroupTable[1][0], -50 / kKelvin);
  EXPECT_EQ(report, "  a0[1,2]= 300.000  degr.K;  a0[2,1]= -50.000  degr.K;");
  EXPECT_EQ(pair.Matrix[0][1], 300 / kKelvin);
  EXPECT_EQ(pair.Matrix[1][0], -50 / kKelvin);

  const GridRequest& grid = dialog_.GridRequests.at(0);
  EXPECT_EQ(grid.ColCount, 2);
  EXPECT_EQ(grid.Caption, "Input of power parameters for method UNIFAC");
  EXPECT_EQ(grid.CellTexts,
            (std::vector<std::vector<std::string>>{{"    a[1,2]", "    degr.K;", ""},
                                                   {"    a[2,1]", "    degr.K;", ""}}));
  EXPECT_EQ(grid.IntColumn, (std::vector<bool>{false, false}));
  EXPECT_EQ(grid.Prompt,
            "Number of power parameters of interaction of groups 2\r\n"
            "Enter   a[1,2]  degr.K;  a[2,1]  degr.K;");
}

TEST_F(UnifacGroupsTest, TypedSubgroupParametersAreLabelledWithTheirLetters) {
  Lang = 2;
  UnifacVariant = 2;
  UnifacPair pair = MakeUnifacPair(ComponentBase[0].Groups, ComponentBase[1].Groups);
  dialog_.AnswerGrid(GridAnswer{});  // closed: nothing parsed, zeros stored
  SubgroupTable[1][5][0][0] = 7;

  const std::string report = Handle(PairSource::Typed, pair);

  EXPECT_EQ(SubgroupTable[1][5][0][0], 0);
  const GridRequest& grid = dialog_.GridRequests.at(0);
  EXPECT_EQ(grid.ColCount, 6);
  EXPECT_EQ(grid.Caption, "Ввод энергетических параметров для метода UNIFAC");
  EXPECT_EQ(grid.CellTexts[1][0], "    a[1A,6 ]");
  EXPECT_EQ(grid.CellTexts[1][1], "    град.K;");
  EXPECT_EQ(grid.Prompt.substr(0, grid.Prompt.find("\r\n")),
            "Число энергетических параметров взаимодействия групп 6");
  EXPECT_EQ(report,
            "  a[1A,5A]=   0.000  град.K;  a[1A,6 ]=   0.000  град.K;"
            "  a[5A,1A]=   0.000  град.K;  a[5A,6 ]=   0.000  град.K;"
            "  a[6 ,1A]=   0.000  град.K;  a[6 ,5A]=   0.000  град.K;");
}

TEST_F(UnifacGroupsTest, LiteratureValuesGiveNoInteractionWithinAMainGroup) {
  UnifacVariant = 2;
  UnifacPair pair = SharedMainGroupPair();
  const std::string report = Handle(PairSource::Literature, pair);

  EXPECT_EQ(text_.Lines(),
            (std::vector<std::string>{"Power parameters are taken from references"}));
  EXPECT_EQ(pair.Matrix[0][1], 0);
  EXPECT_EQ(pair.Matrix[1][0], 0);
  EXPECT_EQ(pair.Matrix[0][2], Literature(1, 5));
  EXPECT_EQ(pair.Matrix[2][1], Literature(5, 1));
  EXPECT_EQ(report,
            "  a[1A,1B]=   0.000  degr.K;  a[1A,5A]= 931.200  degr.K;"
            "  a[1B,1A]=   0.000  degr.K;  a[1B,5A]= 931.200  degr.K;"
            "  a[5A,1A]= 169.700  degr.K;  a[5A,1B]= 169.700  degr.K;");
}

TEST_F(UnifacGroupsTest, MoreParametersThanTheGridHoldsAreRefused) {
  UnifacVariant = 2;  // six subgroups: 30 parameters
  UnifacPair pair =
      MakeUnifacPair(Block({{1, 'A'}, {1, 'B'}, {5, 'A'}}), Block({{5, 'B'}, {6, ' '}, {10, ' '}}));
  EXPECT_THROW(Handle(PairSource::Typed, pair), std::length_error);
  EXPECT_TRUE(dialog_.GridRequests.empty());
}

TEST_F(UnifacGroupsTest, MainGroupsOutsideTheTablesAreRefused) {
  for (const std::uint8_t number : {0, 19, 40}) {
    EXPECT_THROW(MakeUnifacPair(Block({{1, 'A'}}), Block({{number, ' '}})), std::out_of_range)
        << int{number};
  }
  EXPECT_NO_THROW(MakeUnifacPair(Block({{1, 'A'}}), Block({{18, ' '}})));
}

TEST_F(UnifacGroupsTest, CompletionFillsTheMixtureAndEachComponentsOwnMatrix) {
  UnifacVariant = 1;
  std::array<GroupBlock, kMaxComponents> blocks{ComponentBase[0].Groups, ComponentBase[1].Groups};
  TVLEParams params;
  CompleteUnifac(2, blocks, params);

  // The mixture of comp.1 (1A, 5A) and comp.2 (6): main groups 1, 5 and 6
  // with the literature values between them.
  ASSERT_EQ(params.G, 3);
  EXPECT_EQ(params.Numbers[0], 1);
  EXPECT_EQ(params.Numbers[1], 5);
  EXPECT_EQ(params.Numbers[2], 6);
  const struct {
    int m, n;
    Real kelvin;
  } expected[] = {{0, 1, 931.2L},   {1, 0, 169.7L},  {0, 2, 634.235L},
                  {2, 0, -48.251L}, {1, 2, -320.8L}, {2, 1, 287.5L}};
  for (const auto& e : expected) {
    EXPECT_NEAR(params.GroupA[e.m][e.n], e.kelvin / kKelvin, 1e-15L) << e.m << "," << e.n;
  }
  for (int m = 0; m < 3; ++m) EXPECT_EQ(params.GroupA[m][m], 0);
  EXPECT_EQ(params.Q[2], 1.4L);
  EXPECT_EQ(params.R[1], 1.2044L);

  // comp.1 gets the 1-5 parameters in its own matrix; comp.2, a single
  // group, a matrix whose only element is 0.
  EXPECT_EQ(params.CompGroups[0].A[0][1], Literature(1, 5));
  EXPECT_EQ(params.CompGroups[0].A[1][0], Literature(5, 1));
  EXPECT_EQ(params.CompGroups[1].A[0][0], 0);
  EXPECT_EQ(params.CompGroups[1].Numbers[0], 6);
}

}  // namespace
}  // namespace vexilor
