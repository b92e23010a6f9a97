#include "engine/thermo/builtin_data.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/thermo/builtin_tables.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"

namespace vexilor {

namespace {

struct GroupEntry {
  std::uint8_t Number;
  char Letter;
  std::uint8_t Nu;
  Real Q;
  Real R;
};

GroupBlock MakeGroups(std::initializer_list<GroupEntry> groups) {
  GroupBlock block;
  for (const GroupEntry& group : groups) {
    const std::size_t k = block.G++;
    block.Numbers[k] = group.Number;
    block.Letters[k] = group.Letter;
    block.Nu[k] = group.Nu;
    block.Q[k] = group.Q;
    block.R[k] = group.R;
  }
  return block;
}

// Constants of a record; its tables come from the embedded CSV files.
struct RecordConstants {
  const char* NameEn;
  const char* NameRu;
  Real MolMass;
  Real AntA;
  Real AntB;
  Real AntC;
  char VapForm;
};

Pro MakeRecord(const RecordConstants& constants, GroupBlock groups, const EmbeddedTable& properties,
               const EmbeddedTable* vapourPressure) {
  Pro record;
  record.NameEn = constants.NameEn;
  record.NameRu = constants.NameRu;
  record.Groups = groups;
  record.VapForm = constants.VapForm;
  record.MolMass = constants.MolMass;
  record.AntA = constants.AntA;
  record.AntB = constants.AntB;
  record.AntC = constants.AntC;

  record.TempPts = properties.Column("t_C");
  record.EnthL = properties.Column("enth_liquid_kJ_per_kg");
  record.EnthV = properties.Column("enth_vapour_kJ_per_kg");
  record.Dens = properties.Column("density_kg_per_m3");
  record.Visc = properties.Column("viscosity_Pa_s");
  record.SurfTens = properties.Column("surface_tension_N_per_m");
  record.Expan = properties.Column("expansion_1_per_K");
  record.HeatCap = properties.Column("heat_capacity_J_per_kgK");
  record.Prandtl = properties.Column("prandtl");
  record.Conduct = properties.Column("conductivity_W_per_mK");
  record.NPoints = static_cast<std::uint16_t>(record.TempPts.size());

  if (vapourPressure != nullptr) {
    record.VapTemps = vapourPressure->Column("t_C");
    record.VapPress = vapourPressure->Column("p_mmHg");
  }
  record.NVapPoints = static_cast<std::uint16_t>(record.VapTemps.size());
  return record;
}

void LoadComponents() {
  ComponentBase.clear();
  ComponentBase.push_back(
      MakeRecord({"comp.1", "комп.1", 46.069L, 18.9119L, 3803.98L, -41.68L, 'T'},
                 MakeGroups({{1, 'A', 1, 0.848L, 0.9011L}, {5, 'A', 1, 1.124L, 1.2044L}}),
                 builtin::EthanolProperties, &builtin::EthanolVapourPressure));
  ComponentBase.push_back(
      MakeRecord({"comp.2", "комп.2", 18.015L, 18.3036L, 3816.44L, -46.13L, 'T'},
                 MakeGroups({{6, ' ', 1, 1.4L, 0.92L}}), builtin::WaterProperties,
                 &builtin::WaterVapourPressure));
  ComponentBase.push_back(
      MakeRecord({"comp.3", "комп.3", 32.042L, 18.5875L, 3626.55L, -34.29L, 'A'},
                 MakeGroups({{5, 'B', 1, 1.432L, 1.4311L}}), builtin::MethanolProperties, nullptr));
  ComponentBase.push_back(MakeRecord(
      {"comp.4", "комп.4", 88.107L, 16.1516L, 2790.5L, -57.15L, 'A'},
      MakeGroups(
          {{1, 'A', 2, 0.848L, 0.9011L}, {1, 'B', 1, 0.54L, 0.6744L}, {10, ' ', 1, 0.88L, 1.002L}}),
      builtin::EthylAcetateProperties, nullptr));
}

void LoadSteamTables() {
  SteamPressures = {1.0L, 1.2L, 1.4L, 1.6L, 1.8L, 2.0L, 3.0L,
                    4.0L, 5.0L, 6.0L, 7.0L, 8.0L, 9.0L, 10.0L};
  SteamEnthalpy = {2677.0L, 2686.0L, 2693.0L, 2703.0L, 2709.0L, 2710.0L, 2730.0L,
                   2744.0L, 2754.0L, 2768.0L, 2769.0L, 2776.0L, 2780.0L, 2784.0L};
  CondensateEnthalpy = {415.2L, 437.0L, 456.3L, 473.1L, 483.6L, 502.4L, 558.9L,
                        601.1L, 637.7L, 667.9L, 694.3L, 718.4L, 740.0L, 759.6L};
}

// 760 mm Hg at 133.3 Pa per mm Hg.
constexpr Real kAtmosphericPa = 101308.0L;

struct MeasuredPair {
  std::size_t I;
  std::size_t J;
  const EmbeddedTable& Points;
  std::array<Real, 2> WilsonInit;
  std::array<Real, 2> UniquacInit;
  std::array<Real, 3> NrtlInit;
};

Equil MakeEquil(const MeasuredPair& pair) {
  Equil equil;
  equil.X = pair.Points.Column("x1");
  equil.Y = pair.Points.Column("y1");
  equil.T = pair.Points.Column("t_C");
  equil.NPts = static_cast<std::uint16_t>(equil.X.size());
  equil.P = kAtmosphericPa;
  equil.WilsonInit = pair.WilsonInit;
  equil.UniquacInit = pair.UniquacInit;
  equil.NrtlInit = pair.NrtlInit;
  return equil;
}

// The same points seen from the other component of the pair: the mole
// fractions of that component are 1 - X and 1 - Y. No pressure and no
// start values: the fits always take the pair in database order.
Equil Mirror(const Equil& measured) {
  Equil mirror;
  mirror.NPts = measured.NPts;
  mirror.T = measured.T;
  for (const Real x : measured.X) mirror.X.push_back(1 - x);
  for (const Real y : measured.Y) mirror.Y.push_back(1 - y);
  return mirror;
}

void LoadEquilibria() {
  const std::size_t count = ComponentBase.size();
  EquilBase.assign(count, MIX{std::vector<Equil>(count)});
  const MeasuredPair pairs[] = {
      {0, 1, builtin::EthanolWaterEquilibrium, {7.5L, 3.5L}, {0.5L, 0.5L}, {1.5L, 1.5L, 1.0L}},
      {0, 2, builtin::EthanolMethanolEquilibrium, {1.5L, 1.5L}, {1.0L, 1.6L}, {5.5L, 5.5L, 1.0L}},
      {0,
       3,
       builtin::EthanolEthylAcetateEquilibrium,
       {-5.01L, 0.01L},
       {1.1L, 1.1L},
       {1.5L, 1.0L, 1.0L}},
      {1, 2, builtin::WaterMethanolEquilibrium, {1.5L, 0.5L}, {1.1L, 1.1L}, {1.5L, 1.0L, 1.0L}},
      {1, 3, builtin::WaterEthylAcetateEquilibrium, {1.5L, 0.5L}, {1.1L, 1.1L}, {0.7L, 0.5L, 1.5L}},
      {2,
       3,
       builtin::MethanolEthylAcetateEquilibrium,
       {0.5L, 0.5L},
       {0.3L, 0.4L},
       {4.5L, 4.5L, 1.0L}},
  };
  for (const MeasuredPair& pair : pairs) EquilBase[pair.I][pair.J] = MakeEquil(pair);
  // The pairs of methanol and ethyl acetate with the first two components are
  // also kept from their side; (1, 0), (3, 2) and the diagonal stay empty.
  constexpr std::pair<std::size_t, std::size_t> kMirrored[] = {{0, 2}, {1, 2}, {0, 3}, {1, 3}};
  for (const auto& [i, j] : kMirrored) EquilBase[j][i] = Mirror(EquilBase[i][j]);
}

// Literature UNIFAC main-group interaction parameters in K; stored reduced.
void LoadLiteratureGroupTable() {
  struct Entry {
    int M;
    int N;
    Real Kelvin;
  };
  static constexpr Entry kEntries[] = {
      {1, 5, 931.2L},  {1, 6, 634.235L},  {1, 10, 122.691L}, {5, 1, 169.7L},
      {5, 6, -320.8L}, {5, 10, 174.3L},   {6, 1, -48.251L},  {6, 5, 287.5L},
      {6, 10, 6.731L}, {10, 1, 129.103L}, {10, 5, 167.5L},   {10, 6, 532.067L},
  };
  LiteratureGroupTable = {};
  for (const Entry& entry : kEntries)
    LiteratureGroupTable[entry.M - 1][entry.N - 1] = entry.Kelvin / 273.15L;
}

}  // namespace

void LoadBuiltInData() {
  LoadComponents();
  LoadSteamTables();
  LoadEquilibria();
  LoadLiteratureGroupTable();
  RememberLoadedTables();
}

}  // namespace vexilor
