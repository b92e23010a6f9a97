#include "cli/input_values.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "cli/exit_codes.h"
#include "engine/shell/format.h"
#include "engine/shell/lang.h"

namespace vexilor::cli {

namespace {

constexpr Real kFractionSumTolerance = 1e-9L;

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

}  // namespace

void ParseCommandLine(CLI::App& app, int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '\0') {
      throw CLI::ValidationError("argument " + std::to_string(i) +
                                 " is empty; an empty value is no value of any option");
    }
  }
  app.parse(argc, argv);
}

Real ParseReal(std::string_view text, std::string_view option) {
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  const Real value = std::strtold(copy.c_str(), &end);
  const bool whole = !copy.empty() && end == copy.c_str() + copy.size();
  if (!whole || errno == ERANGE || !std::isfinite(value)) {
    throw BadInput("invalid number " + Quoted(text) + " for " + std::string(option));
  }
  return value;
}

std::vector<Real> ParseRealList(std::string_view text, std::string_view option) {
  std::vector<Real> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const auto item =
        text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
    values.push_back(ParseReal(item, option));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return values;
}

std::vector<Real> ParseMoleFractions(std::string_view text, std::string_view option, int count) {
  const auto values = ParseRealList(text, option);
  if (static_cast<int>(values.size()) != count) {
    throw BadInput(std::string(option) + " needs " + std::to_string(count) +
                   " mole fractions, one per component of the data file, not " +
                   std::to_string(values.size()));
  }
  Real sum = 0;
  for (const Real value : values) {
    if (value < 0) {
      throw BadInput(std::string(option) + ": mole fraction " + Format("%Lg", value) +
                     " is negative");
    }
    sum += value;
  }
  if (std::fabs(sum - 1) > kFractionSumTolerance) {
    throw BadInput(std::string(option) + ": mole fractions sum to " + Format("%.12Lg", sum) +
                   ", not 1");
  }
  return values;
}

void SetLanguage(std::string_view language) {
  Lang = language == "en" ? 1 : 2;
}

}  // namespace vexilor::cli
