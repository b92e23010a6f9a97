// One bubble-temperature point, as the column calculation asks for it on
// every tray in every residual evaluation.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/thermo/builtin_data.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {
namespace {

constexpr Real kAtmospherePa = 760 * 133.3L;

// A model that counts its evaluations, to report them per bubble point.
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

std::array<std::string, kMaxComponents> Names(const TVLEParams& params) {
  std::array<std::string, kMaxComponents> names;
  for (int i = 0; i < params.N; ++i) names[i] = ComponentBase[params.Indexes[i]].NameEn;
  return names;
}

ComponentConstants Constants(const TVLEParams& params) {
  ComponentConstants constants;
  for (int i = 0; i < params.N; ++i) {
    GroupBlock groups = ComponentBase[params.Indexes[i]].Groups;
    GroupSums(groups, constants.r[i], constants.q[i]);
  }
  return constants;
}

TVLEParams WilsonComp1Comp2() {
  TVLEParams params;
  params.ModelLetter = 'W';
  params.N = 2;
  params.Indexes = {0, 1};
  params.WilsonA[0][1] = 0.2L;
  params.WilsonA[1][0] = 0.4L;
  return params;
}

// All four built-in components with the literature main-group parameters.
TVLEParams UnifacAllFour() {
  TVLEParams params;
  params.ModelLetter = 'F';
  params.N = 4;
  params.Indexes = {0, 1, 2, 3};
  std::vector<GroupBlock> blocks;
  for (int i = 0; i < 4; ++i) blocks.push_back(ComponentBase[i].Groups);
  const MixtureGroups mixture = MergeGroups(4, blocks);
  params.G = mixture.G;
  params.Letters = mixture.Letters;
  params.Numbers = mixture.Numbers;
  params.Q = mixture.Q;
  params.R = mixture.R;
  auto parameter = [](std::uint8_t m, std::uint8_t n) {
    return m == n ? Real{0} : LiteratureGroupTable[m - 1][n - 1];
  };
  for (int m = 0; m < params.G; ++m) {
    for (int n = 0; n < params.G; ++n) {
      params.GroupA[m][n] = parameter(params.Numbers[m], params.Numbers[n]);
    }
  }
  for (int i = 0; i < 4; ++i) {
    GroupBlock& block = params.CompGroups[i];
    block = blocks[i];
    Real r = 0;
    Real q = 0;
    GroupSums(block, r, q);
    for (int k = 0; k < block.G; ++k) {
      for (int l = 0; l < block.G; ++l)
        block.A[k][l] = parameter(block.Numbers[k], block.Numbers[l]);
    }
  }
  return params;
}

template <class Model>
void BubbleTemperature(benchmark::State& state, TVLEParams params, ComponentVector x) {
  LoadBuiltInData();
  Counted<Model> model(params, Names(params), Constants(params));
  ComponentVector gamma{};
  ComponentVector y{};
  Real tau = 0;
  Real P = kAtmospherePa;
  for (auto _ : state) {
    model.Equilibrium('T', 'y', 1.01L, 1.2L, tau, P, x, gamma, y);
    benchmark::DoNotOptimize(tau);
    benchmark::DoNotOptimize(y);
  }
  state.counters["evaluations"] = benchmark::Counter(static_cast<double>(model.Evaluations),
                                                     benchmark::Counter::kAvgIterations);
}

void BM_BubbleTemperatureWilson(benchmark::State& state) {
  BubbleTemperature<TWilsonObj>(state, WilsonComp1Comp2(), {0.3L, 0.7L});
}
BENCHMARK(BM_BubbleTemperatureWilson);

void BM_BubbleTemperatureUnifacFourComponents(benchmark::State& state) {
  LoadBuiltInData();
  BubbleTemperature<TUNIFACObj>(state, UnifacAllFour(), {0.25L, 0.35L, 0.3L, 0.1L});
}
BENCHMARK(BM_BubbleTemperatureUnifacFourComponents);

}  // namespace
}  // namespace vexilor
