// The experimental-data availability rule, exported by libquorvel.so.
#pragma once

#include <cstdint>

#if defined(QUORVEL_BUILDING)
#define QUORVEL_EXPORT __attribute__((visibility("default")))
#else
#define QUORVEL_EXPORT
#endif

extern "C" {

//! Tells whether experimental equilibrium data are absent for the ordered
//! pair of components (a, b), both indexes into the component database.
//! Each argument is a 32-bit slot of which only the low 16 bits count.
//! Writes 1 to *absent when the pair has no data, 0 otherwise.
QUORVEL_EXPORT void Baseloop(std::uint32_t a, std::uint32_t b, std::uint8_t* absent);
}
