#include "engine/shell/format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace vexilor {

std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, fmt, copy);
  va_end(copy);
  std::string result;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), fmt, args);
    result.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return result;
}

std::string FormatGeneral(long double value, int significantDigits) {
  return Format("%.*Lg", significantDigits, value);
}

}  // namespace vexilor
