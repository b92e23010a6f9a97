#include "engine/thermo/equilibrium_data.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/vle_params.h"

namespace vexilor {

std::vector<MIX> EquilBase;
EquilWorkArrays EquilWork;
std::array<std::array<Real, kLiteratureMainGroups>, kLiteratureMainGroups> LiteratureGroupTable{};

namespace {

constexpr Real kZeroCelsius = 273.15L;

std::string ComponentName(std::uint16_t index) {
  const Pro& record = ComponentBase.at(index);
  return Lang == 1 ? record.NameEn : record.NameRu;
}

// Removes later duplicates of every entry in place, keeping the first
// occurrence where it stands. After a removal the entries behind move up by
// one and the comparison continues with the entry that moved into the gap.
template <typename Same, typename Remove>
void RemoveLaterDuplicates(int& count, Same same, Remove remove) {
  for (int i = 0; i < count; ++i) {
    int j = i + 1;
    while (j < count) {
      if (same(i, j)) {
        remove(j, count);
        --count;
      } else {
        ++j;
      }
    }
  }
}

}  // namespace

void SelectEquil(std::uint16_t i, std::uint16_t j) {
  const Equil& pair = EquilBase.at(i).Row.at(j);
  if (pair.NPts > kMaxEquilPoints) {
    const std::string pairName = ComponentName(i) + " - " + ComponentName(j);
    const std::string count = std::to_string(pair.NPts);
    const std::string limit = std::to_string(kMaxEquilPoints);
    EndProgram(MessageKind::Error, ButtonSet::Ok,
               Lang == 1 ? "Equilibrium data of the pair " + pairName + " hold " + count +
                               " points, no more than " + limit + " can be used"
                         : "Равновесные данные пары " + pairName + " содержат " + count +
                               " точек, допустимо не более " + limit);
  }
  if (pair.X.size() < pair.NPts || pair.Y.size() < pair.NPts || pair.T.size() < pair.NPts)
    throw std::logic_error("equilibrium pair holds fewer points than NPts");
  EquilWork.NPts = pair.NPts;
  EquilWork.P = pair.P;
  EquilWork.WilsonInit = pair.WilsonInit;
  EquilWork.UniquacInit = pair.UniquacInit;
  EquilWork.NrtlInit = pair.NrtlInit;
  for (std::size_t k = 0; k < pair.NPts; ++k) {
    EquilWork.Tau[k] = pair.T[k] / kZeroCelsius + 1;
    EquilWork.X[k] = pair.X[k];
    EquilWork.Y[k] = pair.Y[k];
  }
}

MixtureGroups MergeGroups(int n, std::span<const GroupBlock> blocks) {
  struct Entry {
    std::uint8_t Number;
    char Letter;
    Real Q;
    Real R;
  };
  // All groups of up to four components before the duplicates go.
  std::array<Entry, kMaxComponents * kMaxGroups> entries{};
  int count = 0;
  const int components = std::clamp<int>(n, 0, std::min<int>(blocks.size(), kMaxComponents));
  for (int c = 0; c < components; ++c) {
    const GroupBlock& block = blocks[c];
    const int groups = std::min<int>(block.G, kMaxGroups);
    for (int k = 0; k < groups; ++k)
      entries[count++] = {block.Numbers[k], block.Letters[k], block.Q[k], block.R[k]};
  }

  RemoveLaterDuplicates(
      count,
      [&](int a, int b) {
        return entries[a].Number == entries[b].Number && entries[a].Letter == entries[b].Letter;
      },
      [&](int at, int size) {
        std::copy(entries.begin() + at + 1, entries.begin() + size, entries.begin() + at);
      });
  if (count > kMaxGroups)
    throw std::length_error("the mixture has " + std::to_string(count) +
                            " UNIFAC groups, more than " + std::to_string(kMaxGroups));

  MixtureGroups merged;
  merged.G = static_cast<std::uint8_t>(count);
  for (int k = 0; k < count; ++k) {
    merged.Numbers[k] = entries[k].Number;
    merged.Letters[k] = entries[k].Letter;
    merged.Q[k] = entries[k].Q;
    merged.R[k] = entries[k].R;
  }

  int mainCount = count;
  merged.MainGroups = merged.Numbers;
  RemoveLaterDuplicates(
      mainCount, [&](int a, int b) { return merged.MainGroups[a] == merged.MainGroups[b]; },
      [&](int at, int size) {
        std::copy(merged.MainGroups.begin() + at + 1, merged.MainGroups.begin() + size,
                  merged.MainGroups.begin() + at);
      });
  std::fill(merged.MainGroups.begin() + mainCount, merged.MainGroups.end(), std::uint8_t{0});
  merged.MainGroupCount = static_cast<std::uint8_t>(mainCount);
  return merged;
}

}  // namespace vexilor
