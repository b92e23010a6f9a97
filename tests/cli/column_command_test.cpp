// vexilor-cli column, run as a separate program.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "engine/column/column_fixtures.h"
#include "engine/results/finished_run.h"
#include "engine/shell/cp1251.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "engine/thermo/vle_file.h"
#include "store/data_module.h"
#include "store/stored_calculation.h"
#include "support/file_faults.h"

namespace vexilor {
namespace {

using testing::ReadText;
using testing::RunResult;
using testing::TempFolder;

// The options of an example, one argument a line, '#' starting a comment;
// the data file named relative to the example's folder.
std::vector<std::string> ExampleArguments(const std::string& name) {
  const std::string folder = std::string(VEXILOR_EXAMPLES_DIR) + "/" + name;
  std::vector<std::string> arguments = {"column"};
  std::ifstream file(folder + "/options");
  for (std::string line; std::getline(file, line);)
    if (!line.empty() && line[0] != '#') arguments.push_back(line);
  arguments[1] = folder + "/" + arguments[1];
  return arguments;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

class ColumnCommandTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    file_ = testing::WriteVLEFile(folder_, "ethanol-water.dat", testing::EthanolWaterWilson());
  }

  RunResult Run(std::vector<std::string> arguments) {
    return testing::RunProgram(VEXILOR_CLI_PATH, arguments, folder_.File(""));
  }

