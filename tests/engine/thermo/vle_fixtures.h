// Parameter sets of every model over the built-in components, made as the
// estimation would leave them, for the tests of the data file, the models
// and the equilibrium.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/thermo/vle_params.h"

namespace vexilor::testing {

//! A parameter set of model letter for the built-in components indexes.
//! Wilson, NRTL, UNIQUAC: distinct non-zero energy parameters off the
//! diagonal, 0 on it, NRTL alpha 0.3. UNIFAC: the mixture's groups merged
//! from the components' blocks, the literature main-group parameters
//! between them (0 within one main group), each component block with its
//! group fractions and its own interaction matrix filled alike.
TVLEParams MakeParams(char letter, const std::vector<std::uint16_t>& indexes);

//! English names of the components of params.
std::array<std::string, kMaxComponents> NamesOf(const TVLEParams& params);

//! Constants of the components of params as the data file loader sets them.
ComponentConstants ConstantsOf(const TVLEParams& params);

//! A fresh folder under the system's temporary folder, removed with its
//! contents when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  //! Path of name inside the folder.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

//! The bytes of a file (empty when it cannot be read).
std::vector<std::uint8_t> ReadBytes(const std::string& fileName);
//! Writes bytes as the whole file.
void WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes);

}  // namespace vexilor::testing
