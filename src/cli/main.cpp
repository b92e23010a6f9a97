// vexilor-cli: the batch front end over the calculation engine.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/input_values.h"
#include "engine/shell/failures.h"
#include "engine/thermo/builtin_data.h"

namespace {

void PrintError(const char* text) {
  std::fprintf(stderr, "vexilor-cli: %s\n", text);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vexilor::cli;
  CLI::App app{"Vexilor: vapour-liquid equilibrium and rectification columns"};
  app.require_subcommand(1);
  CommandAction selected;
  AddEquilibriumCommands(app, selected);
  AddEstimateCommand(app, selected);
  AddColumnCommand(app, selected);
  try {
    ParseCommandLine(app, argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? kExitSuccess : kExitUsage;
  }

  try {
    vexilor::LoadBuiltInData();
    return selected();
  } catch (const BadInput& error) {
    PrintError(error.what());
    return kExitBadInput;
  } catch (const vexilor::NumericFailure& failure) {
    PrintError(failure.what());
    return kExitNoConvergence;
  } catch (const vexilor::ProgramTermination&) {
    return kExitBadInput;  // the message was printed when it was shown
  } catch (const std::exception& error) {
    PrintError(error.what());
    return kExitBadInput;
  }
}
