#include "engine/thermo/vle_file.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "engine/shell/x87.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_fixtures.h"
#include "support/file_faults.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::ConstantsOf;
using testing::MakeParams;
using testing::ReadBytes;
using testing::ScriptedDialog;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Real SlotReal(const Bytes& file, std::size_t slot) {
  return DecodeExtended(std::span(file).subspan(slot * kSlotSize).first<kExtendedSize>());
}

// True when the bytes of slot after its first `used` are all zero.
bool PaddingIsZero(const Bytes& file, std::size_t slot, std::size_t used) {
  for (std::size_t b = used; b < kSlotSize; ++b) {
    if (file[slot * kSlotSize + b] != 0) return false;
  }
  return true;
}

Bytes BlockFileBytes(const GroupBlock& block) {
  std::array<std::uint8_t, kGroupBlockSize> bytes{};
  EncodeGroupBlock(block, bytes);
  return Bytes(bytes.begin(), bytes.begin() + kGroupBlockFileSize);
}

class VLEFileTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    Lang = 1;
    VLEParams = TVLEParams{};
  }

  // Loads fileName without asking; returns the program-ending message, or
  // "" when the file loaded.
  std::string LoadFailure(std::string fileName) {
    ScriptedDialog dialog;
    DialogScope scope(dialog);
    std::string modelName;
    std::uint16_t slots = 0;
    try {
      LoadVLEDataFile(false, fileName, modelName, slots);
    } catch (const ProgramTermination& end) {
      EXPECT_EQ(dialog.Messages.size(), 1u);
      EXPECT_EQ(dialog.Messages.back().Kind, MessageKind::Error);
      EXPECT_EQ(dialog.Messages.back().Buttons, ButtonSet::Ok);
      EXPECT_EQ(dialog.Messages.back().Text, end.Message());
      return end.Message();
    }
    EXPECT_TRUE(dialog.Messages.empty());
    return "";
  }

  TempFolder folder_;
};

// ---------------------------------------------------------------- every model

struct ModelFileCase {
  const char* name;
  char letter;
  std::vector<std::uint16_t> indexes;
  std::uint16_t slots;
};

void PrintTo(const ModelFileCase& c, std::ostream* os) {
  *os << c.name;
}

class VLEFileModelTest : public VLEFileTest, public ::testing::WithParamInterface<ModelFileCase> {};

TEST_P(VLEFileModelTest, RoundTripRestoresTheParameterSetBeforeTheColumnData) {
  const auto& c = GetParam();
  const TVLEParams written = MakeParams(c.letter, c.indexes);
  const std::string name = folder_.File("model.dat");
  WriteVLEDataFile(name, written);
  Bytes file = ReadBytes(name);
  ASSERT_EQ(file.size(), c.slots * kSlotSize);
  EXPECT_EQ(VLESectionSlotCount(written), c.slots);
  // A column data block behind the section is none of the reader's business.
  file.insert(file.end(), 5 * kSlotSize, 0xA5);
  WriteBytes(name, file);

  std::string fileName = name;
  std::string modelName;
  std::uint16_t slots = 0;
  LoadVLEDataFile(false, fileName, modelName, slots);

  EXPECT_EQ(slots, c.slots);
  EXPECT_EQ(modelName, ModelNameOf(c.letter));
  const TVLEParams& read = VLEParams;
  EXPECT_EQ(read.ModelLetter, c.letter);
  ASSERT_EQ(read.N, c.indexes.size());
  const ComponentConstants constants = ConstantsOf(written);
  for (int i = 0; i < read.N; ++i) {
    EXPECT_EQ(read.Indexes[i], c.indexes[i]);
    EXPECT_EQ(CompNames[i], ComponentBase[c.indexes[i]].NameEn);
    EXPECT_EQ(CompConstants.A[i], constants.A[i]);
    EXPECT_EQ(CompConstants.B[i], constants.B[i]);
    EXPECT_EQ(CompConstants.C[i], constants.C[i]);
    EXPECT_EQ(CompConstants.M[i], constants.M[i]);
    if (c.letter == 'F' || c.letter == 'Q') {
      EXPECT_EQ(CompConstants.r[i], constants.r[i]);
      EXPECT_EQ(CompConstants.q[i], constants.q[i]);
    }
    for (int j = 0; j < read.N; ++j) {
      EXPECT_EQ(read.WilsonA[i][j], c.letter == 'W' ? written.WilsonA[i][j] : 0);
      EXPECT_EQ(read.NrtlB[i][j], c.letter == 'N' ? written.NrtlB[i][j] : 0);
      EXPECT_EQ(read.NrtlAlpha[i][j], c.letter == 'N' ? written.NrtlAlpha[i][j] : 0);
      EXPECT_EQ(read.UniquacA[i][j], c.letter == 'Q' ? written.UniquacA[i][j] : 0);
    }
  }
  if (c.letter != 'F') return;
  EXPECT_EQ(read.G, written.G);
  EXPECT_EQ(read.Letters, written.Letters);
  for (int m = 0; m < read.G; ++m) {
    EXPECT_EQ(read.Numbers[m], written.Numbers[m]);
    EXPECT_EQ(read.Q[m], written.Q[m]);
    EXPECT_EQ(read.R[m], written.R[m]);
    for (int n = 0; n < read.G; ++n) EXPECT_EQ(read.GroupA[m][n], written.GroupA[m][n]);
  }
  for (int i = 0; i < read.N; ++i) {
    EXPECT_EQ(BlockFileBytes(read.CompGroups[i]), BlockFileBytes(written.CompGroups[i]));
  }
}

