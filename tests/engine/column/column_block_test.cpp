#include "engine/column/column_block.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <span>

#include "engine/shell/lang.h"
#include "engine/shell/x87.h"
#include "engine/thermo/vle_fixtures.h"
#include "support/file_faults.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

// A problem whose every stored value differs from the others, so that a
// value read from a wrong offset shows. Its values are usable ones: the
// steam pressure within the steam tables, fractions within 0..1.
ColumnProblem DistinctProblem(int components, std::uint16_t trays) {
  ColumnProblem p;
  p.Allocate(trays, components);
  p.UnitsKind = 2;
  p.HeatingKind = 'l';
  Real next = 1;
  auto fill = [&next](Real& value) { value = next++ / 7; };
  fill(p.SteamFlow);
  p.SteamPressure = 1 + next++ / 7;
  fill(p.ColumnPressure);
  for (auto* table : {&p.FeedComp, &p.LiveSteamComp})
    for (auto& stages : *table)
      for (Real& value : stages) value = next++ / 10000;
  for (auto* stages : {&p.FeedFlow, &p.LiveSteamFlow, &p.CatchFlow})
    for (Real& value : *stages) fill(value);
  fill(p.ConvConst);
  fill(p.BreakMeasure);
  for (int i = 0; i < p.UnknownCount(); ++i) fill(p.Approx[i]);
  return p;
}

Real RealAt(const Bytes& bytes, std::size_t offset) {
  return DecodeExtended(
      std::span<const std::uint8_t>(bytes).subspan(offset).first<kExtendedSize>());
}

void ExpectSameProblem(const ColumnProblem& a, const ColumnProblem& b) {
  EXPECT_EQ(a.TrayCount, b.TrayCount);
  EXPECT_EQ(a.UnitsKind, b.UnitsKind);
  EXPECT_EQ(a.HeatingKind, b.HeatingKind);
  EXPECT_EQ(a.SteamFlow, b.SteamFlow);
  EXPECT_EQ(a.SteamPressure, b.SteamPressure);
  EXPECT_EQ(a.ColumnPressure, b.ColumnPressure);
  EXPECT_EQ(a.FeedComp, b.FeedComp);
  EXPECT_EQ(a.LiveSteamComp, b.LiveSteamComp);
  EXPECT_EQ(a.FeedFlow, b.FeedFlow);
  EXPECT_EQ(a.LiveSteamFlow, b.LiveSteamFlow);
  EXPECT_EQ(a.CatchFlow, b.CatchFlow);
  EXPECT_EQ(a.ConvConst, b.ConvConst);
  EXPECT_EQ(a.BreakMeasure, b.BreakMeasure);
  EXPECT_EQ(a.Approx, b.Approx);
}

TEST(ColumnBlockTest, TwoComponentsAndNineteenTraysFillTheSolverVector) {
  // N = 21: 56 + 21 (30 * 2 + 40) bytes; Approx takes 63 of the 66 elements.
  EXPECT_EQ(ColumnBlockSize(2, 19), 2156u);
  const ColumnProblem p = DistinctProblem(2, 19);
  EXPECT_EQ(p.UnknownCount(), 63);
  EXPECT_EQ(EncodeColumnBlock(p).size(), 2156u);
}

