// One frame's simulation of the whole effect (three instances), without the
// drawing: what the CPU spends per frame before the GL gets the samples.
#include <benchmark/benchmark.h>

#include <vector>

#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/random15.h"

namespace velmora::renderer {
namespace {

void BM_SimulateOneFrame(benchmark::State& state) {
    EffectParameters parameters;
    assign_effect_parameters(parameters);
    const EffectGains gains = derive_effect_gains(parameters);
    seed_random15(1);
    std::vector<EffectInstance> instances;
    for (int i = 0; i < parameters.effect_count; ++i) {
        instances.push_back(create_effect_instance(parameters));
    }
    for (auto _ : state) {
        for (EffectInstance& instance : instances) {
            simulate_frame(instance, parameters, gains);
        }
        benchmark::DoNotOptimize(instances.front().samples.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulateOneFrame);

}  // namespace
}  // namespace velmora::renderer
