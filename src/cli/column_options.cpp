#include "cli/column_options.h"

#include <CLI/CLI.hpp>
#include <cmath>

#include "cli/exit_codes.h"
#include "cli/input_values.h"

namespace vexilor::cli {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// Whether value is a whole number within low..high. The range is tested
// first: converting a real beyond the range of an integer type is undefined.
bool WholeWithin(Real value, int low, int high) {
  return value >= low && value <= high && value == std::trunc(value);
}

std::uint8_t ParseTray(const std::string& text, const std::string& option) {
  const Real value = ParseReal(text, option);
  if (!WholeWithin(value, 0, 255))
    throw BadInput("invalid tray number '" + text + "' for " + option);
  return static_cast<std::uint8_t>(value);
}

}  // namespace

ProblemOptions ParseProblem(const ColumnOptions& options) {
  ProblemOptions problem;
  const Real trays = ParseReal(options.Trays, "--trays");
  if (!WholeWithin(trays, 1, 255))
    throw BadInput("--trays must be a whole number of trays from 1 on, not '" + options.Trays +
                   "'");
  problem.Trays = static_cast<std::uint16_t>(trays);
  problem.Molar = options.Units == "molar";
  problem.LiveSteam = options.Heating == "live";
  problem.SteamKgPerHour = ParseReal(options.Steam, "--steam");
  problem.SteamPressure = ParseReal(options.SteamPressure, "--steam-pressure");
  problem.PressureMmHg = ParseReal(options.Pressure, "--pressure");
  if (!(problem.PressureMmHg > 0)) throw BadInput("--pressure must be above 0 mm Hg");
  for (const std::string& text : options.Feeds) {
    const auto parts = Split(text, ':');
    if (parts.size() != 3)
      throw BadInput("--feed takes TRAY:FLOW_PER_HOUR:PCT1[,PCT2...], not '" + text + "'");
    FeedOption feed;
    feed.Tray = ParseTray(parts[0], "--feed");
    feed.FlowPerHour = ParseReal(parts[1], "--feed");
    feed.Percent = ParseRealList(parts[2], "--feed");
    problem.Feeds.push_back(feed);
  }
  for (const std::string& text : options.Takeoffs) {
    const auto parts = Split(text, ':');
    if (parts.size() != 2) throw BadInput("--takeoff takes TRAY:FLOW_PER_HOUR, not '" + text + "'");
    problem.Takeoffs.push_back(
        {ParseTray(parts[0], "--takeoff"), ParseReal(parts[1], "--takeoff")});
  }
  return problem;
}

void AddColumnOptions(CLI::App& command, ColumnOptions& options) {
  command.add_option("FILE.dat", options.FileName, "VLE data file")->required();
  auto* fromFile = command.add_flag(
      "--from-file", options.FromFile,
      "Take the column from the data file's column block (the file is written back: the "
      "approximation reached by the global method is kept there)");
  command
      .add_option("--init", options.Init, "Initial liquid: equal fractions, or as in the main feed")
      ->check(CLI::IsMember({"equal", "feed"}));
  command.add_flag("--write-block", options.WriteBlock,
                   "Write the column given on the command line into the data file as its block");
  command.add_option("--lang", options.Language, "Language of the texts")
      ->check(CLI::IsMember({"en", "ru"}));
  command.add_option("--text", options.TextFile,
                     "Save the results text (Windows-1251, CRLF; the old file kept as .bak)");
  command.add_option("--json", options.JsonFile, "Write a JSON summary of the solution");
  command.add_option("--store", options.StoreFile, "Store the solution in this results database");
  command.add_option(
      "--report", options.ReportFile,
      "Write the report of the solution (.pdf, .html, .odt, .txt; templates from the "
      "working folder)");
  command.add_option("--picture", options.PictureFile,
                     "Save the pictorial results as PNG pages (OUT.png gives OUT-1.png, ...)");
  command
      .add_option("--max-global-iterations", options.MaxGlobalIterations,
                  "Iterations after which the global method stops and Newton's method starts")
      ->check(CLI::Range(1u, 4000000000u));
  command
      .add_option("--max-newton-iterations", options.MaxNewtonIterations,
                  "Newton iterations after which the local method counts as failed")
      ->check(CLI::Range(1, 65535));
  command.add_flag("--approximate", options.Approximate,
                   "After a failed local method print the approximate solution (needs the column "
                   "block in the data file: --write-block or --from-file)");

  auto* problem = command.add_option_group("PROBLEM", "The column, unless --from-file");
  const std::vector<CLI::Option*> problemOptions = {
      problem->add_option("--trays", options.Trays, "Number of trays N (stages 0..N+1)"),
      problem->add_option("--units", options.Units, "Flows and fractions by mass or by moles")
          ->check(CLI::IsMember({"mass", "molar"})),
      problem->add_option("--heating", options.Heating, "Live steam into the still, or dead steam")
          ->check(CLI::IsMember({"live", "dead"})),
      problem->add_option("--steam", options.Steam, "Heating steam flow, kg/hour"),
      problem->add_option("--steam-pressure", options.SteamPressure,
                          "Heating steam pressure, kgf/cm2 (1 to 10)"),
      problem->add_option("--pressure", options.Pressure, "Column pressure, mm Hg"),
      problem->add_option("--feed", options.Feeds,
                          "TRAY:FLOW_PER_HOUR:PCT1[,PCT2...] percentages of components 1..n-1 "
                          "(repeatable)"),
      problem->add_option("--takeoff", options.Takeoffs, "TRAY:FLOW_PER_HOUR (repeatable)")};
  for (CLI::Option* option : problemOptions) fromFile->excludes(option);
}

bool ProblemGiven(const ColumnOptions& options) {
  return !(options.Trays.empty() || options.Units.empty() || options.Heating.empty() ||
           options.Steam.empty() || options.SteamPressure.empty() || options.Pressure.empty() ||
           options.Feeds.empty() || options.Takeoffs.empty());
}

ColumnPolicy PolicyOf(const ColumnOptions& options) {
  ColumnPolicy policy;
  policy.FileName = options.FileName;
  policy.FromFile = options.FromFile;
  if (!options.FromFile) policy.Problem = ParseProblem(options);
  policy.InitAsFeed = options.Init == "feed";
  policy.WriteBlock = options.WriteBlock;
  policy.Approximate = options.Approximate;
  policy.Store = !options.StoreFile.empty();
  return policy;
}

RunOptions LimitsOf(const ColumnOptions& options) {
  RunOptions limits;
  limits.MaxGlobalIterations = options.MaxGlobalIterations;
  limits.MaxNewtonIterations = options.MaxNewtonIterations;
  return limits;
}

}  // namespace vexilor::cli
