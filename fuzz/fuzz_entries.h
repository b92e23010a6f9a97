// The entries of the fuzz targets. Each takes one input of arbitrary bytes,
// feeds it to the code a user's file or command line reaches, and checks
// what that code promises of the result; a broken promise or a fault ends
// the process. The libFuzzer programs call them, and so does the
// regression test over the kept corpora.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vexilor::fuzz {

//! The VLE data file reader (LoadVLEDataFile) on a file of these bytes.
int LoadVLEDataFileEntry(const std::uint8_t* data, std::size_t size);

//! The column data block reader behind whatever VLE section the bytes
//! start with: the file's block read, written back and read again.
int ReadColumnBlockEntry(const std::uint8_t* data, std::size_t size);

//! The decoding the results text's Open applies to a file's bytes (UTF-8
//! or Windows-1251), and the encoding Save applies to the lines.
int DecodeResultsFileEntry(const std::uint8_t* data, std::size_t size);

//! The problem options of `vexilor-cli column`, one argument a line, parsed
//! and checked for mixtures of two to four components.
int ParseColumnOptionsEntry(const std::uint8_t* data, std::size_t size);

using Entry = int (*)(const std::uint8_t* data, std::size_t size);

//! A fuzz target: its name (also its corpus folder) and its entry.
struct Target {
  std::string_view Name;
  Entry Run;
};

//! Every fuzz target.
std::span<const Target> Targets();

}  // namespace vexilor::fuzz