TEST_P(VLEFileModelTest, FileCutAtAnySlotIsNotComplete) {
  const auto& c = GetParam();
  const Bytes whole = EncodeVLESection(MakeParams(c.letter, c.indexes));
  for (std::size_t slots = 0; slots < c.slots; ++slots) {
    // Cut at the boundary, and inside the next slot: a partial slot is no slot.
    for (const std::size_t extra : {std::size_t{0}, std::size_t{9}}) {
      const std::size_t size = slots * kSlotSize + extra;
      const auto result =
          DecodeVLESection(std::span(whole).first(size), TVLEParams{}, ComponentBase.size());
      ASSERT_EQ(result.Status, VLEReadStatus::NotComplete) << "file of " << size << " bytes";
    }
  }
  // The loader turns it into the program-ending message naming the file.
  const std::string name = folder_.File("cut.dat");
  for (const std::size_t slots : {1, c.slots / 2, c.slots - 1}) {
    WriteBytes(name, Bytes(whole.begin(), whole.begin() + slots * kSlotSize));
    EXPECT_EQ(LoadFailure(name), "Datafile " + name + " is not complete") << slots << " slots";
  }
}

// Byte offsets of every real the section of params holds.
std::vector<std::size_t> RealOffsets(const TVLEParams& params) {
  std::vector<std::size_t> offsets;
  const std::size_t slots = VLESectionSlotCount(params);
  std::size_t slot = 2 + params.N;
  if (params.ModelLetter != 'F') {
    for (; slot < slots; ++slot) offsets.push_back(slot * kSlotSize);
    return offsets;
  }
  slot += 1 + params.G + 1;  // G, the group numbers, the letters
  for (int m = 0; m < 2 * params.G; ++m) offsets.push_back(slot++ * kSlotSize);  // Q, R
  for (int i = 0; i < params.N; ++i, slot += kGroupBlockSlots) {
    // Q, R and X of the block, then the rows of A the file keeps whole.
    for (std::size_t at = 40; at < 370; at += kExtendedSize)
      offsets.push_back(slot * kSlotSize + at);
    for (std::size_t at = 376; at + kExtendedSize <= kGroupBlockFileSize; at += kExtendedSize)
      offsets.push_back(slot * kSlotSize + at);
  }
  for (; slot < slots; ++slot) offsets.push_back(slot * kSlotSize);  // a_mn
  return offsets;
}

TEST_P(VLEFileModelTest, NaNOrAnInfinityInAnyRealIsAWrongParameter) {
  const auto& c = GetParam();
  const TVLEParams params = MakeParams(c.letter, c.indexes);
  const Bytes whole = EncodeVLESection(params);
  const auto offsets = RealOffsets(params);
  ASSERT_FALSE(offsets.empty());
  for (const Real bad :
       {std::numeric_limits<Real>::quiet_NaN(), std::numeric_limits<Real>::infinity(),
        -std::numeric_limits<Real>::infinity()}) {
    for (const std::size_t offset : offsets) {
      Bytes file = whole;
      EncodeExtended(bad, std::span(file).subspan(offset).first<kExtendedSize>());
      ASSERT_EQ(DecodeVLESection(file, TVLEParams{}, ComponentBase.size()).Status,
                VLEReadStatus::WrongParameter)
          << bad << " at byte " << offset;
    }
  }
  // The loader refuses such a file with the message of a wrong parameter.
  Bytes file = whole;
  EncodeExtended(std::numeric_limits<Real>::quiet_NaN(),
                 std::span(file).subspan(offsets.back()).first<kExtendedSize>());
  const std::string name = folder_.File("nan.dat");
  WriteBytes(name, file);
  EXPECT_EQ(LoadFailure(name), "wrong parameter in DataFile");
}

