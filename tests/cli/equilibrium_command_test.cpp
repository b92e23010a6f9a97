// vexilor-cli bubble and dew, run as a separate program.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "engine/shell/lang.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_file.h"
#include "engine/thermo/vle_fixtures.h"
#include "engine/thermo/vle_models.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::MakeParams;
using testing::ReadBytes;
using testing::RunResult;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

class CliTest : public testing::BuiltInDatabaseTest {
 protected:
  RunResult Run(const std::vector<std::string>& arguments) {
    return testing::RunProgram(VEXILOR_CLI_PATH, arguments, folder_.File(""));
  }

  std::string DataFile(char letter, const std::vector<std::uint16_t>& indexes) {
    const std::string name = folder_.File(std::string(1, letter) + ".dat");
    WriteVLEDataFile(name, MakeParams(letter, indexes));
    return name;
  }

  TempFolder folder_;
};

// ---------------------------------------------------------- results

struct PointCase {
  const char* name;
  bool bubble;
  char letter;
  std::vector<std::uint16_t> indexes;
  std::string fractions;
  ComponentVector given;
  bool temperatureGiven;  //!< else the pressure, 760 mm Hg
};

void PrintTo(const PointCase& c, std::ostream* os) {
  *os << c.name;
}

class CliPointTest : public CliTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(CliPointTest, JsonHoldsWhatTheEngineFinds) {
  const auto& c = GetParam();
  const std::string file = DataFile(c.letter, c.indexes);
  std::vector<std::string> arguments = {c.bubble ? "bubble" : "dew", file, c.bubble ? "--x" : "--y",
                                        c.fractions, "--json"};
  if (c.temperatureGiven) {
    arguments.insert(arguments.end(), {"--temperature", "70"});
  } else {
    arguments.insert(arguments.end(), {"--pressure", "760"});
  }
  const RunResult run = Run(arguments);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto json = nlohmann::json::parse(run.out);

