// The data the program carries in itself: four components, the steam
// tables, the measured equilibrium of their pairs and the literature UNIFAC
// main-group table.
#pragma once

namespace vexilor {

//! Fills ComponentBase, the steam tables, EquilBase and LiteratureGroupTable
//! from the built-in data and remembers the enthalpy tables as loaded.
//! Replaces whatever they held, so it may be called again (tests do).
void LoadBuiltInData();

}  // namespace vexilor
