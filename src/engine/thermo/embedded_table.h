// A table of numbers the program carries in itself: columns named as in the
// header line of the CSV file it was generated from.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "engine/shell/real.h"

namespace vexilor {

struct EmbeddedTable {
  std::span<const std::string_view> Names;  //!< column names
  std::span<const Real> Values;             //!< row by row, Names.size() values a row

  std::size_t Rows() const { return Names.empty() ? 0 : Values.size() / Names.size(); }
  //! The values of the named column, top to bottom. A name the table does
  //! not hold is a build fault (the CSV header changed) and throws
  //! std::logic_error.
  std::vector<Real> Column(std::string_view name) const;
};

}  // namespace vexilor
