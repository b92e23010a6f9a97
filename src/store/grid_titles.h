// Column titles of the browser's three grids, taken from the current
// calculation itself: its own language (RLang, not the language of
// interface), its unit texts and its component names.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/stored_calculation.h"

namespace vexilor::store {

//! One entry per grid column: its title, or nullopt for a hidden column.
using ColumnTitles = std::vector<std::optional<std::string>>;

struct GridTitles {
  ColumnTitles Calculations;  //!< 30 columns: InitData Rect_Id .. RfileVLE
  ColumnTitles Streams;       //!< 12 columns: the AddData fields in table order
  ColumnTitles Trays;         //!< 19 columns: RctResult TrayNmb .. TRect
};

//! Number of component columns the grids title, whatever RquantComp says;
//! an absent component's titles begin with the separator text.
inline constexpr int kTitledComponents = 5;

//! Titles for the grids while `current` is the current calculation.
GridTitles RetitleGrids(const InitDataRow& current);

}  // namespace vexilor::store
