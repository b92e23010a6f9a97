#include "engine/column/column_block.h"

#include <algorithm>
#include <fstream>
#include <limits>

#include "engine/column/run_texts.h"
#include "engine/shell/x87.h"
#include "engine/thermo/vle_file.h"

namespace vexilor {

namespace {

constexpr std::size_t kHeaderSize = 36;  // up to and including ColumnPressure
constexpr std::size_t kTrayCountOffset = 3;

std::size_t ApproxOffset(int n, int trayCount) {
  return ControlConstantsOffset(n, trayCount) + 2 * kExtendedSize;
}

std::size_t ApproxCount(int n, int trayCount) {
  return static_cast<std::size_t>(trayCount + 2) * static_cast<std::size_t>(n + 1);
}

std::streamoff BlockStart(std::uint16_t slotCount) {
  return static_cast<std::streamoff>(slotCount) * static_cast<std::streamoff>(kSlotSize);
}

class BlockWriter {
 public:
  void Byte(std::uint8_t value) { bytes_.push_back(value); }
  void Word(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value & 0xFF));
    Byte(static_cast<std::uint8_t>(value >> 8));
  }
  void Number(Real value) {
    std::array<std::uint8_t, kExtendedSize> encoded{};
    EncodeExtended(value, encoded);
    bytes_.insert(bytes_.end(), encoded.begin(), encoded.end());
  }
  void Numbers(std::span<const Real> values) {
    for (const Real value : values) Number(value);
  }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

class BlockReader {
 public:
  explicit BlockReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Has(std::size_t count) const { return bytes_.size() - position_ >= count; }
  std::uint8_t Byte() { return bytes_[position_++]; }
  std::uint16_t Word() {
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | (Byte() << 8));
  }
  Real Number() {
    const Real value = DecodeExtended(bytes_.subspan(position_).first<kExtendedSize>());
    position_ += kExtendedSize;
    return value;
  }
  void Numbers(std::span<Real> values) {
    for (Real& value : values) value = Number();
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Writes bytes into the existing file at offset, without truncating it,
// and reads them back: a short write (a full disk, a file-size limit) or a
// file changed under the writer shows as a difference.
bool WriteAt(const std::string& fileName, std::streamoff offset,
             std::span<const std::uint8_t> bytes) {
  std::fstream file(fileName, std::ios::in | std::ios::out | std::ios::binary);
  if (!file) return false;
  file.seekp(offset);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.flush();
  if (!file) return false;
  std::vector<std::uint8_t> stored(bytes.size());
  file.seekg(offset);
  file.read(reinterpret_cast<char*>(stored.data()), static_cast<std::streamsize>(stored.size()));
  return file && std::equal(stored.begin(), stored.end(), bytes.begin(), bytes.end());
}

constexpr Real kLargest = std::numeric_limits<Real>::max();

// NaN lies within no bounds.
bool AllWithin(std::span<const Real> values, Real low, Real high) {
  return std::all_of(values.begin(), values.end(),
                     [low, high](Real value) { return value >= low && value <= high; });
}

bool AllFinite(std::span<const Real> values) {
  return AllWithin(values, -kLargest, kLargest);
}

// The bytes of the file from offset to its end; nullopt when it cannot be
// opened or is shorter than offset.
std::optional<std::vector<std::uint8_t>> ReadFrom(const std::string& fileName,
                                                  std::streamoff offset) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return std::nullopt;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (!file || size < offset) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size - offset));
  file.seekg(offset);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) return std::nullopt;
  return bytes;
}

void WriteOrThrow(const std::string& fileName, std::streamoff offset,
                  std::span<const std::uint8_t> bytes) {
  if (!WriteAt(fileName, offset, bytes)) throw ColumnFileError(KeepFailureMessage(fileName));
}

}  // namespace

std::size_t ColumnBlockSize(int components, int trayCount) {
  return ApproxOffset(components, trayCount) + kExtendedSize * ApproxCount(components, trayCount);
}

