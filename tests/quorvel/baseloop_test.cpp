#include "quorvel.h"

#include <gtest/gtest.h>

namespace {

struct PairCase {
  std::uint32_t a;
  std::uint32_t b;
  std::uint8_t absent;
};

class BaseloopTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(BaseloopTest, WritesTheAvailabilityOfThePair) {
  const auto& pair = GetParam();
  std::uint8_t absent = 0xEE;
  Baseloop(pair.a, pair.b, &absent);
  EXPECT_EQ(absent, pair.absent);
}

INSTANTIATE_TEST_SUITE_P(Pairs, BaseloopTest,
                         ::testing::Values(PairCase{3, 4, 1}, PairCase{3, 5, 1}, PairCase{3, 3, 0},
                                           PairCase{3, 6, 0}, PairCase{4, 3, 0}, PairCase{5, 3, 0},
                                           PairCase{2, 4, 0}, PairCase{0, 1, 0},
                                           // Only the low 16 bits of each slot count.
                                           PairCase{0xABCD0003, 0x12340004, 1},
                                           PairCase{0xFFFF0003, 0x00010005, 1},
                                           PairCase{0x00030000, 0x00040000, 0}),
    [](const auto& info) {
      return "a" + std::to_string(info.param.a) + "_b" + std::to_string(info.param.b);
    });

TEST(BaseloopTest, NoPairOfTheBuiltInDatabaseLacksData) {
  for (std::uint32_t a = 0; a < 4; ++a) {
    for (std::uint32_t b = 0; b < 4; ++b) {
      std::uint8_t absent = 0xEE;
      Baseloop(a, b, &absent);
      EXPECT_EQ(absent, 0) << a << "," << b;
    }
  }
}

}  // namespace
