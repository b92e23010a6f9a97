// Reading numbers and options given on the command line. Values are parsed
// straight into extended reals, never through double.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/shell/real.h"

namespace CLI {
class App;
}

namespace vexilor::cli {

//! Parses the command line argc, argv with app (throwing CLI::ParseError as
//! app.parse does), refusing an empty argument first: no option takes an
//! empty value, and CLI11 2.1 loops for ever on an empty argument followed
//! by an unknown option when a command has option groups.
void ParseCommandLine(CLI::App& app, int argc, const char* const* argv);

//! The real written in text (the whole text, C locale). option names the
//! option in the message of BadInput, thrown for anything else.
Real ParseReal(std::string_view text, std::string_view option);

//! Comma-separated reals ("0.4,0.6").
std::vector<Real> ParseRealList(std::string_view text, std::string_view option);

//! Mole fractions of count components: exactly count values, none negative,
//! summing to 1 within 1e-9. Throws BadInput otherwise.
std::vector<Real> ParseMoleFractions(std::string_view text, std::string_view option, int count);

//! Sets the language of interface from "en" or "ru".
void SetLanguage(std::string_view language);

}  // namespace vexilor::cli
