#include "engine/thermo/component_base.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "engine/shell/failures.h"
#include "engine/shell/user_dialog.h"
#include "engine/shell/x87.h"
#include "engine/thermo/table_lookup.h"

namespace vexilor {

std::vector<Pro> ComponentBase;
std::array<Real, kSteamPoints> SteamPressures{};
std::array<Real, kSteamPoints> SteamEnthalpy{};
std::array<Real, kSteamPoints> CondensateEnthalpy{};

namespace {

// Byte offsets of the group block layout.
constexpr std::size_t kNumbersOffset = 1;
constexpr std::size_t kNuOffset = 12;
constexpr std::size_t kLettersOffset = 23;
constexpr std::size_t kQOffset = 40;
constexpr std::size_t kROffset = 150;
constexpr std::size_t kXOffset = 260;
constexpr std::size_t kAOffset = 376;
constexpr std::size_t kRealArraySize = kMaxGroups * kExtendedSize;  // eleven reals
constexpr std::size_t kARowSize = kRealArraySize;

void PutReals(const std::array<Real, kMaxGroups>& values, std::uint8_t* at) {
  for (const Real value : values) {
    EncodeExtended(value, std::span<std::uint8_t, kExtendedSize>(at, kExtendedSize));
    at += kExtendedSize;
  }
}

void GetReals(const std::uint8_t* at, std::array<Real, kMaxGroups>& values) {
  for (Real& value : values) {
    value = DecodeExtended(std::span<const std::uint8_t, kExtendedSize>(at, kExtendedSize));
    at += kExtendedSize;
  }
}

// The length of the longest prefix of `size` bytes that cuts no real of the
// layout in two.
std::size_t WholeFieldsPrefix(std::size_t size) {
  constexpr std::size_t kRealRegions[][2] = {{kQOffset, kXOffset + kRealArraySize},
                                             {kAOffset, kAOffset + kMaxGroups * kARowSize}};
  for (const auto& [begin, end] : kRealRegions)
    if (size > begin && size < end) return begin + (size - begin) / kExtendedSize * kExtendedSize;
  return size;
}

// The per-kg enthalpy tables as loaded, from which ApplyEnthalpyUnits
// derives the per-kmol ones.
struct LoadedEnthalpies {
  std::vector<std::vector<Real>> Liquid;  // per record
  std::vector<std::vector<Real>> Vapour;  // per record
  std::array<Real, kSteamPoints> Steam{};
  std::array<Real, kSteamPoints> Condensate{};
};
LoadedEnthalpies loadedEnthalpies;

}  // namespace

void EncodeGroupBlock(const GroupBlock& block, std::span<std::uint8_t, kGroupBlockSize> out) {
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  std::uint8_t* bytes = out.data();
  bytes[0] = block.G;
  std::copy(block.Numbers.begin(), block.Numbers.end(), bytes + kNumbersOffset);
  std::copy(block.Nu.begin(), block.Nu.end(), bytes + kNuOffset);
  std::transform(block.Letters.begin(), block.Letters.end(), bytes + kLettersOffset,
                 [](char letter) { return static_cast<std::uint8_t>(letter); });
  PutReals(block.Q, bytes + kQOffset);
  PutReals(block.R, bytes + kROffset);
  PutReals(block.X, bytes + kXOffset);
  for (std::size_t m = 0; m < kMaxGroups; ++m)
    PutReals(block.A[m], bytes + kAOffset + kARowSize * m);
}

GroupBlock DecodeGroupBlock(std::span<const std::uint8_t> bytes) {
  // A shorter input (the 1344 bytes a VLE data file keeps) reads as if the
  // missing tail were zero; a real cut by its end is zero too, rather than
  // a stray fragment.
  std::array<std::uint8_t, kGroupBlockSize> full{};
  std::copy_n(bytes.begin(), WholeFieldsPrefix(std::min(bytes.size(), kGroupBlockSize)),
              full.begin());
  const std::uint8_t* in = full.data();
  GroupBlock block;
  block.G = in[0];
  std::copy_n(in + kNumbersOffset, kMaxGroups, block.Numbers.begin());
  std::copy_n(in + kNuOffset, kMaxGroups, block.Nu.begin());
  std::transform(in + kLettersOffset, in + kLettersOffset + kMaxGroups, block.Letters.begin(),
                 [](std::uint8_t letter) { return static_cast<char>(letter); });
  GetReals(in + kQOffset, block.Q);
  GetReals(in + kROffset, block.R);
  GetReals(in + kXOffset, block.X);
  for (std::size_t m = 0; m < kMaxGroups; ++m) GetReals(in + kAOffset + kARowSize * m, block.A[m]);
  return block;
}

Property ParseProperty(std::string_view name) {
  struct NamedProperty {
    std::string_view Name;
    Property Value;
  };
  static constexpr NamedProperty kNames[] = {{"all", Property::All},
                                             {"density", Property::Density},
                                             {"vap_press", Property::VapPress},
                                             {"enthalp_l", Property::EnthalpyL},
                                             {"enthalp_v", Property::EnthalpyV},
                                             {"enthalp_c", Property::EnthalpyC},
                                             {"enthalp_s", Property::EnthalpyS}};
  for (const auto& entry : kNames)
    if (entry.Name == name) return entry.Value;
  // The database message exists in Russian only; it is shown so in both
  // languages of interface.
  EndProgram(MessageKind::Warning, ButtonSet::Ok,
             "свойство " + std::string(name) + " отсутствует в базе данных");
}

int FindComponentIndex(std::string_view name) {
  int found = -1;
  for (std::size_t i = 0; i < ComponentBase.size(); ++i) {
    const Pro& record = ComponentBase[i];
    if (record.NameEn == name || record.NameRu == name) found = static_cast<int>(i);
  }
  return found;
}

const Pro& FindComponent(std::string_view name) {
  if (ComponentBase.empty()) throw std::logic_error("the component database is not loaded");
  const int index = FindComponentIndex(name);
  return ComponentBase[index < 0 ? 0 : static_cast<std::size_t>(index)];
}

namespace table_lookup {

std::size_t SearchSegment(std::span<const Real> xs, std::size_t count, Real x) {
  std::size_t i = static_cast<std::size_t>(
      std::lower_bound(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(count), x) -
      xs.begin());
  if (i == 0) i = 1;              // below the table: first segment
  if (i == count) i = count - 1;  // above the table: last segment
  return i;
}

}  // namespace table_lookup

// Linear interpolation between the two points around x. Outside the table
// the first (below) or the last (above) segment is extended in a straight
// line: the result is continuous, equals the end values exactly at the end
// points, and keeps a non-zero slope there, which the Newton solver of the
// column needs when a trial temperature strays beyond a table. No value
// outside the table is ever read. A table of one point is a constant.
Real Interpolate(std::span<const Real> xs, std::span<const Real> ys, Real x) {
  TableSegment none;
  return Interpolate(xs, ys, x, none);
}

Real LookupProperty(const Pro& component, Property property, Real t) {
  switch (property) {
    case Property::All:
      return 0;
    case Property::Density:
      return Interpolate(component.TempPts, component.Dens, t);
    case Property::VapPress:
      return Interpolate(component.VapTemps, component.VapPress, t);
    case Property::EnthalpyL:
      return Interpolate(component.TempPts, component.EnthL, t);
    case Property::EnthalpyV:
      return Interpolate(component.TempPts, component.EnthV, t);
    case Property::EnthalpyC:
      return Interpolate(SteamPressures, CondensateEnthalpy, t);
    case Property::EnthalpyS:
      return Interpolate(SteamPressures, SteamEnthalpy, t);
  }
  return 0;
}

Real GetProperty(std::string_view component, std::string_view property, Real t, GroupBlock& groups,
                 Real& A, Real& B, Real& C, Real& M) {
  const Property resolved = ParseProperty(property);
  const Pro& record = FindComponent(component);
  if (resolved != Property::All) return LookupProperty(record, resolved, t);
  groups = record.Groups;
  A = record.AntA;
  B = record.AntB;
  C = record.AntC;
  M = record.MolMass;
  return 0;
}

Real GetProperty(std::string_view component, std::string_view property, Real t) {
  GroupBlock unusedGroups;
  Real a = 0, b = 0, c = 0, m = 0;
  return GetProperty(component, property, t, unusedGroups, a, b, c, m);
}

Real MolarVolume(const Pro& component, Real t) {
  TableSegment none;
  return MolarVolume(component, t, none);
}

Real MolarVolume(std::string_view component, Real t) {
  return MolarVolume(FindComponent(component), t);
}

Real VapourPressure(const Pro& component, Real tau) {
  TableSegment none;
  return VapourPressure(component, tau, none);
}

Real VapourPressure(std::string_view component, Real tau) {
  return VapourPressure(FindComponent(component), tau);
}

void GroupSums(GroupBlock& groups, Real& r, Real& q) {
  // G comes from files too; never walk past the eleven slots.
  const int count = std::min<int>(groups.G, kMaxGroups);
  r = 0;
  q = 0;
  std::uint8_t nuSum = 0;  // an 8-bit counter, as the fractions have always been formed
  for (int k = 0; k < count; ++k) {
    r += groups.Nu[k] * groups.R[k];
    q += groups.Nu[k] * groups.Q[k];
    nuSum = static_cast<std::uint8_t>(nuSum + groups.Nu[k]);
  }
  if (count > 0 && nuSum == 0)
    throw NumericFailure("GroupSums", "sum of group occurrences is zero", 0);
  for (int k = 0; k < count; ++k) groups.X[k] = static_cast<Real>(groups.Nu[k]) / nuSum;
}

void RememberLoadedTables() {
  loadedEnthalpies.Liquid.clear();
  loadedEnthalpies.Vapour.clear();
  for (const Pro& record : ComponentBase) {
    loadedEnthalpies.Liquid.push_back(record.EnthL);
    loadedEnthalpies.Vapour.push_back(record.EnthV);
  }
  loadedEnthalpies.Steam = SteamEnthalpy;
  loadedEnthalpies.Condensate = CondensateEnthalpy;
}

void ApplyEnthalpyUnits(std::uint8_t unitsKind) {
  if (loadedEnthalpies.Liquid.size() != ComponentBase.size() || ComponentBase.size() < 2)
    throw std::logic_error("ApplyEnthalpyUnits before the component database was remembered");
  const bool perKmol = unitsKind == 2;
  auto scaled = [](auto values, Real factor) {
    for (Real& value : values) value *= factor;
    return values;
  };
  for (std::size_t i = 0; i < ComponentBase.size(); ++i) {
    Pro& record = ComponentBase[i];
    const Real factor = perKmol ? record.MolMass : 1;
    record.EnthL = scaled(loadedEnthalpies.Liquid[i], factor);
    record.EnthV = scaled(loadedEnthalpies.Vapour[i], factor);
  }
  // Heating steam is water: its tables take the molar mass of the water
  // record, the second of the database.
  const Real steamFactor = perKmol ? ComponentBase[1].MolMass : 1;
  SteamEnthalpy = scaled(loadedEnthalpies.Steam, steamFactor);
  CondensateEnthalpy = scaled(loadedEnthalpies.Condensate, steamFactor);
}

}  // namespace vexilor
