#include "engine/thermo/vle_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>

#include "engine/shell/cp1251.h"
#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "engine/shell/x87.h"

namespace vexilor {

namespace {

constexpr std::size_t kNameCharacters = 20;

// The longest VLE section: UNIFAC with four components and eleven groups.
constexpr std::size_t kMaxSectionSlots = 2 + kMaxComponents + 1 + kMaxGroups + 1 + 2 * kMaxGroups +
                                         kGroupBlockSlots * kMaxComponents +
                                         kMaxGroups * kMaxGroups;

bool IsPairModel(char letter) {
  return letter == 'W' || letter == 'N' || letter == 'Q';
}

// Slots of one (i, j) entry of the pair models: a_ij, a_ji, and for NRTL
// also alpha_ij, alpha_ji.
std::size_t SlotsPerPair(char letter) {
  return letter == 'N' ? 4 : 2;
}

// The energy parameter (i, j) of a pair model: UNIQUAC a, NRTL b or Wilson a.
template <class Params>
auto& EnergyParameter(Params& params, int i, int j) {
  switch (params.ModelLetter) {
    case 'Q':
      return params.UniquacA[i][j];
    case 'N':
      return params.NrtlB[i][j];
    default:
      return params.WilsonA[i][j];
  }
}

// --- writing -------------------------------------------------------------

class SlotWriter {
 public:
  //! count zeroed slots appended; returns their bytes.
  std::span<std::uint8_t> Block(std::size_t count) {
    const std::size_t start = bytes_.size();
    bytes_.resize(start + count * kSlotSize, 0);
    return std::span<std::uint8_t>(bytes_).subspan(start, count * kSlotSize);
  }
  void Byte(std::uint8_t value) { Block(1)[0] = value; }
  void Extended(Real value) { EncodeExtended(value, Block(1).first<kExtendedSize>()); }

  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

void WritePairModel(const TVLEParams& params, SlotWriter& out) {
  for (int i = 0; i < params.N; ++i) {
    for (int j = i; j < params.N; ++j) {
      out.Extended(EnergyParameter(params, i, j));
      out.Extended(EnergyParameter(params, j, i));
      if (params.ModelLetter == 'N') {
        out.Extended(params.NrtlAlpha[i][j]);
        out.Extended(params.NrtlAlpha[j][i]);
      }
    }
  }
}

void WriteUnifac(const TVLEParams& params, SlotWriter& out) {
  out.Byte(params.G);
  for (int m = 0; m < params.G; ++m) out.Byte(params.Numbers[m]);
  auto letters = out.Block(1);
  for (int m = 0; m < kMaxGroups; ++m) letters[m] = static_cast<std::uint8_t>(params.Letters[m]);
  for (int m = 0; m < params.G; ++m) out.Extended(params.Q[m]);
  for (int m = 0; m < params.G; ++m) out.Extended(params.R[m]);
  std::array<std::uint8_t, kGroupBlockSize> block{};
  for (int i = 0; i < params.N; ++i) {
    EncodeGroupBlock(params.CompGroups[i], block);
    auto slots = out.Block(kGroupBlockSlots);
    std::memcpy(slots.data(), block.data(), kGroupBlockFileSize);
  }
  for (int m = 0; m < params.G; ++m) {
    for (int n = 0; n < params.G; ++n) out.Extended(params.GroupA[m][n]);
  }
}

// --- reading -------------------------------------------------------------

// The section ended before the value about to be read.
struct SectionIncomplete {};
// A value that no section may hold.
struct SectionWrong {};

class SlotReader {
 public:
  explicit SlotReader(std::span<const std::uint8_t> file)
      : file_(file), slotsInFile_(file.size() / kSlotSize) {}

  //! The next count slots. The end-of-file test comes before every read,
  //! and a block that the file cuts short counts as ending early too.
  std::span<const std::uint8_t> Block(std::size_t count) {
    if (next_ + count > slotsInFile_) throw SectionIncomplete{};
    const auto block = file_.subspan(next_ * kSlotSize, count * kSlotSize);
    next_ += count;
    return block;
  }
  std::uint8_t Byte() { return Block(1)[0]; }
  Real Extended() { return ExtendedAt(Block(1), 0); }

