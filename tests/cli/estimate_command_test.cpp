// vexilor-cli estimate, run as a separate program and compared with the
// estimation run in this process.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "engine/estimation/estimation_dialogue.h"
#include "engine/estimation/fitting.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_file.h"
#include "engine/thermo/vle_fixtures.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::ReadBytes;
using testing::RunResult;
using testing::TempFolder;

class CliEstimateTest : public testing::BuiltInDatabaseTest {
 protected:
  void TearDown() override {
    FitProgress = savedProgress_;
    BuiltInDatabaseTest::TearDown();
  }

  RunResult Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "estimate");
    return testing::RunProgram(VEXILOR_CLI_PATH, arguments, folder_.File(""));
  }

  // The estimation in this process, as a fresh program run does it.
  LineList EstimateHere(std::uint8_t lang, std::vector<std::uint16_t> indexes,
                        testing::ScriptedDialog& dialog) {
    Lang = lang;
    FitProgress = FitCounters{};
    DialogScope scope(dialog);
    LineList text;
    char letter = 0;
    EstimateParameters(static_cast<int>(indexes.size()), indexes, letter, params_, text);
    return text;
  }

  bool FolderHoldsOnly(const std::vector<std::string>& names) const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.File("")))
      found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    std::vector<std::string> expected = names;
    expected.insert(expected.end(), {"stderr", "stdout"});
    std::sort(expected.begin(), expected.end());
    return found == expected;
  }

  TempFolder folder_;
  TVLEParams params_;

 private:
  FitCounters savedProgress_ = FitProgress;
};

std::string Joined(const LineList& text) {
  std::string joined;
  for (const auto& line : text.Lines()) joined += line + "\n";
  return joined;
}

// ------------------------------------------------- the same estimation

struct EstimateCase {
  const char* name;
  std::vector<std::string> options;  //!< besides --out
  std::uint8_t lang;
  std::vector<std::uint16_t> indexes;
  int method;
  std::vector<int> alternatives;
};

void PrintTo(const EstimateCase& c, std::ostream* os) {
  *os << c.name;
}

class CliEstimateRunTest : public CliEstimateTest,
                           public ::testing::WithParamInterface<EstimateCase> {};

