// The inputs the fuzzers found, kept in fuzz/corpus/<target>/, run through
// the same entries in the normal build: an input that once crashed or broke
// a promise of the code stays a test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <vector>

#include "fuzz/fuzz_entries.h"

namespace vexilor::fuzz {
namespace {

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

void PrintTo(const Target& target, std::ostream* os) {
  *os << target.Name;
}

namespace {

class CorpusTest : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusTest, EveryKeptInputRunsThroughItsEntry) {
  const std::filesystem::path folder =
      std::filesystem::path(VEXILOR_FUZZ_CORPUS_DIR) / std::string(GetParam().Name);
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int inputs = 0;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    if (!item.is_regular_file()) continue;
    SCOPED_TRACE(item.path().filename().string());
    const std::vector<std::uint8_t> bytes = FileBytes(item.path());
    EXPECT_EQ(GetParam().Run(bytes.data(), bytes.size()), 0);
    ++inputs;
  }
  EXPECT_GT(inputs, 0) << "no kept inputs in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusTest,
                         ::testing::ValuesIn(Targets().begin(), Targets().end()),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vexilor::fuzz
