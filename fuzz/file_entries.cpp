// The entries over files: the VLE data file, the column data block and the
// results text.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/column/column_block.h"
#include "engine/shell/cp1251.h"
#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_file.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/vle_file.h"
#include "engine/thermo/vle_models.h"
#include "fuzz/fuzz_entries.h"
#include "fuzz/harness.h"

namespace vexilor::fuzz {

namespace {

// Loads the harness's file as a VLE data file; the slot count of its
// section, or nothing when the reader refused it with its message.
std::optional<std::uint16_t> LoadSection(Harness& harness, std::size_t size) {
  std::string fileName = harness.File.Path();
  std::string modelName;
  std::uint16_t slotCount = 0;
  const long messagesBefore = harness.Dialog.MessageCount;
  try {
    LoadVLEDataFile(false, fileName, modelName, slotCount);
  } catch (const ProgramTermination&) {
    Require(harness.Dialog.MessageCount == messagesBefore + 1, "a refusal shows one message");
    return std::nullopt;
  } catch (const NumericFailure&) {
    return std::nullopt;  // group occurrences summing to zero: the run ends with the error
  }
  const TVLEParams& params = VLEParams;
  Require(params.N >= 2 && params.N <= kMaxComponents, "component count within 2..4");
  for (int i = 0; i < params.N; ++i)
    Require(params.Indexes[i] < ComponentBase.size(), "component index within the database");
  Require(params.ModelLetter != 'F' || params.G <= kMaxGroups, "group count within 11");
  Require(slotCount == VLESectionSlotCount(params), "slot count of the section read");
  Require(std::size_t{slotCount} * kSlotSize <= size, "section within the file");
  Require(modelName == ModelNameOf(params.ModelLetter), "model name of the letter");
  return slotCount;
}

// Writing the loaded set and reading it back gives the same bytes.
void CheckSectionRoundTrip() {
  const std::vector<std::uint8_t> encoded = EncodeVLESection(VLEParams);
  const VLEReadResult again = DecodeVLESection(encoded, VLEParams, ComponentBase.size());
  Require(again.Status == VLEReadStatus::Ok, "an encoded section reads");
  Require(EncodeVLESection(again.Params) == encoded, "an encoded section reads as itself");
}

// One evaluation of the model the file describes: a fault of its
// arithmetic is a NumericFailure, never anything worse.
void EvaluateModel() {
  const auto model = CreateVLEObj(VLEParams);
  ComponentVector x{};
  for (int i = 0; i < VLEParams.N; ++i) x[i] = Real{1} / VLEParams.N;
  ComponentVector gamma{};
  try {
    model->PrepareComposition(x);
    model->ActivityCoefficients(x, gamma, 1.3L);
  } catch (const NumericFailure&) {
  }
}

void SetLanguageBy(std::size_t size) {
  Lang = size % 2 == 0 ? 1 : 2;
}

}  // namespace

int LoadVLEDataFileEntry(const std::uint8_t* data, std::size_t size) {
  Harness& harness = Harness::Get();
  SetLanguageBy(size);
  harness.File.Replace(data, size);
  if (!LoadSection(harness, size)) return 0;
  CheckSectionRoundTrip();
  EvaluateModel();
  return 0;
}

int ReadColumnBlockEntry(const std::uint8_t* data, std::size_t size) {
  Harness& harness = Harness::Get();
  SetLanguageBy(size);
  harness.File.Replace(data, size);
  const auto slotCount = LoadSection(harness, size);
  if (!slotCount) return 0;
  const std::string& fileName = harness.File.Path();
  const int n = VLEParams.N;
  const auto present = ColumnBlockPresent(fileName, *slotCount);
  Require(present.has_value(), "the file is there");

  ColumnBlock block;
  try {
    block = ReadColumnBlock(fileName, *slotCount, n);
  } catch (const ColumnFileError& error) {
    Require(std::string(error.what()).starts_with(LoadFailureMessage(fileName)),
            "a refused block names the file");
    return 0;
  }
  ColumnProblem& problem = block.Problem;
  Require(*present, "a block was read from a file that holds one");
  Require(problem.TrayCount >= 1 && problem.TrayCount <= MaxTrayCount(n), "tray count fits");
  Require(problem.ComponentCount() == n, "components of the VLE section");
  Require(StoredProblemUsable(problem), "the block read is usable");
  problem.RebuildTrayLists();
  for (const std::uint8_t stage : problem.FeedTrays)
    Require(stage < problem.StageCount(), "feed stage on the column");

  // The run writes its constants back into the block and reads its
  // approximation from there: both must find what was read.
  RewriteControlConstants(fileName, *slotCount, problem);
  ColumnProblem reread = ReadColumnBlock(fileName, *slotCount, n).Problem;
  Require(EncodeColumnBlock(reread) == EncodeColumnBlock(problem), "a rewritten block reads back");
  ReadApproximation(fileName, *slotCount, reread);
  Require(reread.Approx == problem.Approx, "the approximation reads back");
  return 0;
}

int DecodeResultsFileEntry(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = DecodeResultsFile(bytes);
  for (const std::string& line : lines) {
    Require(IsValidUtf8(line), "lines are UTF-8");
    Require(line.find_first_of("\r\n") == std::string::npos, "lines hold no line break");
  }
  // Saving what was opened keeps its lines (characters Windows-1251 lacks
  // become '?'); an empty text saves as one line break, which opens as one
  // empty line.
  const std::vector<std::string> saved = DecodeResultsFile(EncodeResultsFile(lines));
  Require(saved.size() == std::max<std::size_t>(lines.size(), 1), "saving keeps the lines");
  return 0;
}

}  // namespace vexilor::fuzz
