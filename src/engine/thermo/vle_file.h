// The VLE data file: a binary file of 16-byte slots that stores a VLE
// parameter set. Each slot holds one value at its start (a byte, or a real
// as 10-byte little-endian extended); the rest of the slot is zero padding.
// Whatever follows the VLE section belongs to the column data block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/shell/whole_file.h"
#include "engine/thermo/vle_params.h"

namespace vexilor {

inline constexpr std::size_t kSlotSize = 16;
//! Slots of one component group block in the file (its first 1344 bytes).
inline constexpr std::size_t kGroupBlockSlots = kGroupBlockFileSize / kSlotSize;

//! Slots the VLE section of params occupies: 2 + N, plus N(N+1) for Wilson
//! and UNIQUAC, 2N(N+1) for NRTL, 1 + G + 1 + 2G + 84N + G^2 for UNIFAC.
std::uint16_t VLESectionSlotCount(const TVLEParams& params);

//! The VLE section of params as the file stores it, slot by slot, in the
//! layout of params' model letter. params.N must be 1..4 and, for UNIFAC,
//! params.G at most 11.
std::vector<std::uint8_t> EncodeVLESection(const TVLEParams& params);

//! A VLE data file could not be written; what() names the file and the cause.
class DataFileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

//! Writes params as a new VLE data file, replacing a file of that name (kept
//! as its ".bak" with KeepBackup::Yes). The file is written whole or not at
//! all (WriteWholeFile): on failure DataFileWriteError is thrown and the
//! name and the backup keep what they held.
void WriteVLEDataFile(const std::string& fileName, const TVLEParams& params,
                      KeepBackup backup = KeepBackup::No);

//! How reading a VLE section ended.
enum class VLEReadStatus {
  Ok,
  NotComplete,     //!< the file ends before the section does
  WrongParameter,  //!< unknown model letter, a count or index out of range, or a real
                   //!< that is NaN or infinite
};

struct VLEReadResult {
  VLEReadStatus Status = VLEReadStatus::Ok;
  TVLEParams Params;            //!< the section read over the given start params
  std::uint16_t SlotCount = 0;  //!< slots of the section when Status is Ok
};

//! Reads the VLE section at the start of a file's bytes into a copy of
//! start (fields the section does not hold keep their values; a UNIFAC
//! section clears the group matrix and the component blocks first). Only
//! whole slots count: a trailing partial slot is past the end of the file.
//! componentCount: records in the component database, the bound of the
//! component indexes.
VLEReadResult DecodeVLESection(std::span<const std::uint8_t> file, const TVLEParams& start,
                               std::size_t componentCount);

//! Loads a VLE data file into VLEParams and sets CompNames (in the language
//! of Lang, at most 20 characters) and CompConstants (Antoine constants and
//! molar mass of each component; r and q for UNIQUAC and UNIFAC).
//! ask: let the user pick the file first (fileName receives the choice).
//! modelName receives the model's name, slotCount the section's slots.
//! A file that cannot be opened, ends early or holds a wrong parameter ends
//! the program after an error message (ProgramTermination).
void LoadVLEDataFile(bool ask, std::string& fileName, std::string& modelName,
                     std::uint16_t& slotCount);

}  // namespace vexilor
