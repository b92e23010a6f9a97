#include "engine/thermo/component_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <vector>

#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "engine/shell/x87.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/table_lookup.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

// ---------------------------------------------------------------- Interpolate

struct InterpolationCase {
  const char* name;
  std::vector<Real> xs;
  std::vector<Real> ys;
  Real x;
  Real expected;
};

void PrintTo(const InterpolationCase& c, std::ostream* os) {
  *os << c.name;
}

class InterpolateTest : public ::testing::TestWithParam<InterpolationCase> {};

TEST_P(InterpolateTest, FollowsTheTableRule) {
  const auto& c = GetParam();
  EXPECT_EQ(Interpolate(c.xs, c.ys, c.x), c.expected);
}

const std::vector<Real> kXs = {0.0L, 10.0L, 20.0L};
const std::vector<Real> kYs = {1.0L, 3.0L, 7.0L};

INSTANTIATE_TEST_SUITE_P(
    Cases, InterpolateTest,
    ::testing::Values(
        InterpolationCase{"first_point", kXs, kYs, 0.0L, 1.0L},
        InterpolationCase{"inner_point", kXs, kYs, 10.0L, 3.0L},
        InterpolationCase{"last_point", kXs, kYs, 20.0L, 7.0L},
        InterpolationCase{"halfway_first_segment", kXs, kYs, 5.0L, 2.0L},
        InterpolationCase{"halfway_last_segment", kXs, kYs, 15.0L, 5.0L},
        // Outside: straight on along the end segments.
        InterpolationCase{"below_the_table", kXs, kYs, -10.0L, -1.0L},
        InterpolationCase{"above_the_table", kXs, kYs, 30.0L, 11.0L},
        // A point given twice: x equal to it takes the segment
        // that ends there, not the one that starts there.
        InterpolationCase{"segment_ending_at_the_point",
                          {0.0L, 10.0L, 10.0L, 20.0L},
                          {0.0L, 1.0L, 5.0L, 6.0L},
                          10.0L,
                          1.0L},
        InterpolationCase{"single_point_is_constant", {5.0L}, {42.0L}, -100.0L, 42.0L},
        InterpolationCase{
            "shorter_y_table_is_not_overrun", {0.0L, 10.0L, 20.0L}, {1.0L, 3.0L}, 20.0L, 5.0L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterpolateFailureTest, TableWithoutPointsIsANumericFailure) {
  EXPECT_THROW(Interpolate({}, {}, 1.0L), NumericFailure);
}

// The table rule written out: the first segment ending at or above x,
// scanning from the start; the end segments outside the table.
Real ScannedInterpolation(const std::vector<Real>& xs, const std::vector<Real>& ys, Real x) {
  const std::size_t count = std::min(xs.size(), ys.size());
  std::size_t i = 0;
  while (i < count && !(xs[i] >= x)) ++i;
  i = std::clamp<std::size_t>(i, 1, count - 1);
  const Real s = (x - xs[i - 1]) / (xs[i] - xs[i - 1]);
  return (1 - s) * ys[i - 1] + s * ys[i];
}

// Bit for bit, NaN included: the 80-bit value's ten significant bytes.
bool SameBits(Real a, Real b) {
  return std::memcmp(&a, &b, kExtendedSize) == 0;
}

// A lookup that starts from the segment of an earlier one (any segment, or
// one left from a longer table) must land where the scan lands, also for
// points given twice, table points, x outside the table and a NaN.
TEST(InterpolateFromSegmentTest, EveryStartingSegmentGivesTheScannedValue) {
  const std::vector<std::vector<Real>> tables = {
      {0.0L, 10.0L, 20.0L},
      {-20.0L, -10.0L, 0.0L, 10.0L, 10.0L, 20.0L, 40.0L, 60.0L, 80.0L, 100.0L},
      {0.0L, 1.0L}};
  for (const auto& xs : tables) {
    std::vector<Real> ys;
    std::vector<Real> vs;
    for (std::size_t k = 0; k < xs.size(); ++k) {
      ys.push_back(3.0L * k * k + 1.0L / (k + 1));
      vs.push_back(100.0L - 7.0L * k);
    }
    std::vector<Real> probes = {std::numeric_limits<Real>::quiet_NaN(),
                                std::numeric_limits<Real>::infinity(),
                                -std::numeric_limits<Real>::infinity()};
    for (std::size_t k = 0; k < xs.size(); ++k) {
      for (const Real offset : {-1e-3L, 0.0L, 1e-3L, 3.3L, 25.0L}) probes.push_back(xs[k] + offset);
      probes.push_back(xs[k] - 25.0L);
    }
    for (const Real x : probes) {
      const Real expected = ScannedInterpolation(xs, ys, x);
      for (std::size_t start = 0; start <= xs.size() + 2; ++start) {
        TableSegment segment{start};
        EXPECT_TRUE(SameBits(Interpolate(xs, ys, x, segment), expected))
            << "x " << static_cast<double>(x) << " from segment " << start;
        TableSegment shared{start};
        Real y = 0;
        Real v = 0;
        InterpolateBoth(xs, ys, vs, x, shared, y, v);
        EXPECT_TRUE(SameBits(y, expected) && SameBits(v, ScannedInterpolation(xs, vs, x)))
            << "both at x " << static_cast<double>(x) << " from segment " << start;
      }
      EXPECT_TRUE(SameBits(Interpolate(xs, ys, x), expected)) << static_cast<double>(x);
    }
  }
}

// ------------------------------------------------------------ database fixture

using ComponentBaseTest = testing::BuiltInDatabaseTest;

TEST_F(ComponentBaseTest, NamesOfEitherLanguageSelectTheirRecord) {
  const char* names[4][2] = {
      {"comp.1", "комп.1"}, {"comp.2", "комп.2"}, {"comp.3", "комп.3"}, {"comp.4", "комп.4"}};
  for (int i = 0; i < 4; ++i) {
    for (const char* name : names[i]) {
      EXPECT_EQ(FindComponentIndex(name), i) << name;
      EXPECT_EQ(&FindComponent(name), &ComponentBase[i]) << name;
    }
  }
}

TEST_F(ComponentBaseTest, NamesCompareExactlyAndUnknownNamesSelectTheFirstRecord) {
  for (const char* name : {"Comp.1", "comp.1 ", "steam", ""}) {
    EXPECT_EQ(FindComponentIndex(name), -1) << name;
    EXPECT_EQ(&FindComponent(name), &ComponentBase[0]) << name;
  }
}

TEST_F(ComponentBaseTest, TheLastMatchingRecordWins) {
  ComponentBase[1].NameRu = "comp.4";  // English name of record 3, Russian of record 1
  ComponentBase[3].NameEn = "other";
  EXPECT_EQ(FindComponentIndex("comp.4"), 1);
  ComponentBase[2].NameEn = "comp.4";
  EXPECT_EQ(FindComponentIndex("comp.4"), 2);
}

TEST_F(ComponentBaseTest, SteamReachesTheSteamTables) {
  EXPECT_EQ(GetProperty("steam", "enthalp_s", 1.0L), 2677.0L);
  EXPECT_EQ(GetProperty("steam", "enthalp_c", 10.0L), 759.6L);
  EXPECT_EQ(GetProperty("steam", "enthalp_s", 1.1L), (2677.0L + 2686.0L) / 2);
}

TEST_F(ComponentBaseTest, TableLookupsByName) {
  EXPECT_EQ(GetProperty("comp.1", "enthalp_l", 10.0L), 24.28L);
  EXPECT_EQ(GetProperty("комп.1", "enthalp_v", 0.0L), 920.3L);
  EXPECT_EQ(GetProperty("comp.2", "density", 20.0L), 998.0L);
  EXPECT_EQ(GetProperty("comp.2", "vap_press", 100.0L), 760.0L);
  // Halfway between 0 and 20 deg C: the mean of the two table values.
  EXPECT_EQ(GetProperty("comp.2", "enthalp_l", 10.0L), (0.0L + 83.8L) / 2);
}

TEST_F(ComponentBaseTest, UnknownPropertyEndsTheProgramWithTheRussianMessage) {
  for (const std::uint8_t lang : {1, 2}) {
    Lang = lang;
    testing::ScriptedDialog dialog;
    DialogScope scope(dialog);
    EXPECT_THROW(GetProperty("comp.1", "viscosity", 20.0L), ProgramTermination);
    ASSERT_EQ(dialog.Messages.size(), 1u);
    EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(dialog.Messages[0].Buttons, ButtonSet::Ok);
    EXPECT_EQ(dialog.Messages[0].Text, "свойство viscosity отсутствует в базе данных");
  }
}

std::array<std::uint8_t, kGroupBlockSize> Bytes(const GroupBlock& block) {
  std::array<std::uint8_t, kGroupBlockSize> bytes{};
  EncodeGroupBlock(block, bytes);
  return bytes;
}

TEST_F(ComponentBaseTest, AllCopiesGroupsAndConstantsAndOtherNamesLeaveThemAlone) {
  GroupBlock groups;
  Real a = -1, b = -1, c = -1, m = -1;
  EXPECT_EQ(GetProperty("comp.4", "all", 0.0L, groups, a, b, c, m), 0.0L);
  EXPECT_EQ(Bytes(groups), Bytes(ComponentBase[3].Groups));
  EXPECT_EQ(a, 16.1516L);
  EXPECT_EQ(b, 2790.5L);
  EXPECT_EQ(c, -57.15L);
  EXPECT_EQ(m, 88.107L);

  GroupBlock untouched;
  untouched.G = 9;
  Real a2 = -1, b2 = -2, c2 = -3, m2 = -4;
  EXPECT_EQ(GetProperty("comp.4", "density", -20.0L, untouched, a2, b2, c2, m2), 947.0L);
  EXPECT_EQ(untouched.G, 9);
  EXPECT_EQ(a2, -1);
  EXPECT_EQ(b2, -2);
  EXPECT_EQ(c2, -3);
  EXPECT_EQ(m2, -4);
}

TEST_F(ComponentBaseTest, MolarVolumeIsMolarMassOverDensity) {
  // Water at 0 deg C: 1000 kg/m3 and 18.015 kg/kmol.
  EXPECT_EQ(MolarVolume("comp.2", 0.0L), 18.015L / 1000);
  EXPECT_NEAR(MolarVolume(ComponentBase[1], 0.0L), 0.018015L, 1e-18L);
  ComponentBase[1].Dens.assign(ComponentBase[1].Dens.size(), 0.0L);
  EXPECT_THROW(MolarVolume(ComponentBase[1], 20.0L), NumericFailure);
}

TEST_F(ComponentBaseTest, VapourPressureFromTableOrAntoine) {
  const Real tau100 = 100.0L / 273.15L + 1;
  // Table form: 133.3 Pa per mm Hg times the table value at 100 deg C.
  EXPECT_NEAR(VapourPressure("comp.2", tau100), 133.3L * 760.0L, 1e-9L);
  // Antoine form: ln P[mm Hg] = A - B / (T + C).
  const Real antoine = 133.3L * std::exp(18.5875L - 3626.55L / (373.15L - 34.29L));
  EXPECT_NEAR(VapourPressure("comp.3", tau100) / antoine, 1.0L, 1e-15L);
  // The table is not used for an Antoine-form record even if it has one.
  Pro& water = ComponentBase[1];
  water.VapForm = 'A';
  const Real waterAntoine = 133.3L * std::exp(18.3036L - 3816.44L / (373.15L - 46.13L));
  EXPECT_NEAR(VapourPressure(water, tau100) / waterAntoine, 1.0L, 1e-15L);
}

TEST_F(ComponentBaseTest, VapourPressureFaultsAreNumericFailures) {
  Pro& methanol = ComponentBase[2];
  methanol.AntC = -273.15L;  // T + C = 0 at tau = 1
  EXPECT_THROW(VapourPressure(methanol, 1.0L), NumericFailure);
  methanol.AntC = 0;
  methanol.AntA = 1e6L;  // exp overflows
  EXPECT_THROW(VapourPressure(methanol, 1.0L), NumericFailure);
}

TEST_F(ComponentBaseTest, PerKmolEnthalpiesAreDerivedFromTheLoadedTables) {
  ApplyEnthalpyUnits(2);
  ApplyEnthalpyUnits(2);  // a second molar run must see the same values
  EXPECT_EQ(ComponentBase[0].EnthL[2], 24.28L * 46.069L);
  EXPECT_EQ(ComponentBase[3].EnthV[0], 396.04L * 88.107L);
  EXPECT_EQ(GetProperty("comp.1", "enthalp_l", 10.0L), 24.28L * 46.069L);
  // Steam is water: molar mass of the second record.
  EXPECT_EQ(SteamEnthalpy[0], 2677.0L * 18.015L);
  EXPECT_EQ(CondensateEnthalpy[13], 759.6L * 18.015L);
  ApplyEnthalpyUnits(1);
  EXPECT_EQ(ComponentBase[0].EnthL[2], 24.28L);
  EXPECT_EQ(ComponentBase[3].EnthV[0], 396.04L);
  EXPECT_EQ(SteamEnthalpy[0], 2677.0L);
  EXPECT_EQ(CondensateEnthalpy[13], 759.6L);
}

// ------------------------------------------------------------------ GroupSums

TEST(GroupSumsTest, SumsAndFractionsOfEthylAcetate) {
  GroupBlock block;
  block.G = 3;
  block.Nu = {2, 1, 1};
  block.R = {0.9011L, 0.6744L, 1.002L};
  block.Q = {0.848L, 0.54L, 0.88L};
  block.X[3] = 9;  // beyond G: left alone
  Real r = 0, q = 0;
  GroupSums(block, r, q);
  EXPECT_NEAR(r, 3.4786L, 1e-15L);
  EXPECT_NEAR(q, 3.116L, 1e-15L);
  EXPECT_EQ(block.X[0], 0.5L);
  EXPECT_EQ(block.X[1], 0.25L);
  EXPECT_EQ(block.X[2], 0.25L);
  EXPECT_EQ(block.X[3], 9.0L);
}

TEST(GroupSumsTest, OccurrencesAreCountedInAnEightBitCounter) {
  GroupBlock block;
  block.G = 2;
  block.Nu = {200, 100};  // 300 wraps to 44
  block.R = {1.0L, 1.0L};
  block.Q = {1.0L, 1.0L};
  Real r = 0, q = 0;
  GroupSums(block, r, q);
  EXPECT_EQ(r, 300.0L);
  EXPECT_EQ(block.X[0], 200.0L / 44);
  EXPECT_EQ(block.X[1], 100.0L / 44);
}

TEST(GroupSumsTest, BadBlocksFromFilesNeitherOverrunNorDivideByZero) {
  GroupBlock tooMany;
  tooMany.G = 200;
  tooMany.Nu.fill(1);
  tooMany.R.fill(1.0L);
  tooMany.Q.fill(2.0L);
  Real r = 0, q = 0;
  GroupSums(tooMany, r, q);
  EXPECT_EQ(r, 11.0L);
  EXPECT_EQ(q, 22.0L);
  EXPECT_EQ(tooMany.X[10], 1.0L / 11);

  GroupBlock noOccurrences;
  noOccurrences.G = 2;
  EXPECT_THROW(GroupSums(noOccurrences, r, q), NumericFailure);
}

// ------------------------------------------------------------ group block codec

GroupBlock SampleBlock() {
  GroupBlock block;
  block.G = 3;
  block.Numbers = {1, 1, 10};
  block.Nu = {2, 1, 1};
  block.Letters = {'A', 'B', ' '};
  for (int k = 0; k < kMaxGroups; ++k) {
    block.Q[k] = 0.5L + k;
    block.R[k] = -1.25L * k;
    block.X[k] = 0.1L * k;
    for (int n = 0; n < kMaxGroups; ++n) block.A[k][n] = k * 100 + n + 0.3L;
  }
  return block;
}

Real RealAt(const std::array<std::uint8_t, kGroupBlockSize>& bytes, std::size_t offset) {
  return DecodeExtended(std::span<const std::uint8_t, kExtendedSize>(bytes.data() + offset, 10));
}

TEST(GroupBlockCodecTest, FieldsSitAtTheirDocumentedOffsets) {
  const GroupBlock block = SampleBlock();
  const auto bytes = Bytes(block);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[1], 1);
  EXPECT_EQ(bytes[3], 10);
  EXPECT_EQ(bytes[12], 2);
  EXPECT_EQ(bytes[23], 'A');
  EXPECT_EQ(bytes[24], 'B');
  EXPECT_EQ(bytes[25], ' ');
  EXPECT_EQ(RealAt(bytes, 40), block.Q[0]);
  EXPECT_EQ(RealAt(bytes, 40 + 10 * 10), block.Q[10]);
  EXPECT_EQ(RealAt(bytes, 150 + 10 * 4), block.R[4]);
  EXPECT_EQ(RealAt(bytes, 260 + 10 * 7), block.X[7]);
  EXPECT_EQ(RealAt(bytes, 376 + 110 * 2 + 10 * 9), block.A[2][9]);
  EXPECT_EQ(RealAt(bytes, 376 + 110 * 10 + 10 * 10), block.A[10][10]);
  for (std::size_t reserved : {34u, 39u, 370u, 375u, 1586u, 1591u})
    EXPECT_EQ(bytes[reserved], 0) << reserved;
}

TEST(GroupBlockCodecTest, DecodeReadsBackWhatEncodeWrote) {
  const auto bytes = Bytes(SampleBlock());
  EXPECT_EQ(Bytes(DecodeGroupBlock(bytes)), bytes);
}

TEST(GroupBlockCodecTest, TheFilePartLeavesTheTailAndACutValueZero) {
  const GroupBlock sample = SampleBlock();
  const auto bytes = Bytes(sample);
  const GroupBlock decoded =
      DecodeGroupBlock(std::span<const std::uint8_t>(bytes.data(), kGroupBlockFileSize));
  EXPECT_EQ(decoded.G, 3);
  EXPECT_EQ(decoded.X[10], sample.X[10]);
  EXPECT_EQ(decoded.A[8][7], sample.A[8][7]);
  EXPECT_EQ(decoded.A[8][8], 0.0L);  // bytes 1336..1345, cut at 1344
  EXPECT_EQ(decoded.A[10][10], 0.0L);
}

}  // namespace
}  // namespace vexilor