TEST(ColumnBlockTest, FieldsLieAtTheirOffsets) {
  const int n = 3;
  ColumnProblem p = DistinctProblem(n, 4);
  const Bytes small = EncodeColumnBlock(p);
  const std::size_t N = 6;
  EXPECT_EQ(small[0], '2');
  EXPECT_EQ(small[1], '1');
  EXPECT_EQ(small[2], 2);
  EXPECT_EQ(small[3], 4);
  EXPECT_EQ(small[4], 0);
  EXPECT_EQ(small[5], 'l');
  EXPECT_EQ(RealAt(small, 6), p.SteamFlow);
  EXPECT_EQ(RealAt(small, 16), p.SteamPressure);
  EXPECT_EQ(RealAt(small, 26), p.ColumnPressure);
  // FeedComp component-major: component 1, stage 2.
  EXPECT_EQ(RealAt(small, 36 + 10 * (1 * N + 2)), p.FeedComp[1][2]);
  EXPECT_EQ(RealAt(small, 36 + 10 * n * N + 10 * (2 * N + 5)), p.LiveSteamComp[2][5]);
  EXPECT_EQ(RealAt(small, 36 + 20 * n * N + 10 * 3), p.FeedFlow[3]);
  EXPECT_EQ(RealAt(small, 36 + 20 * n * N + 10 * N + 10 * 1), p.LiveSteamFlow[1]);
  EXPECT_EQ(RealAt(small, 36 + 20 * n * N + 20 * N + 10 * 5), p.CatchFlow[5]);
  EXPECT_EQ(RealAt(small, 36 + 20 * n * N + 30 * N), p.ConvConst);
  EXPECT_EQ(RealAt(small, 46 + 20 * n * N + 30 * N), p.BreakMeasure);
  EXPECT_EQ(RealAt(small, 56 + 20 * n * N + 30 * N + 10 * 23), p.Approx[23]);
  EXPECT_EQ(ControlConstantsOffset(n, 4), 36 + 20 * n * N + 30 * N);
}

TEST(ColumnBlockTest, DecodingGivesBackEveryValueExactly) {
  for (int n = 2; n <= 4; ++n) {
    const ColumnProblem p = DistinctProblem(n, static_cast<std::uint16_t>(MaxTrayCount(n)));
    const auto block = DecodeColumnBlock(EncodeColumnBlock(p), n);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->DataSource, '2');
    EXPECT_EQ(block->BlockInFile, '1');
    ExpectSameProblem(block->Problem, p);
  }
}

TEST(ColumnBlockTest, BytesEndingBeforeTheBlockDoesAreNotABlock) {
  const Bytes bytes = EncodeColumnBlock(DistinctProblem(2, 3));
  EXPECT_FALSE(DecodeColumnBlock(std::span(bytes).first(bytes.size() - 1), 2).has_value());
  EXPECT_FALSE(DecodeColumnBlock(std::span(bytes).first(20), 2).has_value());
}

class ColumnBlockFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Lang = 1;
    file_ = folder_.File("mix.dat");
    WriteBytes(file_, Bytes(16 * kSlots, 0xEE));  // a VLE section of kSlots slots
  }
  void TearDown() override { Lang = savedLang_; }

  static constexpr std::uint16_t kSlots = 10;
  TempFolder folder_;
  std::string file_;

 private:
  std::uint8_t savedLang_ = Lang;
};

TEST_F(ColumnBlockFileTest, BlockIsWrittenBehindTheSectionAndReadBack) {
  EXPECT_EQ(ColumnBlockPresent(file_, kSlots), false);
  const ColumnProblem p = DistinctProblem(2, 5);
  WriteColumnBlock(file_, kSlots, p);
  EXPECT_EQ(ColumnBlockPresent(file_, kSlots), true);
  const Bytes bytes = ReadBytes(file_);
  ASSERT_EQ(bytes.size(), 160 + ColumnBlockSize(2, 5));
  EXPECT_EQ(bytes[159], 0xEE);  // the VLE section is left alone
  EXPECT_EQ(bytes[160], '2');
  ExpectSameProblem(ReadColumnBlock(file_, kSlots, 2).Problem, p);
}

TEST_F(ColumnBlockFileTest, ABlockForFewerTraysLeavesTheOldTailAndReadsAsItself) {
  WriteColumnBlock(file_, kSlots, DistinctProblem(2, 9));
  const std::size_t longSize = ReadBytes(file_).size();
  ColumnProblem shorter = DistinctProblem(2, 3);
  shorter.SteamFlow = 42;
  WriteColumnBlock(file_, kSlots, shorter);
  EXPECT_EQ(ReadBytes(file_).size(), longSize);
  ExpectSameProblem(ReadColumnBlock(file_, kSlots, 2).Problem, shorter);
}

