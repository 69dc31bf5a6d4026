// SPDX-License-Identifier: GPL-3.0-or-later
// What the biometry window computes for each reaction: a measurement typed
// (its band), an age changed (medians, theoretical weight, bands emptied),
// the weight button, and the customised centile.
#include <benchmark/benchmark.h>

#include "biometry/customised_centile.h"
#include "biometry/fetal_weight.h"
#include "biometry/percentile_band.h"
#include "biometry/reference_charts.h"

using namespace tovimar;

static void MeasurementTyped(benchmark::State& state) {
    const char* texts[] = {"4", "47", "47,", "47,5", "999", "abc"};
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BANDE_CENTILE(Measure::Cc, "30", texts[i++ % 6]));
    }
}
BENCHMARK(MeasurementTyped);

static void AgeChanged(benchmark::State& state) {
    int week = 13;
    for (auto _ : state) {
        week = week == 41 ? 13 : week + 1;
        const auto medians = MEDIANES_SA(week);
        benchmark::DoNotOptimize(medians);
        benchmark::DoNotOptimize(theoreticalWeight(week));
        // The fields are emptied after the scroll bars moved to the medians:
        // each measure's band is looked up twice.
        const std::string age = std::to_string(week);
        for (Measure m : kMeasuresOnScreen) {
            const auto median = medians[measureIndex(m)];
            benchmark::DoNotOptimize(
                BANDE_CENTILE(m, age, median ? std::to_string(*median) : std::string()));
            benchmark::DoNotOptimize(BANDE_CENTILE(m, age, ""));
        }
    }
}
BENCHMARK(AgeChanged);

static void WeightsAndRatios(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(POIDS_SHEPHARD(90, 330));
        benchmark::DoNotOptimize(POIDS_HADLOCK(320, 330, 72.5));
        benchmark::DoNotOptimize(POIDS_DUDLEY(320, 330, 72.5));
        benchmark::DoNotOptimize(ratioText(45, 40));
        benchmark::DoNotOptimize(ratioText(20, 50));
    }
}
BENCHMARK(WeightsAndRatios);

static void CustomisedCentileComputed(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CENTILE_GARDOSI(238, 70, 170, 3000, 0, 1, 2));
        benchmark::DoNotOptimize(weeksFromDaysText(238));
    }
}
BENCHMARK(CustomisedCentileComputed);
