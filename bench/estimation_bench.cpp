// Fits of the estimation over the built-in measurements: every binary fit
// of every model, and a whole four-component UNIFAC estimation.
#include <benchmark/benchmark.h>

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "cli/cli_dialog.h"
#include "engine/estimation/estimation_dialogue.h"
#include "engine/estimation/fitting.h"
#include "engine/estimation/unifac_groups.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/builtin_data.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"

namespace vexilor {
namespace {

// Answers the method question and the UNIFAC questions as told, and the
// minimiser's slow-convergence question with "go on", silently; the rest
// as the command line does.
class BenchDialog : public cli::CliDialog {
 public:
  BenchDialog(int method, std::deque<int> alternatives)
      : method_(method), alternatives_(std::move(alternatives)) {}

  Answer ShowMessage(MessageKind, ButtonSet buttons, const std::string&) override {
    ++Questions;
    return buttons == ButtonSet::AbortRetry ? Answer::Retry : Answer::Ok;
  }
  int ChooseEquilibriumMethod(const ChooseMethodRequest&) override { return method_; }
  int ChooseAlternative(const AlternativesRequest&) override {
    const int answer = alternatives_.front();
    alternatives_.pop_front();
    return answer;
  }

  int Questions = 0;  //!< slow-convergence questions answered

 private:
  int method_;
  std::deque<int> alternatives_;
};

struct PairFitCase {
  FitModel Model;
  std::uint8_t Variant;  // UNIFAC: 1 main groups, 2 subgroups
  std::uint16_t First;
  std::uint16_t Second;
};

// One fit of a built-in pair, from the loading of its points on, as the
// estimation makes it.
void FitBuiltInPair(benchmark::State& state, PairFitCase c) {
  LoadBuiltInData();
  Lang = 1;
  BenchDialog dialog(0, {});
  DialogScope scope(dialog);
  LineList text;
  std::array<GroupBlock, 2> blocks{ComponentBase[c.First].Groups, ComponentBase[c.Second].Groups};
  Real r1 = 0, q1 = 0, r2 = 0, q2 = 0;
  GroupSums(blocks[0], r1, q1);
  GroupSums(blocks[1], r2, q2);
  const unsigned long long before = FitProgress.Total;
  for (auto _ : state) {
    UnifacVariant = c.Variant;
    GroupTable = LiteratureGroupTable;
    UnifacPair pair = MakeUnifacPair(blocks[0], blocks[1]);
    PairFit fit;
    fit.Text = &text;
    fit.r1 = r1;
    fit.q1 = q1;
    fit.r2 = r2;
    fit.q2 = q2;
    fit.Unifac = &pair;
    SelectEquil(c.First, c.Second);
    LoadPairPoints(fit, ComponentBase[c.First], ComponentBase[c.Second]);
    benchmark::DoNotOptimize(FitPair(c.Model, fit));
  }
  state.counters["evaluations"] = benchmark::Counter(
      static_cast<double>(FitProgress.Total - before), benchmark::Counter::kAvgIterations);
  state.counters["questions"] =
      benchmark::Counter(static_cast<double>(dialog.Questions), benchmark::Counter::kAvgIterations);
}

// The whole estimation of all four built-in components with UNIFAC
// subgroups: six pair fits of up to twelve parameters and the completion.
void BM_EstimateFourComponentsUnifacSubgroups(benchmark::State& state) {
  LoadBuiltInData();
  Lang = 1;
  const std::array<std::uint16_t, 4> indexes{0, 1, 2, 3};
  const unsigned long long before = FitProgress.Total;
  for (auto _ : state) {
    BenchDialog dialog(3, {1});
    DialogScope scope(dialog);
    LineList text;
    TVLEParams params;
    char letter = 0;
    EstimateParameters(4, indexes, letter, params, text);
    benchmark::DoNotOptimize(params);
  }
  state.counters["evaluations"] = benchmark::Counter(
      static_cast<double>(FitProgress.Total - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EstimateFourComponentsUnifacSubgroups)->Unit(benchmark::kMillisecond);

const char* const kShortNames[] = {"comp1", "comp2", "comp3", "comp4"};

// Ethanol-water (comp.1/comp.2) first, then every other pair.
int RegisterPairFits() {
  const struct {
    const char* Name;
    FitModel Model;
    std::uint8_t Variant;
  } models[] = {{"Wilson", FitModel::Wilson, 0},
                {"Nrtl", FitModel::Nrtl, 0},
                {"Uniquac", FitModel::Uniquac, 0},
                {"UnifacMainGroups", FitModel::Unifac, 1},
                {"UnifacSubgroups", FitModel::Unifac, 2}};
  const std::array<std::array<std::uint16_t, 2>, 6> pairs{
      {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};
  for (const auto& pair : pairs) {
    for (const auto& model : models) {
      const std::string name = std::string("BM_Fit") + model.Name + "/" + kShortNames[pair[0]] +
                               "_" + kShortNames[pair[1]];
      benchmark::RegisterBenchmark(name.c_str(), FitBuiltInPair,
                                   PairFitCase{model.Model, model.Variant, pair[0], pair[1]})
          ->Unit(benchmark::kMillisecond);
    }
  }
  return 0;
}
[[maybe_unused]] const int registered = RegisterPairFits();

}  // namespace
}  // namespace vexilor
