// vexilor-cli estimate: the interaction parameters of a model for chosen
// components, estimated as the program does it and saved as a VLE data file.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_dialog.h"
#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/input_values.h"
#include "engine/estimation/estimation_dialogue.h"
#include "engine/estimation/fitting.h"
#include "engine/estimation/unifac_groups.h"
#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/vle_file.h"
#include "engine/thermo/vle_params.h"

namespace vexilor::cli {

namespace {

constexpr Real kKelvinScale = 273.15L;

// The models in the order of the method question.
const std::vector<std::string> kModels = {"wilson", "nrtl", "uniquac", "unifac"};

struct EstimateOptions {
  std::string Model;
  std::string Components;
  int UnifacVariant = 0;     //!< 0: not given (variant 1)
  std::string UnifacSource;  //!< empty: not given (fit)
  std::string Language = "en";
  std::string OutFile;
  bool Json = false;
};

// Answers the questions of the estimation from the options. A pair without
// measurements would need a person's decision: the run ends there.
class EstimateDialog : public CliDialog {
 public:
  EstimateDialog(int method, int unifacVariant, bool literature)
      : method_(method), unifacVariant_(unifacVariant), literature_(literature) {}

  int ChooseEquilibriumMethod(const ChooseMethodRequest&) override { return method_; }

  int ChooseAlternative(const AlternativesRequest& request) override {
    if (request.Prompt == kUnifacVariantPrompt.Get()) return unifacVariant_ - 1;
    if (request.Prompt == kUnifacSourcePrompt.Get()) return literature_ ? 1 : 0;
    DecisionNeeded(request.Prompt);
  }

 private:
  int method_;
  int unifacVariant_;
  bool literature_;
};

std::vector<std::string> SplitNames(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    names.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
    if (comma == std::string::npos) return names;
    start = comma + 1;
  }
}

std::string KnownNames() {
  std::string known;
  for (const Pro& record : ComponentBase)
    known += (known.empty() ? "" : ", ") + record.NameEn + " (" + record.NameRu + ")";
  return known;
}

// Database indexes of the named components, in database order: the order
// in which the program's check list offers them, and the one in which the
// measured pairs are kept.
std::vector<std::uint16_t> ComponentIndexes(const std::string& text) {
  const auto names = SplitNames(text);
  if (names.size() < 2 || names.size() > static_cast<std::size_t>(kMaxComponents)) {
    throw BadInput("--components needs 2 to 4 components, not " + std::to_string(names.size()));
  }
  std::vector<std::uint16_t> indexes;
  for (const auto& name : names) {
    const int index = FindComponentIndex(name);
    if (index < 0) {
      throw BadInput("unknown component '" + name + "'; the database holds " + KnownNames());
    }
    const auto found = static_cast<std::uint16_t>(index);
    if (std::find(indexes.begin(), indexes.end(), found) != indexes.end())
      throw BadInput("component '" + name + "' is given twice");
    indexes.push_back(found);
  }
  std::sort(indexes.begin(), indexes.end());
  return indexes;
}

// Refuses an output the data file could not be written to, before the
// estimation spends its time: the file is written beside its name and
// renamed into place.
void CheckOutput(const std::string& fileName) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::is_directory(fileName, error)) throw BadInput("--out " + fileName + " is a folder");
  const std::string probe = fileName + ".part";
  std::FILE* file = std::fopen(probe.c_str(), "wb");
  if (file == nullptr) {
    throw BadInput("cannot write " + fileName + ": " + std::strerror(errno));
  }
  std::fclose(file);
  std::remove(probe.c_str());
}

nlohmann::json Matrix(const RealMatrix<kMaxGroups, kMaxGroups>& values, int size, Real factor) {
  nlohmann::json rows = nlohmann::json::array();
  for (int m = 0; m < size; ++m) {
    nlohmann::json row = nlohmann::json::array();
    for (int n = 0; n < size; ++n) row.push_back(static_cast<double>(values[m][n] * factor));
    rows.push_back(row);
  }
  return rows;
}

