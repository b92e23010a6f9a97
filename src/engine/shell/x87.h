// Codec of the 10-byte little-endian x87 extended format used in files.
#pragma once

#include <cstdint>
#include <span>

#include "engine/shell/real.h"

namespace vexilor {

inline constexpr std::size_t kExtendedSize = 10;

//! Writes value as 10 bytes: 64-bit significand with explicit integer bit
//! (bytes 0..7), then sign and 15-bit biased exponent (bytes 8..9).
void EncodeExtended(Real value, std::span<std::uint8_t, kExtendedSize> out);

//! Reads 10 bytes written by EncodeExtended (or any x87 extended value,
//! infinities and NaNs included). Exact for every finite value.
Real DecodeExtended(std::span<const std::uint8_t, kExtendedSize> in);

}  // namespace vexilor
