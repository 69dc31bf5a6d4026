// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window computes when the start of pregnancy changes: read
// the date, then term, age today, months, full cover and the whole schedule.
#include <benchmark/benchmark.h>

#include "dating/follow_up_schedule.h"
#include "dating/pregnancy_dating.h"
#include "dating/term_settings.h"

using namespace tovimar;

static void StartOfPregnancyRecomputation(benchmark::State& state) {
    const auto settings = decodeTermSettings(
        "\"14\",\"7\",\"98\",\"125\",\"77\",\"97\",\"210\",\"238\",\"250\",\"77\",\"97\"\r\n");
    const VbDate today = *readFrenchDate("09/12/2026");
    for (auto _ : state) {
        const VbDate start = *readFrenchDate("15/06/2026");
        std::string out = TERME_DEPUIS_DEBUT(start).toText();
        out += AGE_DEPUIS_DEBUT(start, today).text();
        out += MOIS_JOURS(start, today);
        out += FENETRE_AMENORRHEE(start, *windowBoundDays(settings->values[4]),
                                  *windowBoundDays(settings->values[5]))
                   .text();
        out += FENETRE_AMENORRHEE(start, *windowBoundDays(settings->values[2]),
                                  *windowBoundDays(settings->values[3]))
                   .text();
        out += CONSULTATION_ANESTHESIE(start, *windowBoundDays(settings->values[6]),
                                       *windowBoundDays(settings->values[7]));
        for (const DateWindow& w : EXAMENS_OBLIGATOIRES(start))
            out += w.text();
        out += FENETRE_AMENORRHEE(start, *windowBoundDays(settings->values[9]),
                                  *windowBoundDays(settings->values[10]))
                   .text();
        for (VbDate d : ECHOGRAPHIES_RECOMMANDEES(start))
            out += d.toText();
        out += DATE_100_POURCENT(start).toText();
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(StartOfPregnancyRecomputation);
