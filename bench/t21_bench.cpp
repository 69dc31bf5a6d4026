// SPDX-License-Identifier: GPL-3.0-or-later
// What a press of "Calcule" computes in the trisomy 21 window: every source of
// risk filled (age, CRL, translucency, serum, two signs), then the after-scan risk.
#include <benchmark/benchmark.h>

#include "t21/risk_calculation.h"

namespace {

tovimar::T21Screen openedScreen() {
    tovimar::T21Screen screen = tovimar::resetT21Screen({});
    tovimar::enterCrl(screen.state, "62");
    screen = tovimar::tickSign(std::move(screen), 0, true);
    return tovimar::tickSign(std::move(screen), 2, true);
}

void BM_T21CalculateEverySource(benchmark::State& state) {
    const tovimar::T21Screen screen = openedScreen();
    const tovimar::T21Inputs inputs{"37,5", true, "850", "62", "2,1"};
    for (auto _ : state) {
        tovimar::T21Calculation result = tovimar::calculateT21Risk(screen, inputs);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_T21CalculateEverySource);

void BM_T21TickSign(benchmark::State& state) {
    const tovimar::T21Screen screen =
        tovimar::calculateT21Risk(openedScreen(), {"37,5", true, "850", "62", "2,1"}).screen;
    for (auto _ : state) {
        tovimar::T21Screen ticked = tovimar::tickSign(screen, 5, true);
        benchmark::DoNotOptimize(ticked);
    }
}
BENCHMARK(BM_T21TickSign);

} // namespace

BENCHMARK_MAIN();
