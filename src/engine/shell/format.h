// printf-style formatting into std::string.
#pragma once

#include <string>

namespace vexilor {

//! The text printf would write for fmt and the arguments. Long double
//! values need the L length modifier ("%6.2Lf").
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

//! General format with the given number of significant digits, the
//! shortest form printf's %g gives ("3000", "6.7", "1.5e-06").
std::string FormatGeneral(long double value, int significantDigits);

}  // namespace vexilor
