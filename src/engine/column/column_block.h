// The column data block: a column problem stored in the VLE data file right
// behind the equilibrium data (at byte 16 * C, C being the slots of the VLE
// section), so that a calculation can be repeated or continued.
//
// Layout, n components, N = NT + 2 stages, integers little-endian, reals as
// 10-byte x87 extended values, arrays without gaps:
//   0 DataSource ('2')   1 BlockInFile ('1')   2 UnitsKind   3 TrayCount (u16)
//   5 HeatingKind   6 SteamFlow   16 SteamPressure   26 ColumnPressure
//   36 FeedComp [n][N]   36+10nN LiveSteamComp [n][N]   36+20nN FeedFlow [N]
//   +10N LiveSteamFlow [N]   +20N CatchFlow [N]   36+20nN+30N ConvConst
//   46+20nN+30N BreakMeasure   56+20nN+30N Approx [N(n+1)]
// Neither n nor the names are stored: a block means something only behind
// the VLE data it was written with. Nothing follows it; a longer file (an
// earlier, larger block) keeps its tail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/column/column_problem.h"

namespace vexilor {

//! A column problem as a block holds it, with the two run-state characters.
struct ColumnBlock {
  ColumnProblem Problem;
  char DataSource = '2';
  char BlockInFile = '1';
};

//! Bytes of the block of a column with `components` components and
//! trayCount trays: 56 + N (30 n + 40).
std::size_t ColumnBlockSize(int components, int trayCount);
//! Offset of ConvConst within the block: 36 + 20 n N + 30 N.
std::size_t ControlConstantsOffset(int components, int trayCount);

//! The block of problem, with DataSource '2' and BlockInFile '1'.
std::vector<std::uint8_t> EncodeColumnBlock(const ColumnProblem& problem);

//! Reads a block of `components` components from bytes (the bytes from
//! the start of the block on). nullopt when the bytes end before the block
//! does. The tray count is taken as stored; callers check it. FeedTrays and
//! CatchTrays are left empty.
std::optional<ColumnBlock> DecodeColumnBlock(std::span<const std::uint8_t> bytes, int components);

//! Whether a problem read from a block can be calculated: every real
//! finite, the units 1 or 2, the heating 'd', 'D', 'l' or 'L', a column
//! pressure above 0, a steam pressure within the steam tables, no negative
//! flow and every fraction within 0..1. Blocks are written from entries
//! checked alike; anything else is a damaged or foreign block.
bool StoredProblemUsable(const ColumnProblem& problem);

//! A block operation failed; what() is the message for the user, in the
//! language of interface, ending with the file name.
class ColumnFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

//! Whether the file holds at least one whole 16-byte slot after its first
//! slotCount slots (the end-of-data test); nullopt when it cannot be opened.
std::optional<bool> ColumnBlockPresent(const std::string& fileName, std::uint16_t slotCount);

//! Reads the block behind slotCount slots. A block that cannot be read,
//! whose tray count does not fit the solver or whose values are not
//! usable (StoredProblemUsable) throws ColumnFileError.
ColumnBlock ReadColumnBlock(const std::string& fileName, std::uint16_t slotCount, int components);

//! Writes the whole block of problem into the existing file, without
//! truncating it. Every write into the file is read back and compared: a
//! write the file does not hold afterwards throws ColumnFileError, as a
//! failed one does.
void WriteColumnBlock(const std::string& fileName, std::uint16_t slotCount,
                      const ColumnProblem& problem);

//! Rewrites ConvConst, BreakMeasure and Approx of the stored block.
void RewriteControlConstants(const std::string& fileName, std::uint16_t slotCount,
                             const ColumnProblem& problem);

//! Rewrites BreakMeasure of the stored block.
void RewriteBreakMeasure(const std::string& fileName, std::uint16_t slotCount,
                         const ColumnProblem& problem);

//! Reads Approx of the stored block into problem.Approx (the other
//! elements are left as they are). Throws ColumnFileError.
void ReadApproximation(const std::string& fileName, std::uint16_t slotCount,
                       ColumnProblem& problem);

//! "It was not possible to load the data from the file" + fileName.
std::string LoadFailureMessage(const std::string& fileName);
//! "It was not possible to keep the data in a file" + fileName.
std::string KeepFailureMessage(const std::string& fileName);

}  // namespace vexilor
