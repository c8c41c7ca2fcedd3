#include "model/LightingModel.h"
#include "solver/Recalculator.h"
#include "solver/RoleResolver.h"

#include <benchmark/benchmark.h>

namespace {

// The model as the dialog has it once it is open: start-up roles and values.
LightingModel StartUpModel() {
    LightingModel model;
    InitLightingModel(model);
    NoView view;
    for (int q : kInitiallyGiven) {
        Resolve(model, view, q);
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        if (model.store.computed[q] == 0) {
            Recalculate(model, view, q);
        }
    }
    return model;
}

// What every iteration below pays besides the solver: copying the start-up model.
void CopyStartUpModel(benchmark::State& state) {
    const LightingModel startUp = StartUpModel();
    for (auto _ : state) {
        LightingModel model = startUp;
        benchmark::DoNotOptimize(&model);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyStartUpModel);

// Ticking Beleuchtungsstärke: one conflict, one restart of the derivation.
void ResolveFromStartUp(benchmark::State& state) {
    const LightingModel startUp = StartUpModel();
    NoView view;
    for (auto _ : state) {
        LightingModel model = startUp;
        benchmark::DoNotOptimize(&model);
        Resolve(model, view, kIlluminance);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ResolveFromStartUp);

// A keystroke in Abstrahlwinkel: the new angle reaches every lamp quantity.
void RecalculateFromStartUp(benchmark::State& state) {
    const LightingModel startUp = StartUpModel();
    NoView view;
    for (auto _ : state) {
        LightingModel model = startUp;
        model.store.value[kBeamAngle] = 40;
        benchmark::DoNotOptimize(&model);
        Recalculate(model, view, kBeamAngle);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RecalculateFromStartUp);

void BuildNetwork(benchmark::State& state) {
    LightingModel model;
    InitLightingModel(model);
    for (auto _ : state) {
        BuildFormulaNetwork(model.network, model.store);
        benchmark::DoNotOptimize(&model);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BuildNetwork);

} // namespace
