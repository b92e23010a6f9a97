#include "store/display_text.h"

#include <array>

#include "engine/shell/format.h"
#include "store/schema.h"

namespace vexilor::store {
namespace {

//! The numbered families: prefix followed by the digit 1 .. 7.
bool IsNumbered(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + 1 && name.substr(0, prefix.size()) == prefix &&
         name.back() >= '1' && name.back() < '1' + kMaxStoredComponents;
}

}  // namespace

bool ShownInFixedPoint(std::string_view fieldName) {
  static constexpr std::array<std::string_view, 5> kSingle = {"RheatStCons", "AConsum", "Temper",
                                                              "TLiqCons", "TVapCons"};
  static constexpr std::array<std::string_view, 3> kNumbered = {"Aconc_", "TXcomp", "TYcomp"};
  for (const std::string_view name : kSingle) {
    if (fieldName == name) return true;
  }
  for (const std::string_view prefix : kNumbered) {
    if (IsNumbered(fieldName, prefix)) return true;
  }
  return false;
}

std::string FixedPointText(std::optional<double> value) {
  return Format("%8.4f", value.value_or(0.0));
}

}  // namespace vexilor::store