TEST_P(CliEstimateRunTest, PrintsTheReportAndWritesTheParametersOfTheEngine) {
  const EstimateCase& c = GetParam();
  const std::string out = folder_.File("out.dat");
  std::vector<std::string> arguments = c.options;
  arguments.insert(arguments.end(), {"--out", out});
  const RunResult run = Run(arguments);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");

  testing::ScriptedDialog dialog;
  dialog.AnswerMethod(c.method);
  for (const int answer : c.alternatives) dialog.AnswerAlternative(answer);
  const LineList text = EstimateHere(c.lang, c.indexes, dialog);

  EXPECT_EQ(run.out, Joined(text));
  EXPECT_EQ(ReadBytes(out), EncodeVLESection(params_));
  EXPECT_TRUE(FolderHoldsOnly({"out.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Models, CliEstimateRunTest,
    ::testing::Values(
        EstimateCase{
            "wilson", {"--model", "wilson", "--components", "comp.1,comp.2"}, 1, {0, 1}, 0, {}},
        EstimateCase{"nrtl_in_russian",
                     {"--model", "nrtl", "--components", "комп.1,комп.3", "--lang", "ru"},
                     2,
                     {0, 2},
                     1,
                     {}},
        EstimateCase{"uniquac_three_components_given_out_of_order",
                     {"--model", "uniquac", "--components", "comp.3,comp.1,комп.2"},
                     1,
                     {0, 1, 2},
                     2,
                     {}},
        EstimateCase{
            "unifac_subgroups",
            {"--model", "unifac", "--components", "comp.1,comp.2", "--unifac-variant", "2"},
            1,
            {0, 1},
            3,
            {1}},
        EstimateCase{"unifac_literature",
                     {"--model", "unifac", "--components", "comp.1,comp.2,comp.4",
                      "--unifac-source", "literature"},
                     1,
                     {0, 1, 3},
                     3,
                     {0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- JSON

TEST_F(CliEstimateTest, JsonHoldsTheParametersReducedAndInTheirUnits) {
  const RunResult run = Run({"--model", "nrtl", "--components", "comp.1,comp.3", "--out",
                             folder_.File("n.dat"), "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["model"], "NRTL");
  EXPECT_EQ(json["components"], (std::vector<std::string>{"comp.1", "comp.3"}));
  EXPECT_EQ(json["indexes"], (std::vector<int>{0, 2}));
  ASSERT_EQ(json["pairs"].size(), 1u);
  const auto& pair = json["pairs"][0];
  for (int k = 0; k < 2; ++k) {
    EXPECT_NEAR(pair["kJ_per_mol"][k].get<double>(), pair["reduced"][k].get<double>() * 2.27107836,
                1e-12);
  }
  EXPECT_GT(pair["alpha"].get<double>(), 0);
  EXPECT_EQ(json["report"].size(), 7u);
  EXPECT_EQ(json["report"][6], "");

  const RunResult unifac =
      Run({"--model", "unifac", "--components", "comp.1,comp.2", "--unifac-source", "literature",
           "--out", folder_.File("f.dat"), "--json"});
  ASSERT_EQ(unifac.exitCode, 0) << unifac.err;
  const auto groups = nlohmann::json::parse(unifac.out);
  EXPECT_EQ(groups["model"], "UNIFAC");
  ASSERT_EQ(groups["groups"].size(), 3u);
  EXPECT_EQ(groups["groups"][0]["number"], 1);
  EXPECT_EQ(groups["groups"][0]["letter"], "A");
  EXPECT_NEAR(groups["a_mn_K"][0][1].get<double>(), 931.2, 1e-9);
  EXPECT_NEAR(groups["a_mn_reduced"][0][1].get<double>(), 931.2 / 273.15, 1e-12);
}

// ------------------------------------------------------------ failures

struct BadEstimateCase {
  const char* name;
  std::vector<std::string> arguments;  //!< "OUT" stands for a file in the test folder
  int exitCode;
  std::string message;  //!< part of stderr
};

void PrintTo(const BadEstimateCase& c, std::ostream* os) {
  *os << c.name;
}

class CliEstimateBadCallTest : public CliEstimateTest,
                               public ::testing::WithParamInterface<BadEstimateCase> {};

TEST_P(CliEstimateBadCallTest, FailsWithAMessageAndLeavesNoFile) {
  const BadEstimateCase& c = GetParam();
  std::filesystem::create_directory(folder_.File("folder.dat"));
  std::vector<std::string> arguments;
  for (const auto& argument : c.arguments)
    arguments.push_back(argument == "OUT" ? folder_.File("out.dat") : argument);
  const RunResult run = Run(arguments);
  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  EXPECT_TRUE(FolderHoldsOnly({"folder.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CliEstimateBadCallTest,
    ::testing::Values(
        BadEstimateCase{"unknown_component",
                        {"--model", "wilson", "--components", "comp.1,ethanol", "--out", "OUT"},
                        2,
                        "unknown component 'ethanol'; the database holds comp.1 (комп.1), "
                        "comp.2 (комп.2), comp.3 (комп.3), comp.4 (комп.4)"},
        BadEstimateCase{"one_component",
                        {"--model", "wilson", "--components", "comp.1", "--out", "OUT"},
                        2,
                        "--components needs 2 to 4 components, not 1"},
        BadEstimateCase{"five_components",
                        {"--model", "unifac", "--components", "comp.1,comp.2,comp.3,comp.4,comp.1",
                         "--out", "OUT"},
                        2,
                        "--components needs 2 to 4 components, not 5"},
        BadEstimateCase{"repeated_component",
                        {"--model", "wilson", "--components", "comp.1,комп.1", "--out", "OUT"},
                        2,
                        "component 'комп.1' is given twice"},
        BadEstimateCase{"output_in_a_missing_folder",
                        {"--model", "wilson", "--components", "comp.1,comp.2", "--out",
                         "/nonexistent-vexilor-folder/out.dat"},
                        2,
                        "cannot write /nonexistent-vexilor-folder/out.dat"},
        BadEstimateCase{"output_is_a_folder",
                        {"--model", "wilson", "--components", "comp.1,comp.2", "--out", "."},
                        2,
                        "--out . is a folder"},
        BadEstimateCase{"unknown_model",
                        {"--model", "margules", "--components", "comp.1,comp.2", "--out", "OUT"},
                        1,
                        "--model"},
        BadEstimateCase{
            "no_output", {"--model", "wilson", "--components", "comp.1,comp.2"}, 1, "--out"},
        BadEstimateCase{"unifac_variant_with_another_model",
                        {"--model", "wilson", "--components", "comp.1,comp.2", "--unifac-variant",
                         "2", "--out", "OUT"},
                        1,
                        "belong to --model unifac"},
        BadEstimateCase{"literature_for_subgroups",
                        {"--model", "unifac", "--components", "comp.1,comp.2", "--unifac-variant",
                         "2", "--unifac-source", "literature", "--out", "OUT"},
                        1,
                        "literature values exist for --unifac-variant 1 only"}),
    [](const auto& info) { return std::string(info.param.name); });

// The program binds libquorvel.so when it is loaded: without the library
// beside it the loader refuses to start it, and none of its code runs.
TEST_F(CliEstimateTest, DoesNotStartWithoutTheLibraryBesideIt) {
  const std::string alone = folder_.File("vexilor-cli");
  std::filesystem::copy_file(VEXILOR_CLI_PATH, alone);
  const RunResult run = testing::RunProgram(alone,
                                            {"estimate", "--model", "wilson", "--components",
                                             "comp.1,comp.2", "--out", folder_.File("out.dat")},
                                            folder_.File(""));
  EXPECT_NE(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("libquorvel.so"), std::string::npos) << run.err;
  // The program's own messages start their lines with "vexilor-cli: ".
  EXPECT_NE(run.err.rfind("vexilor-cli: ", 0), 0u) << run.err;
  EXPECT_EQ(run.err.find("\nvexilor-cli: "), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder_.File("out.dat")));
}

}  // namespace
}  // namespace vexilor
