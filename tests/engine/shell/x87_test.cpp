#include "engine/shell/x87.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace vexilor {
namespace {

using Bytes = std::array<std::uint8_t, kExtendedSize>;

Bytes Encode(Real value) {
  Bytes bytes{};
  EncodeExtended(value, bytes);
  return bytes;
}

struct KnownPattern {
  const char* name;
  Real value;
  Bytes bytes;
};

class X87KnownPatternTest : public ::testing::TestWithParam<KnownPattern> {};

TEST_P(X87KnownPatternTest, EncodesAndDecodesTheDocumentedBytes) {
  const auto& pattern = GetParam();
  EXPECT_EQ(Encode(pattern.value), pattern.bytes);
  const Real decoded = DecodeExtended(pattern.bytes);
  EXPECT_EQ(decoded, pattern.value);
  EXPECT_EQ(std::signbit(decoded), std::signbit(pattern.value));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, X87KnownPatternTest,
    ::testing::Values(
        KnownPattern{"one", 1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        KnownPattern{"minus_two_and_a_half", -2.5L, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
        KnownPattern{
            "one_tenth", 0.1L, {0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},
        KnownPattern{"zero", 0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        KnownPattern{"negative_zero", -0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
        KnownPattern{"smallest_denormal",
                     std::numeric_limits<Real>::denorm_min(),
                     {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        KnownPattern{"largest_denormal",
                     std::numeric_limits<Real>::min() - std::numeric_limits<Real>::denorm_min(),
                     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}},
        KnownPattern{"smallest_normal",
                     std::numeric_limits<Real>::min(),
                     {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}},
        KnownPattern{"largest_finite",
                     std::numeric_limits<Real>::max(),
                     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}},
        KnownPattern{"minus_infinity",
                     -std::numeric_limits<Real>::infinity(),
                     {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(X87CodecTest, RoundTripIsExactOverManyMagnitudes) {
  // Values spread over the whole exponent range, with full 64-bit significands.
  Real value = 1.0L / 3.0L;
  for (int i = 0; i < 4000; ++i) {
    const Real probe = (i % 2 ? -value : value);
    EXPECT_EQ(DecodeExtended(Encode(probe)), probe) << i;
    value *= 37.0L / 11.0L;
    if (!std::isfinite(value) || value > 1e4000L) value = 1e-4940L * (i + 1);
  }
}

TEST(X87CodecTest, NanStaysNan) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  EXPECT_TRUE(std::isnan(DecodeExtended(Encode(nan))));
}

}  // namespace
}  // namespace vexilor
