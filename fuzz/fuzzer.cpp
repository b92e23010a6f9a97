// A libFuzzer program: VEXILOR_FUZZ_ENTRY names the entry it drives.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return vexilor::fuzz::VEXILOR_FUZZ_ENTRY(data, size);
}
