#include "engine/estimation/unifac_groups.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/estimation/fitting.h"
#include "engine/estimation/parameter_grid.h"
#include "engine/shell/format.h"
#include "engine/shell/results_text.h"

namespace vexilor {

std::uint8_t UnifacVariant = 1;
GroupParameterTable GroupTable{};
SubgroupParameterTable SubgroupTable{};

namespace {

// Group parameters are kept in K / 273.15.
constexpr Real kKelvinScale = 273.15L;

constexpr TextPair kQuestionCaption{"The definition of the parameter", "Задание параметра"};
constexpr TextPair kLiteratureLine{"Power parameters are taken from references",
                                   "Энергетические параметры взяты из литературных источников"};
constexpr TextPair kGridCaption{"Input of power parameters for method UNIFAC",
                                "Ввод энергетических параметров для метода UNIFAC"};
constexpr TextPair kParameterCountText{"Number of power parameters of interaction of groups ",
                                       "Число энергетических параметров взаимодействия групп "};

std::vector<std::string> AlternativesByLang(std::vector<std::string> english,
                                            std::vector<std::string> russian) {
  return Lang == 1 ? english : russian;
}

// Both UNIFAC questions share the caption and an empty group caption.
int AskUnifacQuestion(const TextPair& prompt, std::vector<std::string> alternatives) {
  AlternativesRequest request;
  request.Caption = kQuestionCaption.Get();
  request.GroupCaption = "";
  request.Prompt = prompt.Get();
  request.Alternatives = std::move(alternatives);
  return Dialog().ChooseAlternative(request);
}

Real& MainGroupEntry(int first, int second) {
  return GroupTable[static_cast<std::size_t>(first - 1)][static_cast<std::size_t>(second - 1)];
}

Real& SubgroupEntry(int first, char firstLetter, int second, char secondLetter) {
  return SubgroupTable[static_cast<std::size_t>(first)][static_cast<std::size_t>(second)]
                      [LetterSlot(firstLetter)][LetterSlot(secondLetter)];
}

// A subgroup letter as text; a letter byte of 0 shows as nothing.
std::string LetterText(char letter) {
  return letter == '\0' ? std::string() : std::string(1, letter);
}

// " a[1,5]" (variant 1) or " a[1A,5A]" (variant 2), the first field
// right-aligned in four characters.
std::string ParameterLabel(const MixtureGroups& list, int l, int n) {
  const int first = InteractingMainGroup(list, l);
  const int second = InteractingMainGroup(list, n);
  if (UnifacVariant == 1) return Format("%4s%d%s%d%s", " a[", first, ",", second, "]");
  return Format("%4s%d%s%s%d%s%s", " a[", first, LetterText(InteractingLetter(list, l)).c_str(),
                ",", second, LetterText(InteractingLetter(list, n)).c_str(), "]");
}

void StoreLiteratureValues(const MixtureGroups& list) {
  ForEachGroupParameter(list, [&](int l, int n, int) {
    const int first = InteractingMainGroup(list, l);
    const int second = InteractingMainGroup(list, n);
    // Subgroups of one main group do not interact in the literature table.
    const Real value = first == second ? Real{0}
                                       : LiteratureGroupTable[static_cast<std::size_t>(first - 1)]
                                                             [static_cast<std::size_t>(second - 1)];
    StoreGroupParameter(list, l, n, value);
  });
}

void StoreTypedValues(const MixtureGroups& list, GridRequest& grid) {
  const int count = GroupParameterCount(list);
  if (count > kGridCapacity) {
    throw std::length_error(Format("%d UNIFAC group parameters cannot be typed: the grid holds %d",
                                   count, kGridCapacity));
  }
  const std::string unit(kKelvinUnit.Get());
  std::string prompt = std::string(kParameterCountText.Get()) + std::to_string(count) + "\r\n" +
                       std::string(kEntryWord.Get());
  ForEachGroupParameter(list, [&](int l, int n, int) {
    const std::string label = ParameterLabel(list, l, n);
    AddParameterColumn(grid, "  " + label, "  " + unit);
    prompt += label + unit;
  });
  grid.Caption = kGridCaption.Get();
  grid.Prompt = prompt;
  const GridAnswer answer = Dialog().EnterNumberGrid(grid);
  ForEachGroupParameter(list, [&](int l, int n, int column) {
    StoreGroupParameter(list, l, n, TypedValue(answer, column) / kKelvinScale);
  });
}

// "  a0[1,5]= 931.200  degr.K;..." (variant 1, from the main-group table) or
// "  a[1A,5A]= ...", from the pair's matrix (variant 2), on one line.
std::string GroupReport(const UnifacPair& pair) {
  const MixtureGroups& list = pair.Groups;
  const std::string unit(kKelvinUnit.Get());
  std::string report;
  ForEachGroupParameter(list, [&](int l, int n, int) {
    const int first = InteractingMainGroup(list, l);
    const int second = InteractingMainGroup(list, n);
    if (UnifacVariant == 1) {
      report += Format("  a0[%d,%d]= %7.3Lf", first, second,
                       MainGroupEntry(first, second) * kKelvinScale);
    } else {
      report += Format(
          "  a[%d%s,%d%s]= %7.3Lf", first, LetterText(InteractingLetter(list, l)).c_str(), second,
          LetterText(InteractingLetter(list, n)).c_str(),
          pair.Matrix[static_cast<std::size_t>(l)][static_cast<std::size_t>(n)] * kKelvinScale);
    }
    report += unit;
  });
  return report;
}

}  // namespace

std::size_t LetterSlot(char letter) {
  switch (letter) {
    case 'A':
      return 0;
    case 'B':
      return 1;
    case 'C':
      return 2;
    default:
      return 3;
  }
}

int InteractingGroupCount(const MixtureGroups& list) {
  return UnifacVariant == 1 ? list.MainGroupCount : list.G;
}

int InteractingMainGroup(const MixtureGroups& list, int l) {
  const auto index = static_cast<std::size_t>(l);
  return UnifacVariant == 1 ? list.MainGroups[index] : list.Numbers[index];
}

char InteractingLetter(const MixtureGroups& list, int l) {
  return UnifacVariant == 1 ? ' ' : list.Letters[static_cast<std::size_t>(l)];
}

int GroupParameterCount(const MixtureGroups& list) {
  const int m = InteractingGroupCount(list);
  return m * (m - 1);
}

void CheckMainGroups(int count, std::span<const std::uint8_t> numbers) {
  for (int k = 0; k < count; ++k) {
    const int number = numbers[static_cast<std::size_t>(k)];
    if (number < kLowestMainGroup || number > kHighestMainGroup) {
      throw std::out_of_range(
          Format("UNIFAC main group %d lies outside %d..%d, the main groups "
                 "the parameter tables hold",
                 number, kLowestMainGroup, kHighestMainGroup));
    }
  }
}

void StoreGroupParameter(const MixtureGroups& list, int l, int n, Real value) {
  if (l == n) return;
  const int first = InteractingMainGroup(list, l);
  const int second = InteractingMainGroup(list, n);
  if (UnifacVariant == 1) {
    MainGroupEntry(first, second) = value;
  } else {
    SubgroupEntry(first, InteractingLetter(list, l), second, InteractingLetter(list, n)) = value;
  }
}

void FillGroupMatrix(int count, std::span<const std::uint8_t> numbers,
                     std::span<const char> letters, GroupMatrix& matrix) {
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    for (std::size_t j = 0; j < static_cast<std::size_t>(count); ++j) {
      if (UnifacVariant == 1) {
        matrix[i][j] = numbers[i] == numbers[j] ? Real{0} : MainGroupEntry(numbers[i], numbers[j]);
      } else {
        matrix[i][j] =
            i == j ? Real{0} : SubgroupEntry(numbers[i], letters[i], numbers[j], letters[j]);
      }
    }
  }
}

