// Experimental vapour-liquid equilibrium data of component pairs, the work
// arrays the fitting reads them from, the group list of a mixture for
// UNIFAC and the literature table of UNIFAC main-group parameters.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/shell/real.h"
#include "engine/thermo/component_base.h"

namespace vexilor {

//! Measured equilibrium of one ordered pair of components i, j.
struct Equil {
  std::uint16_t NPts = 0;  //!< number of points
  std::vector<Real> X;     //!< mole fraction of component i in the liquid
  std::vector<Real> Y;     //!< mole fraction of component i in the vapour
  std::vector<Real> T;     //!< boiling temperature, deg C
  Real P = 0;              //!< pressure of the measurements, Pa
  //! Start values of the fits, reduced like the parameters of VLEParams.
  std::array<Real, 2> WilsonInit{};
  std::array<Real, 2> UniquacInit{};
  std::array<Real, 3> NrtlInit{};  //!< b_ij, b_ji, alpha
};

//! One row of the pair matrix: Row[j] is the pair (i, j).
struct MIX {
  std::vector<Equil> Row;

  Equil& operator[](std::size_t j) { return Row[j]; }
  const Equil& operator[](std::size_t j) const { return Row[j]; }
};

//! EquilBase[i][j]: the pair of components i and j (indexes into
//! ComponentBase). i < j holds measured data; i > j, where present, the same
//! points seen from the other component. A pair without data has NPts 0.
extern std::vector<MIX> EquilBase;

//! Capacity of the fitting's work arrays.
inline constexpr std::size_t kMaxEquilPoints = 60;

//! The pair the fitting works on, as SelectEquil loaded it.
struct EquilWorkArrays {
  Real P = 0;                               //!< pressure of the measurements, Pa
  std::uint16_t NPts = 0;                   //!< points loaded; entries beyond stay as they were
  std::array<Real, kMaxEquilPoints> Tau{};  //!< reduced boiling temperature T/273.15
  std::array<Real, kMaxEquilPoints> X{};    //!< liquid mole fraction of the first component
  std::array<Real, kMaxEquilPoints> Y{};    //!< vapour mole fraction of the first component
  std::array<Real, 2> WilsonInit{};
  std::array<Real, 2> UniquacInit{};
  std::array<Real, 3> NrtlInit{};
};
extern EquilWorkArrays EquilWork;

//! Loads EquilBase[i][j] into EquilWork, with tau_k = T_k/273.15 + 1. A pair
//! with more points than the work arrays hold ends the program with a
//! message naming the pair.
void SelectEquil(std::uint16_t i, std::uint16_t j);

//! The group list of a mixture.
struct MixtureGroups {
  std::uint8_t G = 0;  //!< distinct (number, letter) groups
  std::array<char, kMaxGroups> Letters{};
  std::array<std::uint8_t, kMaxGroups> Numbers{};
  std::array<Real, kMaxGroups> Q{};
  std::array<Real, kMaxGroups> R{};
  std::uint8_t MainGroupCount = 0;                    //!< distinct main-group numbers
  std::array<std::uint8_t, kMaxGroups> MainGroups{};  //!< in order of first occurrence
};

//! Concatenates the groups of the first n blocks (component by component,
//! each in block order) and keeps the first occurrence of every (number,
//! letter); the main-group list keeps the first occurrence of every number.
//! A mixture of more than kMaxGroups distinct groups throws
//! std::length_error.
MixtureGroups MergeGroups(int n, std::span<const GroupBlock> blocks);

//! Main groups of the literature table.
inline constexpr std::size_t kLiteratureMainGroups = 19;
//! Literature UNIFAC main-group interaction parameters, reduced (a_mn in K
//! divided by 273.15); row m-1, column n-1 for main groups m and n.
extern std::array<std::array<Real, kLiteratureMainGroups>, kLiteratureMainGroups>
    LiteratureGroupTable;

}  // namespace vexilor
