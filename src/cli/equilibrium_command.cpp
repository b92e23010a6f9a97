// vexilor-cli bubble / dew: the bubble or dew point of a mixture with the
// model of a VLE data file.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_dialog.h"
#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/input_values.h"
#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "engine/thermo/vle_file.h"
#include "engine/thermo/vle_models.h"

namespace vexilor::cli {

namespace {

constexpr Real kPascalPerMmHg = 133.3L;
// Bracket of the bubble-temperature start, reduced (2.7 C to 54.6 C): the
// one the column calculation uses.
constexpr Real kBubbleLo = 1.01L;
constexpr Real kBubbleHi = 1.2L;
// Half-width of the bubble-pressure bracket around the estimate.
constexpr Real kPressureBracket = 0.1L;

struct EquilibriumOptions {
  bool Bubble = true;  //!< bubble point (x given) or dew point (y given)
  std::string FileName;
  std::string Fractions;
  std::string PressureMmHg;
  std::string TemperatureC;
  std::string Language = "en";
  bool Json = false;
};

struct EquilibriumResult {
  std::string ModelName;
  std::vector<std::string> Names;
  Real Tau = 0;
  Real PressurePa = 0;
  ComponentVector X{};
  ComponentVector Y{};
  ComponentVector Gamma{};
};

// Pads UTF-8 text with blanks to width characters.
std::string PadRight(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  }
  return characters >= width ? text + " " : text + std::string(width - characters, ' ');
}

// A text of the output in the language of interface.
std::string Text(std::string_view english, std::string_view russian) {
  return std::string(ByLang(english, russian));
}

std::string FoundLabel(bool bubble, bool findsTemperature) {
  if (bubble) {
    return findsTemperature ? Text("Bubble point temperature: ", "Температура кипения: ")
                            : Text("Bubble point pressure: ", "Давление кипения: ");
  }
  return findsTemperature ? Text("Dew point temperature: ", "Температура точки росы: ")
                          : Text("Dew point pressure: ", "Давление точки росы: ");
}

std::string ResultText(const EquilibriumOptions& options, const EquilibriumResult& result) {
  const bool findsTemperature = options.TemperatureC.empty();
  const std::string pressure = Format("%.4Lf", result.PressurePa / kPascalPerMmHg) +
                               Text(" mm Hg (", " мм рт. ст. (") +
                               Format("%.2Lf", result.PressurePa) + Text(" Pa)", " Па)");
  const std::string temperature =
      Format("%.4Lf", (result.Tau - 1) * 273.15L) + " °C (tau " + Format("%.8Lf", result.Tau) + ")";
  std::string text = Text("Model: ", "Модель: ") + result.ModelName + "\n";
  if (findsTemperature) {
    text += Text("Pressure: ", "Давление: ") + pressure + "\n";
    text += FoundLabel(options.Bubble, true) + temperature + "\n";
  } else {
    text += Text("Temperature: ", "Температура: ") + temperature + "\n";
    text += FoundLabel(options.Bubble, false) + pressure + "\n";
  }
  text += PadRight(Text("Component", "Компонент"), 22) + "         x          y      gamma\n";
  for (std::size_t i = 0; i < result.Names.size(); ++i) {
    text += PadRight(result.Names[i], 22) +
            Format("%10.6Lf %10.6Lf %10.6Lf\n", result.X[i], result.Y[i], result.Gamma[i]);
  }
  return text;
}

// JSON numbers are doubles: the values are converted only here, on output.
std::string ResultJson(const EquilibriumOptions& options, const EquilibriumResult& result) {
  const std::size_t n = result.Names.size();
  auto list = [n](const ComponentVector& values) {
    nlohmann::json array = nlohmann::json::array();
    for (std::size_t i = 0; i < n; ++i) array.push_back(static_cast<double>(values[i]));
    return array;
  };
  nlohmann::json json;
  json["point"] = options.Bubble ? "bubble" : "dew";
  json["model"] = result.ModelName;
  json["components"] = result.Names;
  json["t_C"] = static_cast<double>((result.Tau - 1) * 273.15L);
  json["tau"] = static_cast<double>(result.Tau);
  json["p_Pa"] = static_cast<double>(result.PressurePa);
  json["x"] = list(result.X);
  json["y"] = list(result.Y);
  json["gamma"] = list(result.Gamma);
  return json.dump(2) + "\n";
}

// The bubble pressure at tau is sum x_i gamma_i Psat_i, the models not
// depending on pressure; the search starts from a bracket around it.
Real BubblePressureEstimate(TVLEObj& model, const ComponentVector& x, Real tau) {
  ComponentVector gamma{};
  model.PrepareComposition(x);
  model.ActivityCoefficients(x, gamma, tau);
  Real sum = 0;
  for (int i = 0; i < model.Params.N; ++i) sum += x[i] * gamma[i] * model.VapourPressureOf(i, tau);
  return sum;
}

void Solve(const EquilibriumOptions& options, TVLEObj& model, EquilibriumResult& result) {
  const bool findsTemperature = options.TemperatureC.empty();
  const char what = findsTemperature ? 'T' : 'P';
  if (options.Bubble) {
    Real lo = kBubbleLo;
    Real hi = kBubbleHi;
    if (!findsTemperature) {
      const Real estimateMmHg =
          BubblePressureEstimate(model, result.X, result.Tau) / kPascalPerMmHg;
      lo = estimateMmHg * (1 - kPressureBracket);
      hi = estimateMmHg * (1 + kPressureBracket);
    }
    model.Equilibrium(what, 'y', lo, hi, result.Tau, result.PressurePa, result.X, result.Gamma,
                      result.Y);
  } else {
    model.Equilibrium(what, 'x', 0, 0, result.Tau, result.PressurePa, result.X, result.Gamma,
                      result.Y);
    result.X[model.Params.N] = 0;  // entry N held the found variable
  }
}

int RunEquilibrium(const EquilibriumOptions& options) {
  SetLanguage(options.Language);
  CliDialog dialog;
  DialogScope scope(dialog);

  EquilibriumResult result;
  std::string fileName = options.FileName;
  std::uint16_t slotCount = 0;
  try {
    LoadVLEDataFile(false, fileName, result.ModelName, slotCount);
  } catch (const ProgramTermination&) {
    return kExitBadInput;  // the dialog has printed why
  }
  const int n = VLEParams.N;
  for (int i = 0; i < n; ++i) result.Names.push_back(CompNames[i]);

  const auto fractions = ParseMoleFractions(options.Fractions, options.Bubble ? "--x" : "--y", n);
  auto& given = options.Bubble ? result.X : result.Y;
  for (int i = 0; i < n; ++i) given[i] = fractions[i];
  if (options.TemperatureC.empty()) {
    const Real pressure = ParseReal(options.PressureMmHg, "--pressure");
    if (!(pressure > 0)) throw BadInput("--pressure must be above 0 mm Hg");
    result.PressurePa = pressure * kPascalPerMmHg;
  } else {
    const Real celsius = ParseReal(options.TemperatureC, "--temperature");
    if (!(celsius > -273.15L)) throw BadInput("--temperature must be above -273.15 C");
    result.Tau = celsius / 273.15L + 1;
  }

  const auto model = CreateVLEObj(VLEParams);
  try {
    Solve(options, *model, result);
  } catch (const NumericFailure& failure) {
    dialog.ShowMessage(MessageKind::Error, ButtonSet::Ok,
                       std::string("no solution found: ") + failure.what());
    return kExitNoConvergence;
  } catch (const ProgramTermination&) {
    return kExitNoConvergence;
  }

  const std::string output =
      options.Json ? ResultJson(options, result) : ResultText(options, result);
  if (std::fputs(output.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    dialog.ShowMessage(MessageKind::Error, ButtonSet::Ok, "cannot write the result");
    return kExitBadInput;
  }
  return kExitSuccess;
}

void AddEquilibriumCommand(CLI::App& app, CommandAction& selected, bool bubble) {
  auto options = std::make_shared<EquilibriumOptions>();
  options->Bubble = bubble;
  const std::string given = bubble ? "--x" : "--y";
  auto* command = app.add_subcommand(
      bubble ? "bubble" : "dew",
      bubble ? "Bubble point of a liquid: its boiling temperature (or pressure) and vapour"
             : "Dew point of a vapour: its condensation temperature (or pressure) and liquid");
  command->add_option("FILE.dat", options->FileName, "VLE data file")->required();
  command
      ->add_option(
          given, options->Fractions,
          bubble ? "Liquid mole fractions X1,X2[,...]" : "Vapour mole fractions Y1,Y2[,...]")
      ->required();
  auto* condition = command->add_option_group("condition", "Exactly one of these");
  condition->add_option("--pressure", options->PressureMmHg,
                        "Pressure, mm Hg (find the temperature)");
  condition->add_option("--temperature", options->TemperatureC,
                        "Temperature, deg C (find the pressure)");
  condition->require_option(1);
  command->add_option("--lang", options->Language, "Language of names and texts")
      ->check(CLI::IsMember({"en", "ru"}));
  command->add_flag("--json", options->Json, "Print JSON instead of text");
  command->callback(
      [options, &selected] { selected = [options] { return RunEquilibrium(*options); }; });
}

}  // namespace

void AddEquilibriumCommands(CLI::App& app, CommandAction& selected) {
  AddEquilibriumCommand(app, selected, true);
  AddEquilibriumCommand(app, selected, false);
}

}  // namespace vexilor::cli
