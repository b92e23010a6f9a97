// UNIFAC group interaction parameters of the estimation: the tables the
// parameters of one UNIFAC estimation are kept in, the two UNIFAC
// questions, the handling of one component pair and the filling of the
// mixture's group data into the parameter set.
//
// Two variants exist. In variant 1 groups interact by main group only (the
// layout of the literature table); in variant 2 every subgroup (main-group
// number plus letter) has parameters of its own. Parameters are reduced:
// a in K divided by 273.15.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "engine/shell/lang.h"
#include "engine/shell/real.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"
#include "engine/thermo/vle_models.h"
#include "engine/thermo/vle_params.h"

namespace vexilor {

class ResultsText;
struct PairFit;

//! Rows and columns of the group tables: main groups 1..19 in GroupTable,
//! main-group numbers 0..18 used directly in SubgroupTable.
inline constexpr std::size_t kGroupTableSize = kLiteratureMainGroups;
//! Subgroup letters told apart by SubgroupTable: A, B, C and any other.
inline constexpr std::size_t kLetterSlots = 4;
//! Main-group numbers the tables can hold for both variants.
inline constexpr int kLowestMainGroup = 1;
inline constexpr int kHighestMainGroup = 18;

using GroupParameterTable = std::array<std::array<Real, kGroupTableSize>, kGroupTableSize>;
using SubgroupParameterTable = std::array<
    std::array<std::array<std::array<Real, kLetterSlots>, kLetterSlots>, kGroupTableSize>,
    kGroupTableSize>;

//! 1: main groups interact; 2: subgroups interact. Chosen once per UNIFAC
//! estimation.
extern std::uint8_t UnifacVariant;
//! Reduced main-group parameters a(g, h) at row g - 1, column h - 1; a fresh
//! copy of the literature table at every UNIFAC set-up.
extern GroupParameterTable GroupTable;
//! Reduced subgroup parameters [main g][main h][letter of g][letter of h],
//! main-group numbers used directly; cleared at every UNIFAC set-up.
extern SubgroupParameterTable SubgroupTable;

//! Slot of a subgroup letter in SubgroupTable: 'A' 0, 'B' 1, 'C' 2, other 3.
std::size_t LetterSlot(char letter);

//! Unit text of the UNIFAC parameters ("  degr.K;").
inline constexpr TextPair kKelvinUnit{"  degr.K;", "  град.K;"};

//! Prompts of the two UNIFAC questions; front ends that answer them by a
//! policy recognise them by these texts.
inline constexpr TextPair kUnifacVariantPrompt{
    "Select variant of calculation by UNIFAC method:\r\n"
    "1 - without taking into account interactions\r\n"
    "    between subgroups (on Tervanik);\r\n"
    "2 - in view of interactions between subgroups.",
    "Выберите вариант расчета по методу UNIFAC:\r\n"
    "1 - без учета взаимодействий между подгруппами\r\n"
    "    (по Терванику);\r\n"
    "2 - с учетом взаимодействий между подгруппами."};
inline constexpr TextPair kUnifacSourcePrompt{
    "Wish to calculate coefficients of group\r\n"
    "interaction on experimental datas, available\r\n"
    "in the database (variant 1), or to take advantage\r\n"
    "of their values taken from the help literature (variant 2)?",
    "Желаете рассчитать коэффициенты группового\r\n"
    "взаимодействия по экспериментальным данным,\r\n"
    "имеющимся в базе (вариант 1), или воспользоваться\r\n"
    "их значениями, взятыми из справочной литературы (вариант 2)?"};

//! The groups that carry parameters in a group list: its distinct main
//! groups (variant 1) or its subgroups (variant 2).
int InteractingGroupCount(const MixtureGroups& list);
//! Main-group number of interacting group l of the list.
int InteractingMainGroup(const MixtureGroups& list, int l);
//! Subgroup letter of interacting group l (variant 2; blank in variant 1).
char InteractingLetter(const MixtureGroups& list, int l);
//! m (m - 1) parameters for m interacting groups: one per ordered pair of
//! different groups, in parameter order (l outer, n inner, n != l).
int GroupParameterCount(const MixtureGroups& list);

//! Calls visit(l, n, position) for every parameter of the list in
//! parameter order, position counting from 0.
template <typename Visit>
void ForEachGroupParameter(const MixtureGroups& list, Visit visit) {
  const int m = InteractingGroupCount(list);
  int position = 0;
  for (int l = 0; l < m; ++l) {
    for (int n = 0; n < m; ++n) {
      if (l != n) visit(l, n, position++);
    }
  }
}

//! Throws std::out_of_range naming the group when a main-group number of
//! the list lies outside what the tables hold (1..18).
void CheckMainGroups(int count, std::span<const std::uint8_t> numbers);

//! Stores the reduced parameter a(l, n) of interacting groups l and n of
//! the list: in GroupTable (variant 1) or SubgroupTable (variant 2).
//! Nothing happens when l = n.
void StoreGroupParameter(const MixtureGroups& list, int l, int n, Real value);

//! The interaction matrix of count subgroups: [i][j] is 0 for the same main
//! group (variant 1) or the same subgroup (variant 2), otherwise the table
//! entry of the two groups. Entries beyond count stay as they were.
void FillGroupMatrix(int count, std::span<const std::uint8_t> numbers,
                     std::span<const char> letters, GroupMatrix& matrix);
//! FillGroupMatrix over a component's own groups, into its own matrix.
void FillOwnGroupMatrix(GroupBlock& block);

//! UNIFAC set-up: a fresh copy of the literature table, a cleared subgroup
//! table, and the variant question.
void SetUpUnifac();

//! Variant 1 only: asks whether to fit the group parameters to the
//! measurements (true) or to keep the literature values (false).
bool AskUnifacFitting();

//! How the parameters of a component pair are obtained.
enum class PairSource { Fit, Typed, Literature };

//! The groups of the current component pair under UNIFAC.
struct UnifacPair {
  MixtureGroups Groups;              //!< merged groups of the two components
  std::array<GroupBlock, 2> Blocks;  //!< the two components' group blocks
  GroupMatrix Matrix{};              //!< the pair's subgroup interaction matrix
};

//! Builds the pair's group list from the two components' blocks.
UnifacPair MakeUnifacPair(const GroupBlock& first, const GroupBlock& second);

//! Obtains the group parameters of one component pair and returns its
//! parameter report line. Fit: fit has the pair's points prepared. Typed:
//! asks the grid (grid has the creation fields set). Literature: writes
//! its line into text first.
std::string HandleUnifacPair(PairSource source, UnifacPair& pair, PairFit& fit, GridRequest& grid,
                             ResultsText& text);

//! Fills the mixture's group data into params: G, numbers, letters, Q, R,
//! the a_mn matrix, and the component blocks, each with its own matrix.
void CompleteUnifac(int NComp, std::array<GroupBlock, kMaxComponents>& blocks, TVLEParams& params);

}  // namespace vexilor
