// The rectification calculation: one evaluation of the column residuals,
// and the complete solution (global plus local method) of each example.
#include <benchmark/benchmark.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cli/column_dialog.h"
#include "cli/column_options.h"
#include "cli/input_values.h"
#include "engine/column/column_equations.h"
#include "engine/column/column_fixtures.h"
#include "engine/column/rectification_run.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_data.h"

namespace vexilor {
namespace {

// A binary column of 19 trays, the most the solver holds: ethanol and
// water with the Wilson parameters of the literature, a feed in the middle
// and the distillate.
constexpr int kTrays = 19;
constexpr int kTop = kTrays + 1;

std::unique_ptr<testing::EquationsColumn> NineteenTrayColumn() {
  LoadBuiltInData();
  Lang = 1;
  auto column = std::make_unique<testing::EquationsColumn>(kTrays, 1, 'l', 3000 / 3600.0L);
  ColumnProblem& p = column->Problem;
  p.FeedFlow[10] = 10000 / 3600.0L;
  p.FeedComp[0][10] = 0.1L;
  p.FeedComp[1][10] = 0.9L;
  p.CatchFlow[kTop] = 1000 / 3600.0L;
  column->Build();
  return column;
}

// Unknowns whose every liquid differs from those of shift - 1.
SolverVector Unknowns(int shift) {
  SolverVector u{};
  for (int j = 0; j <= kTop; ++j) {
    u[j * 3] = 0.05L + 0.04L * j + 0.001L * (shift % 2);
    u[j * 3 + 1] = 0.8L;
    u[j * 3 + 2] = 0.4L;
  }
  return u;
}

// A whole evaluation: the liquid of every stage changes, so every stage
// computes its bubble point.
void BM_ColumnResiduals19Trays(benchmark::State& state) {
  const auto column = NineteenTrayColumn();
  cli::CliDialog dialog;
  DialogScope scope(dialog);
  const SolverVector u[2] = {Unknowns(0), Unknowns(1)};
  SolverVector R{};
  int k = 0;
  for (auto _ : state) {
    column->Equations->ColumnResiduals(u[k ^= 1], R);
    benchmark::DoNotOptimize(R);
  }
}
BENCHMARK(BM_ColumnResiduals19Trays)->Unit(benchmark::kMicrosecond);

// An evaluation of a difference quotient: one flow moves, every stage
// keeps its liquid and its bubble point.
void BM_ColumnResiduals19TraysOneFlowMoved(benchmark::State& state) {
  const auto column = NineteenTrayColumn();
  cli::CliDialog dialog;
  DialogScope scope(dialog);
  SolverVector u[2] = {Unknowns(0), Unknowns(0)};
  u[1][31] += 1e-3L;
  SolverVector R{};
  int k = 0;
  for (auto _ : state) {
    column->Equations->ColumnResiduals(u[k ^= 1], R);
    benchmark::DoNotOptimize(R);
  }
}
BENCHMARK(BM_ColumnResiduals19TraysOneFlowMoved)->Unit(benchmark::kMicrosecond);

// The options of an example (examples/NAME/options, one argument a line,
// '#' starting a comment), with its data file found in its folder.
cli::ColumnOptions ExampleOptions(const std::string& name) {
  const std::string folder = std::string(VEXILOR_EXAMPLES_DIR) + "/" + name;
  std::vector<std::string> arguments;
  std::ifstream file(folder + "/options");
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line[0] != '#') arguments.push_back(line);
  }
  cli::ColumnOptions options;
  CLI::App app;
  cli::AddColumnOptions(app, options);
  std::reverse(arguments.begin(), arguments.end());  // CLI11 takes them last first
  app.parse(arguments);
  options.FileName = folder + "/" + options.FileName;
  return options;
}

void BM_ExampleSolution(benchmark::State& state, const std::string& name) {
  LoadBuiltInData();
  const cli::ColumnOptions options = ExampleOptions(name);
  cli::SetLanguage(options.Language);
  RunResult result;
  for (auto _ : state) {
    cli::ColumnDialog dialog(cli::PolicyOf(options));
    DialogScope scope(dialog);
    LineList text;
    result = RunRectification(text, nullptr, cli::LimitsOf(options));
  }
  state.counters["evaluations"] = static_cast<double>(result.Evaluations);
  state.counters["global_iterations"] = result.GlobalIterations;
  state.counters["newton_iterations"] = result.NewtonIterations;
  if (result.Ending != RunEnding::Precise)
    state.SkipWithError("the example has no precise solution");
}
BENCHMARK_CAPTURE(BM_ExampleSolution, EthanolWater, std::string("ethanol-water"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExampleSolution, EthanolWaterMolar, std::string("ethanol-water-molar"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExampleSolution, ThreeComponents, std::string("ethanol-water-methanol"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vexilor