void FillOwnGroupMatrix(GroupBlock& block) {
  FillGroupMatrix(std::min<int>(block.G, kMaxGroups), block.Numbers, block.Letters, block.A);
}

void SetUpUnifac() {
  GroupTable = LiteratureGroupTable;
  for (auto& first : SubgroupTable) {
    for (auto& second : first) {
      for (auto& letters : second) letters.fill(0);
    }
  }
  const int choice = AskUnifacQuestion(
      kUnifacVariantPrompt,
      AlternativesByLang({" variant 1;", " variant 2"}, {" вариант 1;", " вариант 2"}));
  UnifacVariant = choice == 0 ? 1 : 2;
}

bool AskUnifacFitting() {
  return AskUnifacQuestion(kUnifacSourcePrompt,
                           AlternativesByLang({" variant 1 (is recommended)", " variant 2"},
                                              {" вариант 1 (рекомендуется)", " вариант 2"})) == 0;
}

UnifacPair MakeUnifacPair(const GroupBlock& first, const GroupBlock& second) {
  UnifacPair pair;
  pair.Blocks = {first, second};
  pair.Groups = MergeGroups(2, pair.Blocks);
  CheckMainGroups(pair.Groups.G, pair.Groups.Numbers);
  return pair;
}

std::string HandleUnifacPair(PairSource source, UnifacPair& pair, PairFit& fit, GridRequest& grid,
                             ResultsText& text) {
  const MixtureGroups& list = pair.Groups;
  switch (source) {
    case PairSource::Fit:
      fit.Unifac = &pair;
      // The objective stores every trial vector in the tables; the last
      // evaluation is made at the fitted point, so they end holding it.
      FitPair(FitModel::Unifac, fit);
      break;
    case PairSource::Literature:
      text.Append(kLiteratureLine.Get());
      StoreLiteratureValues(list);
      FillGroupMatrix(list.G, list.Numbers, list.Letters, pair.Matrix);
      break;
    case PairSource::Typed:
      StoreTypedValues(list, grid);
      FillGroupMatrix(list.G, list.Numbers, list.Letters, pair.Matrix);
      break;
  }
  return GroupReport(pair);
}

void CompleteUnifac(int NComp, std::array<GroupBlock, kMaxComponents>& blocks, TVLEParams& params) {
  const MixtureGroups mixture = MergeGroups(NComp, blocks);
  CheckMainGroups(mixture.G, mixture.Numbers);
  FillGroupMatrix(mixture.G, mixture.Numbers, mixture.Letters, params.GroupA);
  for (int i = 0; i < NComp; ++i) FillOwnGroupMatrix(blocks[static_cast<std::size_t>(i)]);
  params.G = mixture.G;
  params.Numbers = mixture.Numbers;
  params.Letters = mixture.Letters;
  params.Q = mixture.Q;
  params.R = mixture.R;
  params.CompGroups = blocks;
}

}  // namespace vexilor
