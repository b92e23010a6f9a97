#include "engine/thermo/vle_fixtures.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"

namespace vexilor::testing {

namespace {

// Literature parameter between two groups given by their main-group numbers.
Real LiteratureParameter(std::uint8_t first, std::uint8_t second) {
  return first == second ? 0 : LiteratureGroupTable[first - 1][second - 1];
}

}  // namespace

TVLEParams MakeParams(char letter, const std::vector<std::uint16_t>& indexes) {
  TVLEParams params;
  params.ModelLetter = letter;
  params.N = static_cast<std::uint8_t>(indexes.size());
  for (std::size_t i = 0; i < indexes.size(); ++i) params.Indexes[i] = indexes[i];
  for (int i = 0; i < params.N; ++i) {
    for (int j = 0; j < params.N; ++j) {
      if (i == j) continue;
      params.WilsonA[i][j] = 0.2L + 0.15L * i + 0.07L * j;
      params.NrtlB[i][j] = 0.3L + 0.1L * i - 0.05L * j;
      params.NrtlAlpha[i][j] = 0.3L;
      params.UniquacA[i][j] = 0.1L + 0.05L * (i + 2 * j);
    }
  }
  if (letter != 'F') return params;

  std::vector<GroupBlock> blocks;
  for (const auto index : indexes) blocks.push_back(ComponentBase[index].Groups);
  const MixtureGroups mixture = MergeGroups(params.N, blocks);
  params.G = mixture.G;
  params.Letters = mixture.Letters;
  params.Numbers = mixture.Numbers;
  params.Q = mixture.Q;
  params.R = mixture.R;
  for (int m = 0; m < params.G; ++m) {
    for (int n = 0; n < params.G; ++n) {
      params.GroupA[m][n] = LiteratureParameter(params.Numbers[m], params.Numbers[n]);
    }
  }
  for (int i = 0; i < params.N; ++i) {
    GroupBlock& block = params.CompGroups[i];
    block = blocks[i];
    Real r = 0;
    Real q = 0;
    GroupSums(block, r, q);
    for (int k = 0; k < block.G; ++k) {
      for (int l = 0; l < block.G; ++l) {
        block.A[k][l] = LiteratureParameter(block.Numbers[k], block.Numbers[l]);
      }
    }
  }
  return params;
}

std::array<std::string, kMaxComponents> NamesOf(const TVLEParams& params) {
  std::array<std::string, kMaxComponents> names;
  for (int i = 0; i < params.N; ++i) names[i] = ComponentBase[params.Indexes[i]].NameEn;
  return names;
}

ComponentConstants ConstantsOf(const TVLEParams& params) {
  ComponentConstants constants;
  for (int i = 0; i < params.N; ++i) {
    const Pro& record = ComponentBase[params.Indexes[i]];
    GroupBlock groups = record.Groups;
    GroupSums(groups, constants.r[i], constants.q[i]);
    constants.A[i] = record.AntA;
    constants.B[i] = record.AntB;
    constants.C[i] = record.AntC;
    constants.M[i] = record.MolMass;
  }
  return constants;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("vexilor-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vexilor::testing