  // The same point through the engine.
  Lang = 1;
  ::vexilor::testing::ScriptedDialog dialog;
  DialogScope scope(dialog);
  std::string fileName = file;
  std::string modelName;
  std::uint16_t slots = 0;
  LoadVLEDataFile(false, fileName, modelName, slots);
  auto model = CreateVLEObj(VLEParams);
  const int n = VLEParams.N;
  ComponentVector x{};
  ComponentVector y{};
  ComponentVector gamma{};
  (c.bubble ? x : y) = c.given;
  Real tau = 70 / 273.15L + 1;
  Real P = 760 * 133.3L;
  const char what = c.temperatureGiven ? 'P' : 'T';
  if (c.bubble && c.temperatureGiven) {
    // The command brackets the bubble pressure around its estimate.
    ComponentVector g{};
    model->PrepareComposition(x);
    model->ActivityCoefficients(x, g, tau);
    Real estimate = 0;
    for (int i = 0; i < n; ++i) estimate += x[i] * g[i] * model->VapourPressureOf(i, tau);
    estimate /= 133.3L;
    model->Equilibrium(what, 'y', 0.9L * estimate, 1.1L * estimate, tau, P, x, gamma, y);
  } else if (c.bubble) {
    model->Equilibrium(what, 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
  } else {
    model->Equilibrium(what, 'x', 0, 0, tau, P, x, gamma, y);
  }

  EXPECT_EQ(json["model"], modelName);
  EXPECT_EQ(json["point"], c.bubble ? "bubble" : "dew");
  EXPECT_DOUBLE_EQ(json["tau"].get<double>(), static_cast<double>(tau));
  EXPECT_DOUBLE_EQ(json["t_C"].get<double>(), static_cast<double>((tau - 1) * 273.15L));
  EXPECT_DOUBLE_EQ(json["p_Pa"].get<double>(), static_cast<double>(P));
  ASSERT_EQ(json["components"].size(), static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(json["components"][i], ComponentBase[c.indexes[i]].NameEn);
    EXPECT_DOUBLE_EQ(json["x"][i].get<double>(), static_cast<double>(x[i]));
    EXPECT_DOUBLE_EQ(json["y"][i].get<double>(), static_cast<double>(y[i]));
    EXPECT_DOUBLE_EQ(json["gamma"][i].get<double>(), static_cast<double>(gamma[i]));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Points, CliPointTest,
    ::testing::Values(
        PointCase{"bubble_temperature_wilson", true, 'W', {0, 1}, "0.3,0.7", {0.3L, 0.7L}, false},
        PointCase{"bubble_temperature_unifac",
                  true,
                  'F',
                  {0, 1, 2, 3},
                  "0.25,0.25,0.25,0.25",
                  {0.25L, 0.25L, 0.25L, 0.25L},
                  false},
        PointCase{"bubble_pressure_nrtl", true, 'N', {0, 2}, "0.6,0.4", {0.6L, 0.4L}, true},
        PointCase{"dew_temperature_uniquac",
                  false,
                  'Q',
                  {0, 1, 3},
                  "0.2,0.3,0.5",
                  {0.2L, 0.3L, 0.5L},
                  false},
        PointCase{"dew_pressure_wilson", false, 'W', {0, 1}, "0.5,0.5", {0.5L, 0.5L}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, TextNamesTheModelComponentsAndFoundValueInTheLanguage) {
  const std::string file = DataFile('W', {0, 1});
  const RunResult english = Run({"bubble", file, "--x", "0.4,0.6", "--pressure", "760"});
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_EQ(english.err, "");
  EXPECT_EQ(english.out.rfind("Model: Wilson\nPressure: 760.0000 mm Hg (101308.00 Pa)\n", 0), 0u)
      << english.out;
  EXPECT_NE(english.out.find("Bubble point temperature: "), std::string::npos);
  EXPECT_NE(english.out.find("\ncomp.1 "), std::string::npos);
  EXPECT_NE(english.out.find("\ncomp.2 "), std::string::npos);

  const RunResult russian =
      Run({"dew", file, "--y", "0.4,0.6", "--temperature", "90", "--lang", "ru"});
  ASSERT_EQ(russian.exitCode, 0) << russian.err;
  EXPECT_EQ(russian.out.rfind("Модель: Wilson\nТемпература: 90.0000 °C", 0), 0u) << russian.out;
  EXPECT_NE(russian.out.find("Давление точки росы: "), std::string::npos);
  EXPECT_NE(russian.out.find("\nкомп.1 "), std::string::npos);
}

// ---------------------------------------------------------- failures

struct BadCallCase {
  const char* name;
  std::vector<std::string> arguments;  //!< "FILE" stands for a Wilson file of comp.1, comp.2
  int exitCode;
  std::string message;  //!< part of stderr; FILE as above
};

void PrintTo(const BadCallCase& c, std::ostream* os) {
  *os << c.name;
}

class CliBadCallTest : public CliTest, public ::testing::WithParamInterface<BadCallCase> {};

TEST_P(CliBadCallTest, FailsWithAMessageOnStderrAndItsExitCode) {
  const auto& c = GetParam();
  const std::string file = DataFile('W', {0, 1});
  const std::string missing = folder_.File("missing.dat");
  const std::string truncated = folder_.File("truncated.dat");
  const std::string wrongLetter = folder_.File("letter.dat");
  Bytes whole = ReadBytes(file);
  WriteBytes(truncated, Bytes(whole.begin(), whole.begin() + 7 * kSlotSize));
  whole[0] = 'Z';
  WriteBytes(wrongLetter, whole);
  auto substitute = [&](std::string text) {
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"FILE", file},
                                     {"MISSING", missing},
                                     {"TRUNCATED", truncated},
                                     {"LETTER", wrongLetter}}) {
      if (const auto at = text.find(key); at != std::string::npos)
        text.replace(at, key.size(), value);
    }
    return text;
  };
  std::vector<std::string> arguments;
  for (const auto& argument : c.arguments) arguments.push_back(substitute(argument));

  const RunResult run = Run(arguments);
  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(substitute(c.message)), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CliBadCallTest,
    ::testing::Values(
        BadCallCase{"missing_file",
                    {"bubble", "MISSING", "--x", "0.5,0.5", "--pressure", "760"},
                    2,
                    "File MISSING is not retrieved"},
        BadCallCase{"missing_file_in_russian",
                    {"bubble", "MISSING", "--x", "0.5,0.5", "--pressure", "760", "--lang", "ru"},
                    2,
                    "Файл MISSING не найден"},
        BadCallCase{"truncated_file",
                    {"dew", "TRUNCATED", "--y", "0.5,0.5", "--pressure", "760"},
                    2,
                    "Datafile TRUNCATED is not complete"},
        BadCallCase{"wrong_model_letter",
                    {"bubble", "LETTER", "--x", "0.5,0.5", "--pressure", "760"},
                    2,
                    "wrong parameter in DataFile"},
        BadCallCase{"too_many_fractions",
                    {"bubble", "FILE", "--x", "0.5,0.25,0.25", "--pressure", "760"},
                    2,
                    "--x needs 2 mole fractions"},
        BadCallCase{"fractions_not_summing_to_one",
                    {"dew", "FILE", "--y", "0.5,0.5000001", "--pressure", "760"},
                    2,
                    "--y: mole fractions sum to"},
        BadCallCase{"negative_fraction",
                    {"bubble", "FILE", "--x", "1.5,-0.5", "--pressure", "760"},
                    2,
                    "is negative"},
        BadCallCase{"fraction_not_a_number",
                    {"bubble", "FILE", "--x", "0.5,half", "--pressure", "760"},
                    2,
                    "invalid number 'half' for --x"},
        BadCallCase{"zero_pressure",
                    {"bubble", "FILE", "--x", "0.5,0.5", "--pressure", "0"},
                    2,
                    "--pressure must be above 0"},
        BadCallCase{"temperature_below_absolute_zero",
                    {"bubble", "FILE", "--x", "0.5,0.5", "--temperature", "-300"},
                    2,
                    "--temperature must be above -273.15"},
        BadCallCase{
            "pressure_and_temperature",
            {"bubble", "FILE", "--x", "0.5,0.5", "--pressure", "760", "--temperature", "80"},
            1,
            "--pressure"},
        BadCallCase{"neither_pressure_nor_temperature",
                    {"bubble", "FILE", "--x", "0.5,0.5"},
                    1,
                    "--pressure"},
        BadCallCase{"no_command", {}, 1, "subcommand"},
        BadCallCase{"unknown_language",
                    {"bubble", "FILE", "--x", "0.5,0.5", "--pressure", "760", "--lang", "de"},
                    1,
                    "--lang"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, CalculationThatOverflowsExitsWithNoConvergence) {
  TVLEParams params = MakeParams('W', {0, 1});
  params.WilsonA[0][1] = -1e6L;
  const std::string file = folder_.File("overflow.dat");
  WriteVLEDataFile(file, params);
  const RunResult run = Run({"bubble", file, "--x", "0.5,0.5", "--pressure", "760"});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("no solution found"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vexilor
