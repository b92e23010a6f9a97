#include "engine/shell/failures.h"

#include <cmath>

#include "engine/shell/format.h"

namespace vexilor {

NumericFailure::NumericFailure(std::string routine, std::string what, long double value)
    : std::runtime_error(routine + ": " + what + " (" + Format("%.18Lg", value) + ")"),
      routine_(std::move(routine)),
      value_(value) {}

long double CheckFinite(long double value, const char* routine, const char* what) {
  if (!std::isfinite(value)) throw NumericFailure(routine, what, value);
  return value;
}

}  // namespace vexilor
