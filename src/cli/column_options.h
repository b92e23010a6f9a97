// The options of `vexilor-cli column` and how they answer the questions of
// a rectification run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/column_dialog.h"
#include "engine/column/rectification_run.h"

namespace CLI {
class App;
}

namespace vexilor::cli {

//! The options as given on the command line.
struct ColumnOptions {
  std::string FileName;
  bool FromFile = false;
  std::string Init = "equal";
  bool WriteBlock = false;
  std::string Language = "en";
  std::string TextFile;
  std::string JsonFile;
  std::string StoreFile;
  std::string ReportFile;
  std::string PictureFile;
  std::uint32_t MaxGlobalIterations = 10000;
  std::uint16_t MaxNewtonIterations = 200;
  bool Approximate = false;
  // The problem, as typed.
  std::string Trays;
  std::string Units;
  std::string Heating;
  std::string Steam;
  std::string SteamPressure;
  std::string Pressure;
  std::vector<std::string> Feeds;
  std::vector<std::string> Takeoffs;
};

//! Declares every option of the column command on command (FILE.dat, the
//! problem, the policy, the outputs and the limits) with their checks.
void AddColumnOptions(CLI::App& command, ColumnOptions& options);

//! The problem as given; throws BadInput for a value that is not a number
//! or a stream that is not written as documented.
ProblemOptions ParseProblem(const ColumnOptions& options);

//! Whether the problem options are complete (without --from-file).
bool ProblemGiven(const ColumnOptions& options);

//! The answers to the run's questions (the problem parsed unless FromFile).
ColumnPolicy PolicyOf(const ColumnOptions& options);

//! The iteration limits of the run.
RunOptions LimitsOf(const ColumnOptions& options);

}  // namespace vexilor::cli
