// How stored values are shown, in the browser's grids and in reports alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexilor::store {

//! True for the fields shown in fixed point with four decimals: the steam
//! consumption, the stream flows and concentrations, and the tray
//! temperatures, flows and concentrations.
bool ShownInFixedPoint(std::string_view fieldName);

//! "%8.4f" of the value: four decimals right-aligned in 8 characters; an
//! empty value shows as 0.0000.
std::string FixedPointText(std::optional<double> value);

}  // namespace vexilor::store
