// One bubble-temperature point, as the column calculation asks for it on
// every tray in every residual evaluation.
#include <benchmark/benchmark.h>

#include "engine/thermo/builtin_data.h"
#include "engine/thermo/vle_fixtures.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {
namespace {

constexpr Real kAtmospherePa = 760 * 133.3L;

// A model that counts its evaluations, to report them per bubble point.
// It evaluates through the virtual ActivityCoefficients, so it is run once
// beside the timed model, which searches with its own evaluation inlined.
template <class Model>
class Counted : public Model {
 public:
  using Model::Model;
  void ActivityCoefficients(ComponentVector x, ComponentVector& gamma, Real tau) override {
    ++Evaluations;
    Model::ActivityCoefficients(x, gamma, tau);
  }
  long Evaluations = 0;
};

template <class Model>
void BubbleTemperature(benchmark::State& state, TVLEParams params, ComponentVector x) {
  Model model(params, testing::NamesOf(params), testing::ConstantsOf(params));
  ComponentVector gamma{};
  ComponentVector y{};
  Real tau = 0;
  Real P = kAtmospherePa;
  for (auto _ : state) {
    model.Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
    benchmark::DoNotOptimize(tau);
    benchmark::DoNotOptimize(y);
  }
  Counted<Model> counted(params, testing::NamesOf(params), testing::ConstantsOf(params));
  counted.Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
  state.counters["evaluations"] = static_cast<double>(counted.Evaluations);
}

void BM_BubbleTemperatureWilson(benchmark::State& state) {
  LoadBuiltInData();
  BubbleTemperature<TWilsonObj>(state, testing::MakeParams('W', {0, 1}), {0.3L, 0.7L});
}
BENCHMARK(BM_BubbleTemperatureWilson);

void BM_BubbleTemperatureUnifacFourComponents(benchmark::State& state) {
  LoadBuiltInData();
  BubbleTemperature<TUNIFACObj>(state, testing::MakeParams('F', {0, 1, 2, 3}),
                                {0.25L, 0.35L, 0.3L, 0.1L});
}
BENCHMARK(BM_BubbleTemperatureUnifacFourComponents);

}  // namespace
}  // namespace vexilor
