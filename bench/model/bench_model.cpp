// One step of the aircraft model (the 747 in cruise: four engines, most
// tanks, every radio) against the baseline of reading the whole offset space
// once, the least any far end does to answer a panel. Prints both medians,
// their ratio, and the share of one core the model takes at its 20 Hz.
#include "medianreporter.h"
#include "aircraftmodel.h"
#include "aircraftpresets.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

void ReadOffsetSpace(benchmark::State &state)
{
    OffsetSpace space;
    static std::array<std::uint8_t, OffsetSpace::kSize> copy;
    for (auto _ : state) {
        space.read(0, copy);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}

void ModelStep(benchmark::State &state, const char *aircraft, Scenario scenario)
{
    OffsetSpace space;
    AircraftModel model;
    const AircraftPreset &preset = *findPreset(aircraft);
    loadPreset(space, preset, {2024, 7, 14, 196, 9 * 3600});
    model.load(preset, space);
    model.applyScenario(scenario, space);
    for (auto _ : state) {
        model.step(space);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(ReadOffsetSpace)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ModelStep, b747_cruise, "b747", Scenario::Cruise)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ModelStep, c172_approach, "c172", Scenario::Approach)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double baseline = reporter.of("ReadOffsetSpace").cpu;
    for (const auto &[name, median] : reporter.medians) {
        const double ns = median.cpu;
        if (name == "ReadOffsetSpace" || baseline <= 0)
            continue;
        const double coreShare = ns * 1e-9 * 20.0 * 100.0; // 20 steps a second
        std::printf("\n%s: %.2f us a step, reading the offset space %.2f us, ratio %.2f; %.4f %% of a core at 20 Hz",
                    name.c_str(), ns / 1000.0, baseline / 1000.0, ns / baseline, coreShare);
    }
    std::printf("\n");
    return 0;
}
