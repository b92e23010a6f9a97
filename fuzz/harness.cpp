#include "fuzz/harness.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "engine/thermo/builtin_data.h"
#include "fuzz/fuzz_entries.h"

namespace vexilor::fuzz {

SilentDialog::SilentDialog() : CliDialog(std::fopen("/dev/null", "w")) {}

Answer SilentDialog::ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) {
  ++MessageCount;
  LastMessage = text;
  return CliDialog::ShowMessage(kind, buttons, text);
}

MemoryFile::MemoryFile() {
  descriptor_ = ::memfd_create("vexilor-fuzz", MFD_CLOEXEC);
  Require(descriptor_ >= 0, "memfd_create");
  path_ = "/proc/self/fd/" + std::to_string(descriptor_);
}

MemoryFile::~MemoryFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

void MemoryFile::Replace(const std::uint8_t* data, std::size_t size) {
  Require(::ftruncate(descriptor_, 0) == 0, "ftruncate");
  std::size_t done = 0;
  while (done < size) {
    const ssize_t written =
        ::pwrite(descriptor_, data + done, size - done, static_cast<off_t>(done));
    Require(written > 0, "pwrite");
    done += static_cast<std::size_t>(written);
  }
}

Harness& Harness::Get() {
  static Harness* harness = [] {
    LoadBuiltInData();
    auto* made = new Harness;
    // Installed for the life of the process: the scope is never left.
    static DialogScope scope(made->Dialog);
    return made;
  }();
  return *harness;
}

void Require(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

std::span<const Target> Targets() {
  static constexpr Target kTargets[] = {{"vle_file", LoadVLEDataFileEntry},
                                        {"column_block", ReadColumnBlockEntry},
                                        {"results_file", DecodeResultsFileEntry},
                                        {"column_options", ParseColumnOptionsEntry}};
  return kTargets;
}

}  // namespace vexilor::fuzz