TEST_F(ColumnBlockFileTest, RewritesTouchOnlyTheirFields) {
  ColumnProblem p = DistinctProblem(2, 4);
  WriteColumnBlock(file_, kSlots, p);
  p.ConvConst = 0.25L;
  p.BreakMeasure = 3e-9L;
  p.Approx[7] = -1.5L;
  ColumnProblem stored = p;
  p.SteamFlow = 99;  // not a control constant: stays as stored
  RewriteControlConstants(file_, kSlots, p);
  stored.SteamFlow = DistinctProblem(2, 4).SteamFlow;
  ExpectSameProblem(ReadColumnBlock(file_, kSlots, 2).Problem, stored);

  p.BreakMeasure = 1e-12L;
  p.ConvConst = 5;
  RewriteBreakMeasure(file_, kSlots, p);
  stored.BreakMeasure = 1e-12L;
  ExpectSameProblem(ReadColumnBlock(file_, kSlots, 2).Problem, stored);

  ColumnProblem reader = DistinctProblem(2, 4);
  reader.Approx.fill(0);
  reader.Approx[65] = 8;  // beyond the column's unknowns: untouched
  ReadApproximation(file_, kSlots, reader);
  for (int i = 0; i < reader.UnknownCount(); ++i) EXPECT_EQ(reader.Approx[i], stored.Approx[i]);
  EXPECT_EQ(reader.Approx[65], 8);
}

TEST_F(ColumnBlockFileTest, FailuresNameTheFile) {
  const std::string missing = folder_.File("none.dat");
  EXPECT_FALSE(ColumnBlockPresent(missing, kSlots).has_value());
  auto message = [](auto&& operation) {
    try {
      operation();
    } catch (const ColumnFileError& error) {
      return std::string(error.what());
    }
    return std::string("no failure");
  };
  const ColumnProblem p = DistinctProblem(2, 4);
  EXPECT_EQ(message([&] { ReadColumnBlock(file_, kSlots, 2); }),
            "It was not possible to load the data from the file" + file_);
  EXPECT_EQ(message([&] { WriteColumnBlock(missing, kSlots, p); }),
            "It was not possible to keep the data in a file" + missing);
  EXPECT_EQ(message([&] { RewriteBreakMeasure(missing, kSlots, p); }),
            "It was not possible to keep the data in a file" + missing);
  ColumnProblem reader = p;
  EXPECT_EQ(message([&] { ReadApproximation(file_, kSlots, reader); }),
            "It was not possible to load the data from the file" + file_);
  Lang = 2;
  EXPECT_EQ(message([&] { ReadColumnBlock(missing, kSlots, 2); }),
            "Не удалось загрузить данные из файла" + missing);
}

TEST_F(ColumnBlockFileTest, StoredTrayCountBeyondTheSolverIsRefused) {
  ColumnProblem p = DistinctProblem(2, 4);
  WriteColumnBlock(file_, kSlots, p);
  // None, one above the 65 div 3 - 2 = 19 trays of a binary column, and
  // far above.
  for (const std::uint16_t trays : {0, 20, 65535}) {
    Bytes bytes = ReadBytes(file_);
    bytes[160 + 3] = static_cast<std::uint8_t>(trays & 0xFF);
    bytes[160 + 4] = static_cast<std::uint8_t>(trays >> 8);
    WriteBytes(file_, bytes);
    try {
      ReadColumnBlock(file_, kSlots, 2);
      FAIL() << "a block of " << trays << " trays was read";
    } catch (const ColumnFileError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind(LoadFailureMessage(file_), 0), 0u) << message;
      EXPECT_NE(message.find("between 1 and 19"), std::string::npos) << message;
    }
  }
}