  // The small three-tray column of the engine's tests; its dephlegmator
  // ends with less than no vapour.
  std::vector<std::string> SmallColumn(std::vector<std::string> more = {}) {
    std::vector<std::string> arguments = {"column",
                                          file_,
                                          "--trays",
                                          "3",
                                          "--units",
                                          "mass",
                                          "--heating",
                                          "live",
                                          "--steam",
                                          "600",
                                          "--steam-pressure",
                                          "3",
                                          "--pressure",
                                          "760",
                                          "--feed",
                                          "2:1000:20",
                                          "--takeoff",
                                          "4:150",
                                          "--takeoff",
                                          "3:100",
                                          "--max-global-iterations",
                                          "40"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
  }

  TempFolder folder_;
  std::string file_;
};

TEST_F(ColumnCommandTest, ExamplePrintsTheExpectedResultsText) {
  std::vector<std::string> arguments = ExampleArguments("ethanol-water");
  const std::string text = folder_.File("out.txt");
  const std::string json = folder_.File("out.json");
  arguments.insert(arguments.end(), {"--text", text, "--json", json});
  const RunResult run = Run(arguments);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");

  const auto expected = Lines(ReadText(std::string(VEXILOR_CLI_DATA_DIR) + "/ethanol-water.txt"));
  const auto printed = Lines(run.out);
  ASSERT_EQ(printed.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(printed[i], expected[i]) << i;

  // Saved as the Save command saves the results text.
  std::string saved;
  for (const std::string& line : printed) saved += Utf8ToCp1251(line) + "\r\n";
  EXPECT_EQ(ReadText(text), saved);
}

TEST_F(ColumnCommandTest, AResultsTextThatCannotBeWrittenLeavesTheEarlierFileAndItsBackup) {
  const std::filesystem::path out = folder_.File("out");
  std::filesystem::create_directory(out);
  const std::string text = (out / "results.txt").string();
  testing::WriteBytes(text, {'o', 'l', 'd'});
  testing::WriteBytes((out / "results.bak").string(), {'o', 'l', 'd', 'e', 'r'});
  RunResult run;
  {
    testing::ReadOnlyFolder readOnly(out.string());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this file system cannot refuse new files";
    run = Run(SmallColumn({"--text", text}));
  }
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("vexilor-cli: cannot write " + text + ": "), std::string::npos) << run.err;
  EXPECT_EQ(ReadText(text), "old");
  EXPECT_EQ(ReadText((out / "results.bak").string()), "older");
}

TEST_F(ColumnCommandTest, ExampleSolutionKeepsItsBalances) {
  std::vector<std::string> arguments = ExampleArguments("ethanol-water");
  const std::string json = folder_.File("out.json");
  arguments.insert(arguments.end(), {"--json", json});
  ASSERT_EQ(Run(arguments).exitCode, 0);
  const auto summary = nlohmann::json::parse(ReadText(json));
  EXPECT_EQ(summary["solution"], "precise");
  EXPECT_FALSE(summary["physically_impossible"].get<bool>());
  EXPECT_EQ(summary["units"]["flow"], " kg/sec");
  EXPECT_EQ(summary["iterations"]["global"], 300);
  const auto& stages = summary["stages"];
  ASSERT_EQ(stages.size(), 10u);

  // 8000 kg/h of feed with 20 % ethanol and 3000 kg/h of live steam come
  // in; the bottoms, the two takeoffs and the vapour from the dephlegmator
  // go out. The values are those of the last evaluation, a point of
  // Newton's last Jacobian.
  const double feed = 8000 / 3600.0, steam = 3000 / 3600.0, takeoff = 300 / 3600.0;
  const auto& still = stages[0];
  const auto& top = stages[9];
  const double out = still["L"].get<double>() + 2 * takeoff + top["V"].get<double>();
  EXPECT_NEAR(out / (feed + steam), 1, 1e-6);
  const double ethanolOut = still["L"].get<double>() * still["x"][0].get<double>() +
                            takeoff * stages[7]["x"][0].get<double>() +
                            takeoff * top["x"][0].get<double>() +
                            top["V"].get<double>() * top["y"][0].get<double>();
  EXPECT_NEAR(ethanolOut / (feed * 0.2), 1, 1e-6);
  for (std::size_t j = 1; j < stages.size(); ++j) {
    EXPECT_LT(stages[j]["t_C"].get<double>(), stages[j - 1]["t_C"].get<double>()) << j;
    EXPECT_GT(stages[j]["L"].get<double>(), 0) << j;
    EXPECT_GT(stages[j]["V"].get<double>(), 0) << j;
  }
  EXPECT_GT(top["x"][0].get<double>(), 0.2) << "the distillate is richer in ethanol than the feed";
  EXPECT_NEAR(summary["condenser_duty_kW"].get<double>(), -1661.21, 0.005);
}

TEST_F(ColumnCommandTest, EveryExampleSolvesWithAllFlowsPositive) {
  for (const char* name : {"ethanol-water-molar", "ethanol-water-methanol"}) {
    std::vector<std::string> arguments = ExampleArguments(name);
    const std::string json = folder_.File(std::string(name) + ".json");
    arguments.insert(arguments.end(), {"--json", json});
    const RunResult run = Run(arguments);
    ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
    const auto stages = nlohmann::json::parse(ReadText(json))["stages"];
    for (const auto& stage : stages) {
      EXPECT_GT(stage["L"].get<double>(), 0) << name;
      EXPECT_GT(stage["V"].get<double>(), 0) << name;
    }
  }
}

TEST_F(ColumnCommandTest, BadInputIsRefusedWithAClearMessage) {
  struct Case {
    std::vector<std::string> Change;  // option and the value that replaces it
    std::string Message;
  };
  const std::vector<Case> cases = {
      {{"--trays", "20"}, "between 1 and 19 for a mixture of 2 components"},
      {{"--feed", "7:1000:20"}, "Feed tray number 7 lies outside 0..4"},
      {{"--takeoff", "9:150"}, "Catch tray number 9 lies outside 0..4"},
      {{"--feed", "2:1000:120"}, "must sum to at most 100 %"},
      {{"--feed", "2:1000:20,30"}, "--feed 2: give the percentages of the first 1 components"},
      {{"--feed", "2:1000"}, "--feed takes TRAY:FLOW_PER_HOUR:PCT1"},
      {{"--pressure", "0"}, "--pressure must be above 0 mm Hg"},
      {{"--steam-pressure", "12"}, "between 1 and 10 kgf/sm2"},
      {{"--steam", "-5"}, "steam flow must not be negative"},
      {{"--trays", "3.5"}, "--trays must be a whole number"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = SmallColumn();
    const auto option = std::find(arguments.begin(), arguments.end(), c.Change[0]);
    ASSERT_NE(option, arguments.end());
    *(option + 1) = c.Change[1];
    const RunResult run = Run(arguments);
    EXPECT_EQ(run.exitCode, 2) << c.Message;
    EXPECT_NE(run.err.find(c.Message), std::string::npos) << run.err;
  }

  const RunResult missing = Run({"column", folder_.File("none.dat"), "--from-file"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("none.dat is not retrieved"), std::string::npos) << missing.err;
  const RunResult noBlock = Run({"column", file_, "--from-file"});
  EXPECT_EQ(noBlock.exitCode, 2);
  EXPECT_NE(noBlock.err.find("holds no column data block"), std::string::npos) << noBlock.err;
}

TEST_F(ColumnCommandTest, IncompleteOrContradictoryCommandsAreUsageErrors) {
  EXPECT_EQ(Run({"column", file_, "--trays", "3"}).exitCode, 1);
  EXPECT_EQ(Run({"column", file_, "--from-file", "--trays", "3"}).exitCode, 1);
  EXPECT_EQ(Run(SmallColumn({"--init", "middle"})).exitCode, 1);
  // An empty argument before an unknown option once hung the parser.
  const RunResult empty = Run({"column", file_, "", "--unknown"});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_NE(empty.err.find("argument 3 is empty"), std::string::npos) << empty.err;
}

// Tray numbers far beyond any integer type (converting them was undefined)
// and fractions of a tray are refused with the option named.
TEST_F(ColumnCommandTest, TrayNumbersThatAreNoTraysAreUsageErrors) {
  struct Case {
    const char* option;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {"--trays", "7777777777777777777777", "--trays must be a whole number of trays from 1 on"},
      {"--trays", "-1e300", "--trays must be a whole number of trays from 1 on"},
      {"--trays", "2.5", "--trays must be a whole number of trays from 1 on"},
      {"--takeoff", "7777777777777777777777:5", "invalid tray number '7777777777777777777777'"},
      {"--takeoff", "-1e30:5", "invalid tray number '-1e30'"},
      {"--feed", "1e300:500:10", "invalid tray number '1e300'"},
      {"--feed", "1.5:500:10", "invalid tray number '1.5'"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = SmallColumn();
    if (std::string(c.option) == "--trays") {
      arguments[3] = c.value;
    } else {
      arguments.insert(arguments.end(), {c.option, c.value});
    }
    const RunResult run = Run(arguments);
    EXPECT_EQ(run.exitCode, 2) << c.option << " " << c.value;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST_F(ColumnCommandTest, PhysicallyImpossibleSolutionIsShownAndFails) {
  const RunResult run = Run(SmallColumn());
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.out.find("THE PRECISE SOLUTION OF THE PROBLEM IS RECEIVED!"), std::string::npos);
  const std::string warning =
      "Warning! The solution is physically impossible: negative vapour flow on trays 4.";
  EXPECT_NE(run.out.find(warning), std::string::npos);
  EXPECT_NE(run.err.find(warning), std::string::npos) << run.err;
}

TEST_F(ColumnCommandTest, WrittenBlockIsTheSourceOfTheNextRun) {
  const RunResult first = Run(SmallColumn({"--write-block"}));
  ASSERT_EQ(first.exitCode, 3) << first.err;
  const RunResult second = Run({"column", file_, "--from-file", "--max-global-iterations", "40"});
  EXPECT_TRUE(second.exitCode == 0 || second.exitCode == 3) << second.err;
  const auto table = [](const std::string& out) {
    return out.substr(out.find("             FEED AND TAKEOFF FLOWS OF FRACTIONS"));
  };
  EXPECT_EQ(table(second.out), table(first.out));
}

TEST_F(ColumnCommandTest, FailedLocalMethodShowsTheApproximationWhenAsked) {
  const RunResult shown =
      Run(SmallColumn({"--write-block", "--max-newton-iterations", "1", "--approximate"}));
  EXPECT_EQ(shown.exitCode, 3);
  EXPECT_NE(shown.out.find("        THE APPROXIMATE SOLUTION OF THE PROBLEM IS RECEIVED!"),
            std::string::npos);
  EXPECT_EQ(shown.out.find("FEED AND TAKEOFF"), std::string::npos);

  TempFolder other;
  const std::string fresh =
      testing::WriteVLEFile(other, "fresh.dat", testing::EthanolWaterWilson());
  std::vector<std::string> arguments =
      SmallColumn({"--max-newton-iterations", "1", "--approximate"});
  arguments[1] = fresh;
  const RunResult unread = Run(arguments);
  EXPECT_EQ(unread.exitCode, 3);
  EXPECT_NE(unread.err.find("It was not possible to load the data from the file" + fresh),
            std::string::npos)
      << unread.err;
}

TEST_F(ColumnCommandTest, RussianRunPrintsRussianTexts) {
  const RunResult run = Run(SmallColumn({"--lang", "ru"}));
  EXPECT_NE(run.out.find("             ПОЛУЧЕНО ТОЧНОЕ РЕШЕНИЕ ЗАДАЧИ!"), std::string::npos);
  EXPECT_NE(run.out.find("смеси комп.1-комп.2"), std::string::npos);
}

// The result commands: the database, the report and the pictures, written
// from the working folder that holds the report templates.
TEST_F(ColumnCommandTest, SolutionGoesIntoTheDatabaseTheReportAndThePictures) {
  for (const char* name : {"RctCustom.ReportEn.html", "Report.css"}) {
    std::filesystem::copy_file(std::string(VEXILOR_RESOURCES_DIR) + "/" + name, folder_.File(name));
  }
  const auto saved = std::filesystem::current_path();
  std::filesystem::current_path(folder_.File(""));
  std::vector<std::string> arguments = ExampleArguments("ethanol-water");
  arguments.insert(arguments.end(),
                   {"--store", folder_.File("results.db"), "--report", folder_.File("report.html"),
                    "--picture", folder_.File("column.png")});
  const RunResult run = Run(arguments);
  std::filesystem::current_path(saved);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(ReadText(folder_.File("report.html")).find("comp.1"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(folder_.File("column-1.png")));

  int argc = 1;
  char name[] = "cli_tests";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  store::TDM dm(QString::fromStdString(folder_.File("results.db")));
  const std::vector<int> ids = store::CalculationIds(dm);
  ASSERT_EQ(ids.size(), 1u);
  const auto stored = store::LoadCalculation(dm, ids[0]);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->Trays.size(), 10u);
  EXPECT_EQ(stored->Streams.size(), 3u);
}

}  // namespace
}  // namespace vexilor