INSTANTIATE_TEST_SUITE_P(
    Models, VLEFileModelTest,
    ::testing::Values(ModelFileCase{"wilson_two_components", 'W', {0, 1}, 10},
                      ModelFileCase{"nrtl_three_components", 'N', {0, 1, 2}, 29},
                      ModelFileCase{"uniquac_four_components", 'Q', {0, 1, 2, 3}, 2 + 4 + 20},
                      // comp.1 and comp.2: groups (1 A), (5 A), (6 blank).
                      ModelFileCase{"unifac_two_components_three_groups", 'F', {0, 1}, 192},
                      // Six groups: (1 A), (5 A), (6), (5 B), (1 B), (10).
                      ModelFileCase{"unifac_four_components_six_groups",
                                    'F',
                                    {3, 2, 1, 0},
                                    2 + 4 + 1 + 6 + 1 + 12 + 336 + 36}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- byte layout

TEST_F(VLEFileTest, WilsonSlotsHoldLetterCountIndexesThenPairsWithTheDiagonal) {
  TVLEParams params;
  params.ModelLetter = 'W';
  params.N = 2;
  params.Indexes = {3, 258};  // 258 shows the byte order of an index
  params.WilsonA = {{{0.5L, 1.25L}, {-2.0L, 0.75L}}};
  const std::string name = folder_.File("wilson.dat");
  WriteVLEDataFile(name, params);
  const Bytes file = ReadBytes(name);
  ASSERT_EQ(file.size(), 160u);

  EXPECT_EQ(file[0], 'W');
  EXPECT_TRUE(PaddingIsZero(file, 0, 1));
  EXPECT_EQ(file[16], 2);
  EXPECT_TRUE(PaddingIsZero(file, 1, 1));
  const Bytes indexBlock(file.begin() + 32, file.begin() + 64);
  Bytes expectedIndexBlock(32, 0);
  expectedIndexBlock[0] = 3;
  expectedIndexBlock[2] = 2;
  expectedIndexBlock[3] = 1;
  EXPECT_EQ(indexBlock, expectedIndexBlock);
  // Pairs (0,0), (0,1), (1,1), each as a_ij then a_ji.
  const std::array<Real, 6> expected = {0.5L, 0.5L, 1.25L, -2.0L, 0.75L, 0.75L};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(SlotReal(file, 4 + k), expected[k]) << "slot " << 4 + k;
    EXPECT_TRUE(PaddingIsZero(file, 4 + k, kExtendedSize)) << "slot " << 4 + k;
  }
}

TEST_F(VLEFileTest, NrtlPairHoldsBothEnergiesThenBothAlphas) {
  TVLEParams params = MakeParams('N', {0, 1});
  params.NrtlAlpha[0][1] = 0.25L;
  params.NrtlAlpha[1][0] = 0.35L;
  params.NrtlAlpha[0][0] = 0.125L;
  const std::string name = folder_.File("nrtl.dat");
  WriteVLEDataFile(name, params);
  const Bytes file = ReadBytes(name);
  const std::array<Real, 8> expected = {
      0, 0, 0.125L, 0.125L, params.NrtlB[0][1], params.NrtlB[1][0], 0.25L, 0.35L};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(SlotReal(file, 4 + k), expected[k]) << "slot " << 4 + k;
  }
}

