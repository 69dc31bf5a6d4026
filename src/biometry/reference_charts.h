// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fetal biometry reference charts: for eight measures, the percentile
// bands of every week of amenorrhoea that the chart covers, and the medians
// (50th centile) of every measure from 13 to 41 weeks. The tables live once,
// in reference_charts.cpp.

#include <array>
#include <climits>
#include <optional>
#include <span>
#include <string_view>

#include "biometry/biometry_measures.h"

namespace tovimar {

// An inclusive range of whole millimetres; the lowest band is open downwards
// (lo == INT_MIN) and the highest open upwards (hi == INT_MAX).
struct BandRange {
    int lo = INT_MIN;
    int hi = INT_MAX;
};

// One week of a chart: its bands from the lowest, with their captions.
struct ChartWeek {
    std::array<BandRange, 7> bands{};
    std::span<const std::string_view> captions; // one caption per band
    int medianBand = 0;                         // the index of "50 ème Percentile"

    int count() const { return static_cast<int>(captions.size()); }
};

struct WeekSpan {
    int first = 0;
    int last = 0;
};

// The weeks a measure's chart covers; nothing for the inter-orbital distance,
// which has no chart.
std::optional<WeekSpan> chartWeeks(Measure m);

// The bands of a measure's chart at a whole week; nothing when the chart does
// not cover that week.
std::optional<ChartWeek> chartWeek(Measure m, int week);

// Captions shown in red at 10 points: the extreme bands that call for attention.
bool isEmphasisedCaption(Measure m, std::string_view caption);

// The median of each of the nine measures at a week, in the screen's order
// (Orb, Bip, Cc, Dat, CA, Fem, Pied, Hum, Cer), in whole millimetres; nothing
// where the chart has no median for that week (always below 13 and above 41).
std::array<std::optional<int>, 9> MEDIANES_SA(int week);

} // namespace tovimar