// JSON numbers are doubles: the values are converted only here, on output.
nlohmann::json ParametersJson(const TVLEParams& params) {
  nlohmann::json json;
  const int n = params.N;
  if (params.ModelLetter == 'F') {
    json["groups"] = nlohmann::json::array();
    for (int m = 0; m < params.G; ++m) {
      json["groups"].push_back({{"number", params.Numbers[m]},
                                {"letter", std::string(1, params.Letters[m])},
                                {"Q", static_cast<double>(params.Q[m])},
                                {"R", static_cast<double>(params.R[m])}});
    }
    json["a_mn_reduced"] = Matrix(params.GroupA, params.G, 1);
    json["a_mn_K"] = Matrix(params.GroupA, params.G, kKelvinScale);
    return json;
  }
  json["pairs"] = nlohmann::json::array();
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      auto energy = [&](int a, int b) { return EnergyParameter(params, a, b); };
      nlohmann::json pair;
      pair["components"] = {CompNames[i], CompNames[j]};
      pair["reduced"] = {static_cast<double>(energy(i, j)), static_cast<double>(energy(j, i))};
      pair["kJ_per_mol"] = {static_cast<double>(energy(i, j) * EnergyScale),
                            static_cast<double>(energy(j, i) * EnergyScale)};
      if (params.ModelLetter == 'N') pair["alpha"] = static_cast<double>(params.NrtlAlpha[i][j]);
      json["pairs"].push_back(pair);
    }
  }
  return json;
}

std::string ReportText(const LineList& text) {
  std::string out;
  for (const auto& line : text.Lines()) out += line + "\n";
  return out;
}

std::string ResultJson(const EstimateOptions& options, const TVLEParams& params,
                       const LineList& text) {
  nlohmann::json json = ParametersJson(params);
  json["model"] = std::string(ModelNameOf(params.ModelLetter));
  json["file"] = options.OutFile;
  json["components"] = nlohmann::json::array();
  for (int i = 0; i < params.N; ++i) json["components"].push_back(CompNames[i]);
  json["indexes"] = std::vector<int>(params.Indexes.begin(), params.Indexes.begin() + params.N);
  json["report"] = text.Lines();
  return json.dump(2) + "\n";
}

int RunEstimate(const EstimateOptions& options) {
  const auto model = std::find(kModels.begin(), kModels.end(), options.Model) - kModels.begin();
  const bool unifac = options.Model == "unifac";
  if (!unifac && (options.UnifacVariant != 0 || !options.UnifacSource.empty())) {
    std::fputs("vexilor-cli: --unifac-variant and --unifac-source belong to --model unifac\n",
               stderr);
    return kExitUsage;
  }
  const int variant = options.UnifacVariant == 0 ? 1 : options.UnifacVariant;
  const bool literature = options.UnifacSource == "literature";
  if (literature && variant != 1) {
    std::fputs("vexilor-cli: literature values exist for --unifac-variant 1 only\n", stderr);
    return kExitUsage;
  }

  SetLanguage(options.Language);
  const auto indexes = ComponentIndexes(options.Components);
  CheckOutput(options.OutFile);

  EstimateDialog dialog(static_cast<int>(model), variant, literature);
  DialogScope scope(dialog);
  LineList text;
  char letter = 0;
  try {
    EstimateParameters(static_cast<int>(indexes.size()), indexes, letter, VLEParams, text);
  } catch (const ProgramTermination&) {
    return kExitBadInput;  // the dialog has printed why
  }
  try {
    WriteVLEDataFile(options.OutFile, VLEParams);
  } catch (const DataFileWriteError& error) {
    throw BadInput(error.what());
  }

  const std::string output = options.Json ? ResultJson(options, VLEParams, text) : ReportText(text);
  if (std::fputs(output.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    dialog.ShowMessage(MessageKind::Error, ButtonSet::Ok, "cannot write the report");
    return kExitBadInput;
  }
  return kExitSuccess;
}

}  // namespace

void AddEstimateCommand(CLI::App& app, CommandAction& selected) {
  auto options = std::make_shared<EstimateOptions>();
  auto* command = app.add_subcommand(
      "estimate",
      "Interaction parameters of a model for 2 to 4 components, fitted to the built-in "
      "measurements, saved as a VLE data file; prints the report of the estimation");
  command->add_option("--model", options->Model, "Activity-coefficient model")
      ->required()
      ->check(CLI::IsMember(kModels));
  command
      ->add_option("--components", options->Components,
                   "NAME,NAME[,...] in either language; taken in database order")
      ->required();
  command
      ->add_option("--unifac-variant", options->UnifacVariant,
                   "1: main groups interact (default), 2: subgroups interact")
      ->check(CLI::IsMember({1, 2}));
  command
      ->add_option("--unifac-source", options->UnifacSource,
                   "Variant 1: fit the group parameters (default) or take the literature values")
      ->check(CLI::IsMember({"fit", "literature"}));
  command->add_option("--lang", options->Language, "Language of names and texts")
      ->check(CLI::IsMember({"en", "ru"}));
  command->add_option("--out", options->OutFile, "VLE data file to write")->required();
  command->add_flag("--json", options->Json, "Print JSON instead of the report text");
  command->callback(
      [options, &selected] { selected = [options] { return RunEstimate(*options); }; });
}

}  // namespace vexilor::cli
