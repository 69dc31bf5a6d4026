// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/growth_chart.h"

#include "biometry/reference_charts.h"

namespace tovimar {
namespace {

struct Axes {
    int valueMax, valueStep, firstWeek, lastWeek;
};

std::optional<Axes> axesOf(Measure m) {
    switch (m) {
    case Measure::Bip:
        return Axes{120, 20, 13, 41};
    case Measure::Cc:
        return Axes{400, 50, 16, 40};
    case Measure::Dat:
        return Axes{140, 20, 13, 41};
    case Measure::CA:
        return Axes{400, 50, 15, 41};
    case Measure::Fem:
        return Axes{90, 10, 13, 41};
    case Measure::Pied:
        return Axes{100, 10, 13, 41};
    case Measure::Cer:
        return Axes{60, 10, 15, 37};
    default:
        return std::nullopt;
    }
}

// The line between band `below` and the next band up.
double limitAbove(const ChartWeek& w, int below) {
    return (w.bands[below].hi + w.bands[below + 1].lo) / 2.0;
}
double middleOf(const ChartWeek& w, int band) {
    return (w.bands[band].lo + w.bands[band].hi) / 2.0;
}

} // namespace

std::optional<GrowthChart> growthChart(Measure m) {
    const auto axes = axesOf(m);
    const auto weeks = chartWeeks(m);
    if (!axes || !weeks) return std::nullopt;
    GrowthChart chart;
    chart.measure = m;
    chart.valueMax = axes->valueMax;
    chart.valueStep = axes->valueStep;
    chart.firstWeek = axes->firstWeek;
    chart.lastWeek = axes->lastWeek;

    const bool foot = m == Measure::Pied;
    const bool bare = m == Measure::Cer; // the cerebellum's legend has no "C"
    if (foot) {
        chart.curves = {{"C 95", CurveRank::Extreme, {}},
                        {"C 50", CurveRank::Median, {}},
                        {"C 5", CurveRank::Extreme, {}}};
    } else {
        chart.curves = {{bare ? "97" : "C 97", CurveRank::Extreme, {}},
                        {bare ? "90" : "C 90", CurveRank::Outer, {}},
                        {bare ? "50" : "C 50", CurveRank::Median, {}},
                        {bare ? "10" : "C 10", CurveRank::Outer, {}},
                        {bare ? "3" : "C 3", CurveRank::Extreme, {}}};
    }
    for (int week = weeks->first; week <= weeks->last; ++week) {
        const auto w = chartWeek(m, week);
        if (!w) continue;
        if (!foot) {
            chart.curves[0].points.push_back({week, limitAbove(*w, 5)});
            chart.curves[1].points.push_back({week, limitAbove(*w, 4)});
            chart.curves[2].points.push_back({week, middleOf(*w, 3)});
            chart.curves[3].points.push_back({week, limitAbove(*w, 1)});
            chart.curves[4].points.push_back({week, limitAbove(*w, 0)});
        } else if (w->count() == 5) {
            chart.curves[0].points.push_back({week, limitAbove(*w, 3)});
            chart.curves[1].points.push_back({week, middleOf(*w, 2)});
            chart.curves[2].points.push_back({week, limitAbove(*w, 0)});
        } else {
            // Outside 24 to 38 weeks the foot chart gives only its median band.
            chart.curves[1].points.push_back({week, middleOf(*w, 1)});
        }
    }
    return chart;
}

} // namespace tovimar
