// The component database: one Pro record per pure component, the steam
// tables, and the property lookups everything else uses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/shell/real.h"

namespace vexilor {

//! At most 11 UNIFAC groups per component and per mixture.
inline constexpr int kMaxGroups = 11;

//! UNIFAC group composition of a component. Serialised as a fixed
//! 1592-byte block (see EncodeGroupBlock); the VLE data file stores its
//! first 1344 bytes per component.
struct GroupBlock {
  std::uint8_t G = 0;                              //!< number of distinct groups
  std::array<std::uint8_t, kMaxGroups> Numbers{};  //!< main-group number of each group
  std::array<std::uint8_t, kMaxGroups> Nu{};       //!< occurrences in one molecule
  std::array<char, kMaxGroups> Letters{};          //!< subgroup letter ('A', 'B', ' ', ...)
  std::array<Real, kMaxGroups> Q{};                //!< group surface areas
  std::array<Real, kMaxGroups> R{};                //!< group volumes
  std::array<Real, kMaxGroups> X{};                //!< group fractions in the pure component
  //! Pure-component group interaction parameters (reduced), row m, column n.
  std::array<std::array<Real, kMaxGroups>, kMaxGroups> A{};
};

inline constexpr std::size_t kGroupBlockSize = 1592;
inline constexpr std::size_t kGroupBlockFileSize = 1344;

//! Byte layout: 0 G; 1 numbers[11]; 12 nu[11]; 23 letters[11]; 34 reserved[6];
//! 40 Q[11]; 150 R[11]; 260 X[11] (10-byte extended each); 370 reserved[6];
//! 376 A[11][11] at 376 + 110*m + 10*n; 1586 reserved[6]. Reserved bytes are 0.
void EncodeGroupBlock(const GroupBlock& block, std::span<std::uint8_t, kGroupBlockSize> out);
//! Reads the first min(bytes.size(), 1592) bytes of the layout; fields
//! beyond them stay zero.
GroupBlock DecodeGroupBlock(std::span<const std::uint8_t> bytes);

//! One pure component.
struct Pro {
  std::string NameEn;  //!< English name, at most 20 characters
  std::string NameRu;  //!< Russian name, at most 20 characters
  GroupBlock Groups;
  std::uint16_t NPoints = 0;     //!< points of TempPts and of the nine liquid tables
  std::uint16_t NVapPoints = 0;  //!< points of the vapour-pressure table
  char VapForm = 'A';            //!< 'T': vapour pressure from the table, else Antoine
  std::vector<Real> EnthL;       //!< liquid enthalpy, kJ/kg, on TempPts
  std::vector<Real> EnthV;       //!< saturated-vapour enthalpy, kJ/kg, on TempPts
  std::vector<Real> Dens;        //!< liquid density, kg/m3, on TempPts
  std::vector<Real> Visc;        //!< viscosity, Pa*s
  std::vector<Real> SurfTens;    //!< surface tension, N/m
  std::vector<Real> Expan;       //!< volume expansion coefficient, 1/K
  std::vector<Real> HeatCap;     //!< heat capacity, J/(kg*K)
  std::vector<Real> Prandtl;     //!< Prandtl number
  std::vector<Real> Conduct;     //!< thermal conductivity, W/(m*K)
  std::vector<Real> TempPts;     //!< temperatures, deg C, ascending
  std::vector<Real> VapPress;    //!< vapour pressure, mm Hg, on VapTemps
  std::vector<Real> VapTemps;    //!< temperatures, deg C, ascending
  Real AntA = 0;                 //!< Antoine: ln P[mm Hg] = A - B / (T[K] + C)
  Real AntB = 0;
  Real AntC = 0;
  Real MolMass = 0;  //!< kg/kmol
};

//! The component database; the index of a record is its identity in VLE
//! data files and in the equilibrium data.
extern std::vector<Pro> ComponentBase;

inline constexpr std::size_t kSteamPoints = 14;
//! Heating-steam pressure, kgf/cm2, ascending.
extern std::array<Real, kSteamPoints> SteamPressures;
//! Saturated-steam enthalpy on SteamPressures (kJ/kg, or kJ/kmol in molar runs).
extern std::array<Real, kSteamPoints> SteamEnthalpy;
//! Condensate enthalpy on SteamPressures (kJ/kg, or kJ/kmol in molar runs).
extern std::array<Real, kSteamPoints> CondensateEnthalpy;

//! Property names of GetProperty, resolved once ("all", "density",
//! "vap_press", "enthalp_l", "enthalp_v", "enthalp_c", "enthalp_s").
enum class Property { All, Density, VapPress, EnthalpyL, EnthalpyV, EnthalpyC, EnthalpyS };

//! Resolves a property name; an unknown name shows "свойство <name>
//! отсутствует в базе данных" and ends the program.
Property ParseProperty(std::string_view name);

//! The record a component name selects: the last record whose NameEn or
//! NameRu equals the name exactly; a name that matches none selects the
//! first record (the steam tables are reached so, by the name "steam").
const Pro& FindComponent(std::string_view name);
//! Index of the last record matching the name, or -1.
int FindComponentIndex(std::string_view name);

//! Linear interpolation on an ascending table (see the .cpp for the rule
//! at and beyond the table points).
Real Interpolate(std::span<const Real> xs, std::span<const Real> ys, Real x);

//! GetProperty with the property already resolved; t in deg C (kgf/cm2 for
//! the steam tables). Not defined for Property::All.
Real LookupProperty(const Pro& component, Property property, Real t);

//! Property lookup by names. For "all" copies the group block and the
//! Antoine constants and molar mass into the out-arguments (the returned
//! value is then 0 and means nothing); otherwise returns the interpolated
//! table value and leaves them untouched.
Real GetProperty(std::string_view component, std::string_view property, Real t, GroupBlock& groups,
                 Real& A, Real& B, Real& C, Real& M);
//! GetProperty for table properties only.
Real GetProperty(std::string_view component, std::string_view property, Real t);

//! Molar volume MolMass / density(t), m3/kmol; t in deg C.
Real MolarVolume(const Pro& component, Real t);
Real MolarVolume(std::string_view component, Real t);

//! Saturated vapour pressure in Pa at the reduced temperature tau = T/273.15.
Real VapourPressure(const Pro& component, Real tau);
Real VapourPressure(std::string_view component, Real tau);

//! r = sum nu*R and q = sum nu*Q over the block's groups; writes the group
//! fractions X_k = nu_k / sum nu into the block.
void GroupSums(GroupBlock& groups, Real& r, Real& q);

//! Enthalpy basis of the liquid, vapour and steam tables: per kg as loaded
//! (unitsKind 1) or per kmol (unitsKind 2: EnthL and EnthV of each record
//! times its MolMass, the steam tables times the MolMass of record 1).
//! Always derived from the tables as loaded, so repeated calls give the
//! same values.
void ApplyEnthalpyUnits(std::uint8_t unitsKind);

//! Remembers the current tables as "loaded": the reference from which
//! ApplyEnthalpyUnits derives. Called after the database is filled.
void RememberLoadedTables();

}  // namespace vexilor