  //! A parameter of the section: NaN and the infinities are none, and
  //! would only fault far from the file in the calculation.
  static Real ExtendedAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const Real value = DecodeExtended(bytes.subspan(offset).first<kExtendedSize>());
    if (!std::isfinite(value)) throw SectionWrong{};
    return value;
  }

  std::size_t SlotsRead() const { return next_; }

 private:
  std::span<const std::uint8_t> file_;
  std::size_t slotsInFile_;
  std::size_t next_ = 0;
};

void ReadPairModel(SlotReader& in, TVLEParams& params) {
  const char letter = params.ModelLetter;
  for (int i = 0; i < params.N; ++i) {
    for (int j = i; j < params.N; ++j) {
      // One end-of-file test per pair: the pair's slots come as one block.
      const auto pair = in.Block(SlotsPerPair(letter));
      EnergyParameter(params, i, j) = SlotReader::ExtendedAt(pair, 0);
      EnergyParameter(params, j, i) = SlotReader::ExtendedAt(pair, kSlotSize);
      if (letter == 'N') {
        params.NrtlAlpha[i][j] = SlotReader::ExtendedAt(pair, 2 * kSlotSize);
        params.NrtlAlpha[j][i] = SlotReader::ExtendedAt(pair, 3 * kSlotSize);
      }
    }
  }
}

bool AllFinite(std::span<const Real> values) {
  return std::all_of(values.begin(), values.end(), [](Real value) { return std::isfinite(value); });
}

bool AllFinite(const GroupBlock& block) {
  bool finite = AllFinite(block.Q) && AllFinite(block.R) && AllFinite(block.X);
  for (const auto& row : block.A) finite = finite && AllFinite(row);
  return finite;
}

void ReadUnifac(SlotReader& in, TVLEParams& params) {
  // A UNIFAC section brings a fresh group matrix and fresh component blocks.
  params.GroupA = {};
  params.CompGroups = {};
  params.G = in.Byte();
  if (params.G > kMaxGroups) throw SectionWrong{};
  for (int m = 0; m < params.G; ++m) params.Numbers[m] = in.Byte();
  const auto letters = in.Block(1);
  for (int m = 0; m < kMaxGroups; ++m) params.Letters[m] = static_cast<char>(letters[m]);
  for (int m = 0; m < params.G; ++m) params.Q[m] = in.Extended();
  for (int m = 0; m < params.G; ++m) params.R[m] = in.Extended();
  for (int i = 0; i < params.N; ++i) {
    params.CompGroups[i] = DecodeGroupBlock(in.Block(kGroupBlockSlots));
    if (params.CompGroups[i].G > kMaxGroups || !AllFinite(params.CompGroups[i])) {
      throw SectionWrong{};
    }
  }
  for (int m = 0; m < params.G; ++m) {
    for (int n = 0; n < params.G; ++n) params.GroupA[m][n] = in.Extended();
  }
}

// Reads at most the longest possible section from the file; nullopt when the
// file cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadSectionBytes(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::vector<std::uint8_t> bytes(kMaxSectionSlots * kSlotSize);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  // A short read sets eofbit and failbit; badbit (or failbit without eofbit,
  // as a folder gives) means the file could not be read at all.
  if (file.bad() || (file.fail() && !file.eof())) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

// Names, constants, and for UNIQUAC and UNIFAC the sums r and q, of the
// components of the loaded parameter set.
void SetComponentData(const TVLEParams& params) {
  GroupBlock work;
  for (int i = 0; i < params.N; ++i) {
    const Pro& record = ComponentBase[params.Indexes[i]];
    CompNames[i] = CutToCharacters(PickText(Lang, record.NameEn, record.NameRu), kNameCharacters);
    GetProperty(CompNames[i], "all", 0, work, CompConstants.A[i], CompConstants.B[i],
                CompConstants.C[i], CompConstants.M[i]);
    if (params.ModelLetter == 'F' || params.ModelLetter == 'Q') {
      GroupSums(work, CompConstants.r[i], CompConstants.q[i]);
    }
  }
}

}  // namespace

std::uint16_t VLESectionSlotCount(const TVLEParams& params) {
  const int n = params.N;
  const int g = params.G;
  int count = 2 + n;
  if (params.ModelLetter == 'W' || params.ModelLetter == 'Q') count += n * (n + 1);
  if (params.ModelLetter == 'N') count += 2 * n * (n + 1);
  if (params.ModelLetter == 'F') {
    count += 1 + g + 1 + 2 * g + static_cast<int>(kGroupBlockSlots) * n + g * g;
  }
  return static_cast<std::uint16_t>(count);
}

std::vector<std::uint8_t> EncodeVLESection(const TVLEParams& params) {
  SlotWriter out;
  out.Byte(static_cast<std::uint8_t>(params.ModelLetter));
  out.Byte(params.N);
  auto indexes = out.Block(params.N);
  for (int i = 0; i < params.N; ++i) {
    indexes[2 * i] = static_cast<std::uint8_t>(params.Indexes[i] & 0xFF);
    indexes[2 * i + 1] = static_cast<std::uint8_t>(params.Indexes[i] >> 8);
  }
  if (IsPairModel(params.ModelLetter)) WritePairModel(params, out);
  if (params.ModelLetter == 'F') WriteUnifac(params, out);
  return out.Take();
}

void WriteVLEDataFile(const std::string& fileName, const TVLEParams& params, KeepBackup backup) {
  const auto bytes = EncodeVLESection(params);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (const auto cause = WriteWholeFile(fileName, text, backup)) {
    throw DataFileWriteError("Cannot write file " + fileName + ": " + *cause);
  }
}

VLEReadResult DecodeVLESection(std::span<const std::uint8_t> file, const TVLEParams& start,
                               std::size_t componentCount) {
  VLEReadResult result;
  result.Params = start;
  TVLEParams& params = result.Params;
  SlotReader in(file);
  try {
    const char letter = static_cast<char>(in.Byte());
    if (!IsPairModel(letter) && letter != 'F') throw SectionWrong{};
    params.ModelLetter = letter;
    params.N = in.Byte();
    // Counts and indexes size the arrays the models walk: refuse any that
    // would reach past them.
    if (params.N < 2 || params.N > kMaxComponents) throw SectionWrong{};
    const auto indexes = in.Block(params.N);
    for (int i = 0; i < params.N; ++i) {
      params.Indexes[i] = static_cast<std::uint16_t>(indexes[2 * i] | (indexes[2 * i + 1] << 8));
      if (params.Indexes[i] >= componentCount) throw SectionWrong{};
    }
    if (IsPairModel(letter)) ReadPairModel(in, params);
    if (letter == 'F') ReadUnifac(in, params);
  } catch (const SectionIncomplete&) {
    result.Status = VLEReadStatus::NotComplete;
    return result;
  } catch (const SectionWrong&) {
    result.Status = VLEReadStatus::WrongParameter;
    return result;
  }
  result.SlotCount = static_cast<std::uint16_t>(in.SlotsRead());
  return result;
}

void LoadVLEDataFile(bool ask, std::string& fileName, std::string& modelName,
                     std::uint16_t& slotCount) {
  if (ask) {
    FileDialogRequest request;
    request.Title = ByLang("Opening file", "Загрузка файла");
    request.Filter = ByLang("Datafiles|*.dat", "Файлы данных|*.dat");
    fileName = Dialog().OpenFileName(request);
  }
  slotCount = 0;
  const auto bytes = ReadSectionBytes(fileName);
  if (!bytes) {
    EndProgram(
        MessageKind::Error, ButtonSet::Ok,
        Lang == 1 ? "File " + fileName + " is not retrieved" : "Файл " + fileName + " не найден");
  }
  const auto result = DecodeVLESection(*bytes, VLEParams, ComponentBase.size());
  switch (result.Status) {
    case VLEReadStatus::NotComplete:
      EndProgram(MessageKind::Error, ButtonSet::Ok,
                 Lang == 1 ? "Datafile " + fileName + " is not complete"
                           : "Файл данных " + fileName + " не полный");
    case VLEReadStatus::WrongParameter:
      EndProgram(MessageKind::Error, ButtonSet::Ok, "wrong parameter in DataFile");
    case VLEReadStatus::Ok:
      break;
  }
  VLEParams = result.Params;
  modelName = ModelNameOf(VLEParams.ModelLetter);
  slotCount = result.SlotCount;
  SetComponentData(VLEParams);
}

}  // namespace vexilor
