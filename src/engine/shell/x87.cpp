#include "engine/shell/x87.h"

#include <cmath>
#include <limits>

namespace vexilor {

namespace {

constexpr int kExponentBias = 16383;
constexpr int kSignificandBits = 64;
constexpr std::uint16_t kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;

// The biased exponent field 0 stands for denormals, whose scale is that of
// the smallest normal exponent (1 − bias).
constexpr int kDenormalScale = 1 - kExponentBias - (kSignificandBits - 1);

void Store(std::uint64_t significand, std::uint16_t signAndExponent,
           std::span<std::uint8_t, kExtendedSize> out) {
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(significand >> (8 * i));
  out[8] = static_cast<std::uint8_t>(signAndExponent);
  out[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
}

}  // namespace

void EncodeExtended(Real value, std::span<std::uint8_t, kExtendedSize> out) {
  const std::uint16_t sign = std::signbit(value) ? 0x8000 : 0;
  if (std::isnan(value)) {
    Store(kIntegerBit | (kIntegerBit >> 1), sign | kMaxExponent, out);  // quiet NaN
    return;
  }
  if (std::isinf(value)) {
    Store(kIntegerBit, sign | kMaxExponent, out);
    return;
  }
  const Real magnitude = std::fabs(value);
  if (magnitude == 0) {
    Store(0, sign, out);
    return;
  }
  // magnitude = fraction * 2^exponent with fraction in [0.5, 1).
  int exponent = 0;
  const Real fraction = std::frexp(magnitude, &exponent);
  int biased = exponent - 1 + kExponentBias;
  std::uint64_t significand = 0;
  if (biased >= 1) {
    // Normal: the 64-bit significand is fraction * 2^64, an exact integer.
    significand = static_cast<std::uint64_t>(std::ldexp(fraction, kSignificandBits));
  } else {
    // Denormal: significand * 2^kDenormalScale equals the magnitude.
    significand = static_cast<std::uint64_t>(std::ldexp(magnitude, -kDenormalScale));
    biased = 0;
  }
  Store(significand, sign | static_cast<std::uint16_t>(biased), out);
}

Real DecodeExtended(std::span<const std::uint8_t, kExtendedSize> in) {
  std::uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | in[i];
  const std::uint16_t signAndExponent = static_cast<std::uint16_t>(in[8] | (in[9] << 8));
  const bool negative = (signAndExponent & 0x8000) != 0;
  const int biased = signAndExponent & kMaxExponent;
  Real magnitude = 0;
  if (biased == kMaxExponent) {
    const bool infinite = (significand << 1) == 0;
    magnitude =
        infinite ? std::numeric_limits<Real>::infinity() : std::numeric_limits<Real>::quiet_NaN();
  } else if (biased == 0) {
    magnitude = std::ldexp(static_cast<Real>(significand), kDenormalScale);
  } else {
    // An unnormal (integer bit clear) is read by the same formula.
    magnitude =
        std::ldexp(static_cast<Real>(significand), biased - kExponentBias - (kSignificandBits - 1));
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace vexilor
