// How a subcommand of vexilor-cli hooks into the program: each command file
// adds its subcommand to the application and, when the command line selects
// it, hands back the action to run.
#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace vexilor::cli {

//! Runs the selected command; returns its exit code (exit_codes.h).
using CommandAction = std::function<int()>;

//! bubble and dew (equilibrium_command.cpp).
void AddEquilibriumCommands(CLI::App& app, CommandAction& selected);

//! estimate (estimate_command.cpp).
void AddEstimateCommand(CLI::App& app, CommandAction& selected);

//! column (column_command.cpp).
void AddColumnCommand(CLI::App& app, CommandAction& selected);

}  // namespace vexilor::cli
