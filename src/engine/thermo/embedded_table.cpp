#include "engine/thermo/embedded_table.h"

#include <stdexcept>
#include <string>

namespace vexilor {

std::vector<Real> EmbeddedTable::Column(std::string_view name) const {
  for (std::size_t column = 0; column < Names.size(); ++column) {
    if (Names[column] != name) continue;
    std::vector<Real> values;
    values.reserve(Rows());
    for (std::size_t row = 0; row < Rows(); ++row)
      values.push_back(Values[row * Names.size() + column]);
    return values;
  }
  throw std::logic_error("embedded table has no column " + std::string(name));
}

}  // namespace vexilor
