// The parameter set of the chosen activity-coefficient model and the data
// of the chosen components that the models read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/shell/real.h"
#include "engine/thermo/component_base.h"

namespace vexilor {

inline constexpr int kMaxComponents = 4;

template <std::size_t Rows, std::size_t Cols>
using RealMatrix = std::array<std::array<Real, Cols>, Rows>;

//! The VLE parameter set. Energy parameters are reduced: divided by
//! R*273.15 K = 2.27107836 kJ/mol (Wilson, NRTL, UNIQUAC) or by 273.15
//! (UNIFAC group parameters in K).
struct TVLEParams {
  char ModelLetter = 'W';  //!< 'W' Wilson, 'N' NRTL, 'Q' UNIQUAC, 'F' UNIFAC
  std::array<std::uint16_t, kMaxComponents> Indexes{};  //!< into ComponentBase
  std::uint8_t N = 0;                                   //!< number of components, 2..4
  std::uint8_t G = 0;                              //!< number of groups of the mixture (UNIFAC)
  std::array<char, kMaxGroups> Letters{};          //!< subgroup letters of the mixture groups
  std::array<std::uint8_t, kMaxGroups> Numbers{};  //!< main-group numbers of the mixture groups
  RealMatrix<kMaxComponents, kMaxComponents> NrtlAlpha{};
  RealMatrix<kMaxComponents, kMaxComponents> NrtlB{};
  RealMatrix<kMaxComponents, kMaxComponents> WilsonA{};
  RealMatrix<kMaxGroups, kMaxGroups> UniquacA{};        //!< only i, j < N used
  std::array<Real, kMaxGroups> Q{};                     //!< Q of the mixture groups
  std::array<Real, kMaxGroups> R{};                     //!< R of the mixture groups
  RealMatrix<kMaxGroups, kMaxGroups> GroupA{};          //!< UNIFAC a_mn of the mixture groups
  std::array<GroupBlock, kMaxComponents> CompGroups{};  //!< group block of each component
};

//! The global parameter set: filled by LoadVLEDataFile or by the estimation.
extern TVLEParams VLEParams;

//! Names of the chosen components in the language of interface.
extern std::array<std::string, kMaxComponents> CompNames;

//! Constants of the chosen components, by position in the mixture: Antoine
//! A, B, C, molar mass M, and the UNIQUAC/UNIFAC sums r and q.
struct ComponentConstants {
  std::array<Real, kMaxComponents> A{};
  std::array<Real, kMaxComponents> B{};
  std::array<Real, kMaxComponents> C{};
  std::array<Real, kMaxComponents> M{};
  std::array<Real, kMaxComponents> r{};
  std::array<Real, kMaxComponents> q{};
};
extern ComponentConstants CompConstants;

//! Name of the model of a model letter: "UNIFAC" (F), "NRTL" (N), "UNIQUAC"
//! (Q), "Wilson" (W); empty for any other letter.
std::string_view ModelNameOf(char letter);

}  // namespace vexilor