// Values that no entry gives would only fault in the calculation, far from
// the file: the block is refused with the file's message.
TEST_F(ColumnBlockFileTest, ValuesNoEntryGivesAreRefused) {
  constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
  constexpr Real kInfinity = std::numeric_limits<Real>::infinity();
  struct Case {
    const char* name;
    std::function<void(ColumnProblem&)> damage;
  };
  const Case cases[] = {
      {"steam flow NaN", [](ColumnProblem& p) { p.SteamFlow = kNaN; }},
      {"negative steam flow", [](ColumnProblem& p) { p.SteamFlow = -1; }},
      {"steam pressure infinite", [](ColumnProblem& p) { p.SteamPressure = kInfinity; }},
      {"steam pressure below the tables", [](ColumnProblem& p) { p.SteamPressure = 0.5L; }},
      {"column pressure zero", [](ColumnProblem& p) { p.ColumnPressure = 0; }},
      {"column pressure -infinite", [](ColumnProblem& p) { p.ColumnPressure = -kInfinity; }},
      {"units 3", [](ColumnProblem& p) { p.UnitsKind = 3; }},
      {"heating x", [](ColumnProblem& p) { p.HeatingKind = 'x'; }},
      {"feed fraction above 1", [](ColumnProblem& p) { p.FeedComp[1][2] = 1.5L; }},
      {"live steam fraction NaN", [](ColumnProblem& p) { p.LiveSteamComp[0][0] = kNaN; }},
      {"negative feed flow", [](ColumnProblem& p) { p.FeedFlow[3] = -0.1L; }},
      {"live steam flow infinite", [](ColumnProblem& p) { p.LiveSteamFlow[0] = kInfinity; }},
      {"catch flow NaN", [](ColumnProblem& p) { p.CatchFlow[5] = kNaN; }},
      {"convergence constant infinite", [](ColumnProblem& p) { p.ConvConst = kInfinity; }},
      {"break measure NaN", [](ColumnProblem& p) { p.BreakMeasure = kNaN; }},
      {"last unknown infinite",
       [](ColumnProblem& p) { p.Approx[p.UnknownCount() - 1] = -kInfinity; }},
  };
  const ColumnProblem usable = DistinctProblem(2, 4);
  ASSERT_TRUE(StoredProblemUsable(usable));
  for (const Case& c : cases) {
    ColumnProblem damaged = usable;
    c.damage(damaged);
    EXPECT_FALSE(StoredProblemUsable(damaged)) << c.name;
    WriteColumnBlock(file_, kSlots, damaged);
    try {
      ReadColumnBlock(file_, kSlots, 2);
      ADD_FAILURE() << c.name << ": read";
    } catch (const ColumnFileError& error) {
      EXPECT_EQ(error.what(), LoadFailureMessage(file_)) << c.name;
    }
  }
}

TEST_F(ColumnBlockFileTest, AnApproximationReadBackWithAnInfinityLeavesTheOneInMemory) {
  ColumnProblem stored = DistinctProblem(2, 4);
  stored.Approx[2] = std::numeric_limits<Real>::infinity();
  WriteColumnBlock(file_, kSlots, stored);
  ColumnProblem reader = DistinctProblem(2, 4);
  const SolverVector before = reader.Approx;
  EXPECT_THROW(ReadApproximation(file_, kSlots, reader), ColumnFileError);
  EXPECT_EQ(reader.Approx, before);
}

// A write that the disk cannot hold is a failed write: the block written
// whole, then its constants rewritten, each with a file-size limit just
// short of what it needs.
TEST_F(ColumnBlockFileTest, WritesTheDiskCannotHoldFailWithTheKeepMessage) {
  const ColumnProblem p = DistinctProblem(2, 4);
  const std::string keepFailure = "It was not possible to keep the data in a file" + file_;
  {
    testing::FileSizeLimit full(160 + ColumnBlockSize(2, 4) - 1);
    try {
      WriteColumnBlock(file_, kSlots, p);
      ADD_FAILURE() << "the whole block was written";
    } catch (const ColumnFileError& error) {
      EXPECT_EQ(error.what(), keepFailure);
    }
  }
  const Bytes after = ReadBytes(file_);
  EXPECT_EQ(Bytes(after.begin(), after.begin() + 160), Bytes(160, 0xEE));  // the VLE section

  WriteBytes(file_, Bytes(16 * kSlots, 0xEE));
  WriteColumnBlock(file_, kSlots, DistinctProblem(2, 1));  // a block for fewer trays
  {
    testing::FileSizeLimit full(ReadBytes(file_).size());
    EXPECT_THROW(RewriteControlConstants(file_, kSlots, p), ColumnFileError);
    EXPECT_THROW(RewriteBreakMeasure(file_, kSlots, DistinctProblem(2, 19)), ColumnFileError);
  }
}

}  // namespace
}  // namespace vexilor
