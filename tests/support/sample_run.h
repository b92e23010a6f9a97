// A finished rectification run filled by hand with plausible numbers, for
// tests of the commands that read a run (reports, pictures, the store)
// without solving a column first.
#pragma once

#include <vector>

#include "engine/results/finished_run.h"
#include "engine/thermo/component_base.h"

namespace vexilor::testing {

//! Ethanol-water, 8 trays (stages 0..9), NRTL, 760 mm Hg, live steam, mass
//! units. One feed on tray 3; takeoffs on tray 6 (side fraction) and on the
//! dephlegmator, stage 9. Names in the language given (1 English).
FinishedRun EthanolWaterSideDrawRun(std::uint8_t lang = 1);

//! The same column in molar units: flows per second in kmol/s.
FinishedRun EthanolWaterSideDrawRunMolar(std::uint8_t lang = 1);

//! Replaces ComponentBase for the lifetime of the scope with the given
//! number of dummy records ("Comp A", "Comp B", ...), restoring it after.
class ScopedComponentBase {
 public:
  explicit ScopedComponentBase(int records);
  ~ScopedComponentBase();
  ScopedComponentBase(const ScopedComponentBase&) = delete;
  ScopedComponentBase& operator=(const ScopedComponentBase&) = delete;

 private:
  std::vector<Pro> saved_;
};

}  // namespace vexilor::testing
