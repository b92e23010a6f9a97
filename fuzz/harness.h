// What every fuzz entry shares: the built-in data, a silent user dialog that
// records what it was shown, and an in-memory file for the readers that
// take a file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/cli_dialog.h"

namespace vexilor::fuzz {

//! The command line's dialog (cli_dialog.h) with nobody to read it: its
//! messages go nowhere, are counted and the last one kept; questions are
//! answered by the command line's policy.
class SilentDialog : public cli::CliDialog {
 public:
  SilentDialog();
  Answer ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) override;

  long MessageCount = 0;
  std::string LastMessage;
};

//! A file that lives in memory only (memfd), reachable by a path, so that
//! readers taking a file name read the fuzzer's bytes without a disk.
class MemoryFile {
 public:
  MemoryFile();
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  //! Makes bytes the whole content of the file.
  void Replace(const std::uint8_t* data, std::size_t size);
  const std::string& Path() const { return path_; }

 private:
  int descriptor_ = -1;
  std::string path_;
};

//! The state every entry runs in, made once: the built-in data loaded, the
//! silent dialog installed, one memory file.
struct Harness {
  SilentDialog Dialog;
  MemoryFile File;

  static Harness& Get();
};

//! Ends the process at once when an invariant of the code under test is
//! broken: the fuzzer reports it as a crash with the input that did it.
void Require(bool holds, std::string_view what);

}  // namespace vexilor::fuzz
