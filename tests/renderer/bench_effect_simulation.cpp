// One frame's simulation of the whole effect (three instances), without the
// drawing: what the CPU spends per frame before the GL gets the samples.
#include <benchmark/benchmark.h>

#include <vector>

#include "renderer/core/effect_instance.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/random15.h"

namespace velmora::renderer {
namespace {

void SimulateOneFrame(benchmark::State& state) {
    EffectParameters parameters = StandardEffectParameters();
    const EffectGains gains = DeriveEffectGains(parameters);
    Random15 random(1);
    std::vector<EffectInstance> instances;
    instances.reserve(parameters.effect_count);
    for (int i = 0; i < parameters.effect_count; ++i) {
        instances.push_back(CreateEffectInstance(parameters, random));
    }
    for (auto _ : state) {
        for (EffectInstance& instance : instances) {
            SimulateFrame(instance, parameters, gains, random);
        }
        benchmark::DoNotOptimize(instances.front().samples.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SimulateOneFrame);

}  // namespace
}  // namespace velmora::renderer