TEST_F(VLEFileTest, UnifacSlotsHoldGroupsLettersAreasVolumesBlocksAndMatrix) {
  const TVLEParams params = MakeParams('F', {0, 1});
  const std::string name = folder_.File("unifac.dat");
  WriteVLEDataFile(name, params);
  const Bytes file = ReadBytes(name);
  ASSERT_EQ(file.size(), 192 * kSlotSize);

  EXPECT_EQ(file[4 * kSlotSize], 3);  // G
  const std::array<std::uint8_t, 3> numbers = {1, 5, 6};
  for (std::size_t m = 0; m < 3; ++m) EXPECT_EQ(file[(5 + m) * kSlotSize], numbers[m]);
  const Bytes letters(file.begin() + 8 * kSlotSize, file.begin() + 8 * kSlotSize + 11);
  EXPECT_EQ(letters, Bytes({'A', 'A', ' ', 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(PaddingIsZero(file, 8, 11));
  for (std::size_t m = 0; m < 3; ++m) {
    EXPECT_EQ(SlotReal(file, 9 + m), params.Q[m]);
    EXPECT_EQ(SlotReal(file, 12 + m), params.R[m]);
  }
  for (std::size_t i = 0; i < 2; ++i) {
    const auto start = file.begin() + (15 + 84 * i) * kSlotSize;
    EXPECT_EQ(Bytes(start, start + kGroupBlockFileSize), BlockFileBytes(params.CompGroups[i]));
  }
  for (std::size_t m = 0; m < 3; ++m) {
    for (std::size_t n = 0; n < 3; ++n) {
      EXPECT_EQ(SlotReal(file, 183 + 3 * m + n), params.GroupA[m][n]) << m << "," << n;
    }
  }
}

// ---------------------------------------------------------------- failures

struct FailureCase {
  const char* name;
  Bytes file;  //!< empty with missing: no file at all
  bool missing;
  std::string english;  //!< expected text, FILE standing for the file name
  std::string russian;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class VLEFileFailureTest : public VLEFileTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(VLEFileFailureTest, EndsTheProgramWithItsMessageInBothLanguages) {
  const auto& c = GetParam();
  const std::string name = folder_.File("failing.dat");
  if (!c.missing) WriteBytes(name, c.file);
  for (const std::uint8_t lang : {std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{0}}) {
    Lang = lang;
    std::string expected = lang == 1 ? c.english : c.russian;
    if (const auto at = expected.find("FILE"); at != std::string::npos) {
      expected.replace(at, 4, name);
    }
    EXPECT_EQ(LoadFailure(name), expected) << "Lang " << int(lang);
  }
}

Bytes Slots(std::initializer_list<std::initializer_list<std::uint8_t>> slots) {
  Bytes bytes;
  for (const auto& slot : slots) {
    Bytes one(kSlotSize, 0);
    std::copy(slot.begin(), slot.end(), one.begin());
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

const std::string kWrong = "wrong parameter in DataFile";

INSTANTIATE_TEST_SUITE_P(
    Failures, VLEFileFailureTest,
    ::testing::Values(
        FailureCase{"missing_file", {}, true, "File FILE is not retrieved", "Файл FILE не найден"},
        FailureCase{
            "empty_file", {}, false, "Datafile FILE is not complete", "Файл данных FILE не полный"},
        FailureCase{"unknown_model_letter", Slots({{'X'}, {2}, {0, 0, 1, 0}, {}}), false, kWrong,
                    kWrong},
        FailureCase{"lower_case_letter", Slots({{'w'}, {2}, {0, 0, 1, 0}, {}}), false, kWrong,
                    kWrong},
        // Counts and indexes that would reach past the arrays they size.
        FailureCase{"no_components", Slots({{'W'}, {0}}), false, kWrong, kWrong},
        FailureCase{"one_component", Slots({{'W'}, {1}, {0}}), false, kWrong, kWrong},
        FailureCase{"five_components", Slots({{'W'}, {5}}), false, kWrong, kWrong},
        FailureCase{"255_components", Slots({{'N'}, {255}}), false, kWrong, kWrong},
        FailureCase{"index_beyond_the_database", Slots({{'W'}, {2}, {0, 0, 4, 0}, {}}), false,
                    kWrong, kWrong},
        FailureCase{"twelve_mixture_groups", Slots({{'F'}, {2}, {0, 0, 1, 0}, {}, {12}}), false,
                    kWrong, kWrong},
        FailureCase{"255_mixture_groups", Slots({{'F'}, {3}, {0, 0, 1, 0, 2}, {}, {}, {255}}),
                    false, kWrong, kWrong}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VLEFileTest, ComponentBlockOfTwelveGroupsIsAWrongParameter) {
  TVLEParams params = MakeParams('F', {0, 1});
  params.CompGroups[1].G = 12;
  const std::string name = folder_.File("groups.dat");
  WriteVLEDataFile(name, params);
  EXPECT_EQ(LoadFailure(name), kWrong);
}

// ---------------------------------------------------------------- asking

TEST_F(VLEFileTest, AskingShowsTheOpenDialogInTheLanguageAndLoadsTheChoice) {
  const std::string name = folder_.File("chosen.dat");
  WriteVLEDataFile(name, MakeParams('Q', {2, 0}));
  struct Expected {
    std::uint8_t lang;
    const char* title;
    const char* filter;
    const char* firstName;
  };
  for (const Expected e : {Expected{1, "Opening file", "Datafiles|*.dat", "comp.3"},
                           Expected{2, "Загрузка файла", "Файлы данных|*.dat", "комп.3"}}) {
    Lang = e.lang;
    ScriptedDialog dialog;
    dialog.AnswerOpenFile(name);
    DialogScope scope(dialog);
    std::string fileName = "earlier.dat";
    std::string modelName;
    std::uint16_t slots = 0;
    LoadVLEDataFile(true, fileName, modelName, slots);
    ASSERT_EQ(dialog.OpenRequests.size(), 1u);
    EXPECT_EQ(dialog.OpenRequests[0].Title, e.title);
    EXPECT_EQ(dialog.OpenRequests[0].Filter, e.filter);
    EXPECT_EQ(fileName, name);
    EXPECT_EQ(modelName, "UNIQUAC");
    EXPECT_EQ(slots, 2 + 2 + 6);
    EXPECT_EQ(CompNames[0], e.firstName);
  }
}

TEST_F(VLEFileTest, CancelledOpenDialogIsAFileNotRetrieved) {
  ScriptedDialog dialog;
  dialog.AnswerOpenFile("");
  DialogScope scope(dialog);
  std::string fileName = "earlier.dat";
  std::string modelName;
  std::uint16_t slots = 7;
  EXPECT_THROW(LoadVLEDataFile(true, fileName, modelName, slots), ProgramTermination);
  EXPECT_EQ(dialog.MessageTexts(), std::vector<std::string>{"File  is not retrieved"});
  EXPECT_EQ(slots, 0);
}

TEST_F(VLEFileTest, FolderGivenAsTheFileIsNotRetrieved) {
  const std::string name = folder_.File("");
  EXPECT_EQ(LoadFailure(name), "File " + name + " is not retrieved");
}

// ---------------------------------------------------------------- writing

TEST_F(VLEFileTest, FailedWriteThrowsAndLeavesNothingBehind) {
  const TVLEParams params = MakeParams('W', {0, 1});
  EXPECT_THROW(WriteVLEDataFile(folder_.File("no-such-folder/w.dat"), params), DataFileWriteError);

  // A folder in the way of the name: the write fails, the folder stays and
  // no partial file is left beside it.
  const std::string inTheWay = folder_.File("in-the-way.dat");
  std::filesystem::create_directory(inTheWay);
  EXPECT_THROW(WriteVLEDataFile(inTheWay, params), DataFileWriteError);
  EXPECT_TRUE(std::filesystem::is_directory(inTheWay));
  EXPECT_FALSE(std::filesystem::exists(inTheWay + ".part"));
}

// A folder that takes no new file and a full disk: the earlier file and its
// backup stay as they were, and nothing else is left.
TEST_F(VLEFileTest, FailedReplacementKeepsTheEarlierFileAndItsBackup) {
  const std::string name = folder_.File("mix.dat");
  const std::string backup = folder_.File("mix.bak");
  const Bytes earlier = EncodeVLESection(MakeParams('W', {0, 1}));
  const Bytes olderBackup(3, 0xBB);
  const TVLEParams replacement = MakeParams('F', {0, 1, 2, 3});  // thousands of bytes
  const auto check = [&](const char* fault) {
    EXPECT_THROW(WriteVLEDataFile(name, replacement, KeepBackup::Yes), DataFileWriteError) << fault;
  };
  for (const bool fullDisk : {false, true}) {
    WriteBytes(name, earlier);
    WriteBytes(backup, olderBackup);
    if (fullDisk) {
      testing::FileSizeLimit full(earlier.size());
      check("full disk");
    } else {
      testing::ReadOnlyFolder readOnly(std::filesystem::path(name).parent_path().string());
      if (!readOnly.Refuses()) continue;  // this file system cannot refuse new files
      check("read-only folder");
    }
    EXPECT_EQ(ReadBytes(name), earlier);
    EXPECT_EQ(ReadBytes(backup), olderBackup);
    EXPECT_EQ(std::distance(
                  std::filesystem::directory_iterator(std::filesystem::path(name).parent_path()),
                  std::filesystem::directory_iterator()),
              2);
  }
}

TEST_F(VLEFileTest, WritingReplacesAnEarlierFileWhole) {
  const std::string name = folder_.File("replace.dat");
  WriteBytes(name, Bytes(5000, 0xEE));
  WriteVLEDataFile(name, MakeParams('W', {0, 1}));
  EXPECT_EQ(ReadBytes(name).size(), 10 * kSlotSize);
  EXPECT_FALSE(std::filesystem::exists(name + ".part"));
}

}  // namespace
}  // namespace vexilor