std::size_t ControlConstantsOffset(int components, int trayCount) {
  const auto n = static_cast<std::size_t>(components);
  const auto stages = static_cast<std::size_t>(trayCount + 2);
  return kHeaderSize + kExtendedSize * (2 * n * stages + 3 * stages);
}

std::vector<std::uint8_t> EncodeColumnBlock(const ColumnProblem& problem) {
  BlockWriter out;
  out.Byte('2');
  out.Byte('1');
  out.Byte(problem.UnitsKind);
  out.Word(problem.TrayCount);
  out.Byte(static_cast<std::uint8_t>(problem.HeatingKind));
  out.Number(problem.SteamFlow);
  out.Number(problem.SteamPressure);
  out.Number(problem.ColumnPressure);
  for (const auto& stages : problem.FeedComp) out.Numbers(stages);
  for (const auto& stages : problem.LiveSteamComp) out.Numbers(stages);
  out.Numbers(problem.FeedFlow);
  out.Numbers(problem.LiveSteamFlow);
  out.Numbers(problem.CatchFlow);
  out.Number(problem.ConvConst);
  out.Number(problem.BreakMeasure);
  out.Numbers(
      std::span(problem.Approx).first(ApproxCount(problem.ComponentCount(), problem.TrayCount)));
  return std::move(out.Bytes());
}

std::optional<ColumnBlock> DecodeColumnBlock(std::span<const std::uint8_t> bytes, int components) {
  BlockReader in(bytes);
  if (!in.Has(kHeaderSize)) return std::nullopt;
  ColumnBlock block;
  ColumnProblem& problem = block.Problem;
  block.DataSource = static_cast<char>(in.Byte());
  block.BlockInFile = static_cast<char>(in.Byte());
  problem.UnitsKind = in.Byte();
  const std::uint16_t trayCount = in.Word();
  const std::size_t approxCount = ApproxCount(components, trayCount);
  if (approxCount > kSolverSize || !in.Has(ColumnBlockSize(components, trayCount) - 5))
    return std::nullopt;
  problem.Allocate(trayCount, components);
  problem.HeatingKind = static_cast<char>(in.Byte());
  problem.SteamFlow = in.Number();
  problem.SteamPressure = in.Number();
  problem.ColumnPressure = in.Number();
  for (auto& stages : problem.FeedComp) in.Numbers(stages);
  for (auto& stages : problem.LiveSteamComp) in.Numbers(stages);
  in.Numbers(problem.FeedFlow);
  in.Numbers(problem.LiveSteamFlow);
  in.Numbers(problem.CatchFlow);
  problem.ConvConst = in.Number();
  problem.BreakMeasure = in.Number();
  in.Numbers(std::span(problem.Approx).first(approxCount));
  return block;
}

bool StoredProblemUsable(const ColumnProblem& p) {
  // The last component of a feed is 1 minus the others: it may miss 0 by
  // the rounding of that difference.
  constexpr Real kFractionTolerance = 1e-9L;
  const Real scalars[] = {p.SteamFlow, p.SteamPressure, p.ColumnPressure, p.ConvConst,
                          p.BreakMeasure};
  bool usable = AllFinite(scalars) && (p.UnitsKind == 1 || p.UnitsKind == 2) &&
                (p.DeadSteam() || p.LiveSteam()) && p.SteamFlow >= 0 &&
                p.SteamPressure >= kMinSteamPressure && p.SteamPressure <= kMaxSteamPressure &&
                p.ColumnPressure > 0 &&
                AllFinite(std::span(p.Approx).first(static_cast<std::size_t>(p.UnknownCount())));
  for (const auto* table : {&p.FeedComp, &p.LiveSteamComp}) {
    for (const auto& stages : *table)
      usable = usable && AllWithin(stages, -kFractionTolerance, 1 + kFractionTolerance);
  }
  for (const auto* flows : {&p.FeedFlow, &p.LiveSteamFlow, &p.CatchFlow})
    usable = usable && AllWithin(*flows, 0, kLargest);
  return usable;
}

std::optional<bool> ColumnBlockPresent(const std::string& fileName, std::uint16_t slotCount) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return std::nullopt;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (!file) return std::nullopt;
  // A file of 16-byte slots is at its end once no whole slot is left.
  return size / static_cast<std::streamoff>(kSlotSize) > slotCount;
}

ColumnBlock ReadColumnBlock(const std::string& fileName, std::uint16_t slotCount, int components) {
  const auto bytes = ReadFrom(fileName, BlockStart(slotCount));
  if (!bytes || bytes->size() < kTrayCountOffset + 2)
    throw ColumnFileError(LoadFailureMessage(fileName));
  const int trayCount = (*bytes)[kTrayCountOffset] | ((*bytes)[kTrayCountOffset + 1] << 8);
  // A tray count the solver cannot hold would overrun the unknowns.
  if (auto problem = TrayCountProblem(trayCount, components))
    throw ColumnFileError(LoadFailureMessage(fileName) + "\r\n" + *problem);
  auto block = DecodeColumnBlock(*bytes, components);
  // NaN, infinities and values no entry gives would only fault far from
  // the file, in the calculation.
  if (!block || !StoredProblemUsable(block->Problem))
    throw ColumnFileError(LoadFailureMessage(fileName));
  return std::move(*block);
}

void WriteColumnBlock(const std::string& fileName, std::uint16_t slotCount,
                      const ColumnProblem& problem) {
  WriteOrThrow(fileName, BlockStart(slotCount), EncodeColumnBlock(problem));
}

void RewriteControlConstants(const std::string& fileName, std::uint16_t slotCount,
                             const ColumnProblem& problem) {
  const int n = problem.ComponentCount();
  BlockWriter out;
  out.Number(problem.ConvConst);
  out.Number(problem.BreakMeasure);
  out.Numbers(std::span(problem.Approx).first(ApproxCount(n, problem.TrayCount)));
  WriteOrThrow(fileName,
               BlockStart(slotCount) +
                   static_cast<std::streamoff>(ControlConstantsOffset(n, problem.TrayCount)),
               out.Bytes());
}

void RewriteBreakMeasure(const std::string& fileName, std::uint16_t slotCount,
                         const ColumnProblem& problem) {
  BlockWriter out;
  out.Number(problem.BreakMeasure);
  const std::size_t offset =
      ControlConstantsOffset(problem.ComponentCount(), problem.TrayCount) + kExtendedSize;
  WriteOrThrow(fileName, BlockStart(slotCount) + static_cast<std::streamoff>(offset), out.Bytes());
}

void ReadApproximation(const std::string& fileName, std::uint16_t slotCount,
                       ColumnProblem& problem) {
  const int n = problem.ComponentCount();
  const std::size_t count = ApproxCount(n, problem.TrayCount);
  const auto bytes =
      ReadFrom(fileName, BlockStart(slotCount) +
                             static_cast<std::streamoff>(ApproxOffset(n, problem.TrayCount)));
  if (!bytes || count > kSolverSize || bytes->size() < count * kExtendedSize)
    throw ColumnFileError(LoadFailureMessage(fileName));
  SolverVector approx = problem.Approx;
  BlockReader in(*bytes);
  in.Numbers(std::span(approx).first(count));
  if (!AllFinite(std::span(approx).first(count)))
    throw ColumnFileError(LoadFailureMessage(fileName));
  problem.Approx = approx;
}

std::string LoadFailureMessage(const std::string& fileName) {
  return std::string(run_texts::kLoadFailure.Get()) + fileName;
}

std::string KeepFailureMessage(const std::string& fileName) {
  return std::string(run_texts::kKeepFailure.Get()) + fileName;
}

}  // namespace vexilor
