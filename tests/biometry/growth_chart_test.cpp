// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/growth_chart.h"

#include <cmath>
#include <gtest/gtest.h>

#include "biometry/percentile_band.h"
#include "biometry/reference_charts.h"

using namespace tovimar;

namespace {
int bandIndex(Measure m, int week, double mm) {
    const auto w = chartWeek(m, week);
    const auto caption = bandCaption(m, week, mm);
    for (int i = 0; i < w->count(); ++i)
        if (w->captions[i] == *caption) return i;
    return -1;
}
} // namespace

TEST(GrowthChart, AxesAndLegendsOfTheSevenCharts) {
    struct Case {
        Measure m;
        int valueMax, valueStep, firstWeek, lastWeek;
        std::vector<std::string_view> legends;
    } cases[] = {
        {Measure::Bip, 120, 20, 13, 41, {"C 97", "C 90", "C 50", "C 10", "C 3"}},
        {Measure::Cc, 400, 50, 16, 40, {"C 97", "C 90", "C 50", "C 10", "C 3"}},
        {Measure::Dat, 140, 20, 13, 41, {"C 97", "C 90", "C 50", "C 10", "C 3"}},
        {Measure::CA, 400, 50, 15, 41, {"C 97", "C 90", "C 50", "C 10", "C 3"}},
        {Measure::Fem, 90, 10, 13, 41, {"C 97", "C 90", "C 50", "C 10", "C 3"}},
        {Measure::Pied, 100, 10, 13, 41, {"C 95", "C 50", "C 5"}},
        {Measure::Cer, 60, 10, 15, 37, {"97", "90", "50", "10", "3"}},
    };
    for (const auto& c : cases) {
        const auto chart = growthChart(c.m);
        ASSERT_TRUE(chart);
        EXPECT_EQ(chart->valueMax, c.valueMax);
        EXPECT_EQ(chart->valueStep, c.valueStep);
        EXPECT_EQ(chart->firstWeek, c.firstWeek);
        EXPECT_EQ(chart->lastWeek, c.lastWeek);
        ASSERT_EQ(chart->curves.size(), c.legends.size());
        for (std::size_t i = 0; i < c.legends.size(); ++i) {
            EXPECT_EQ(chart->curves[i].legend, c.legends[i]);
            for (const auto& p : chart->curves[i].points) {
                EXPECT_GE(p.week, chart->firstWeek);
                EXPECT_LE(p.week, chart->lastWeek);
                EXPECT_GT(p.mm, 0);
                EXPECT_LT(p.mm, chart->valueMax);
            }
        }
    }
    EXPECT_FALSE(growthChart(Measure::Hum));
    EXPECT_FALSE(growthChart(Measure::Orb));
}

TEST(GrowthChart, CurvesRunBetweenTheBands) {
    const auto bip = *growthChart(Measure::Bip);
    // BPD at 20 weeks: < 3 up to 41, 3-10 from 42; the 50th band is 47.
    EXPECT_DOUBLE_EQ(bip.curves[4].points[7].mm, 41.5);
    EXPECT_EQ(bip.curves[4].points[7].week, 20);
    EXPECT_DOUBLE_EQ(bip.curves[2].points[7].mm, 47);
    // The foot has its 5th and 95th curves from 24 to 38 weeks only.
    const auto foot = *growthChart(Measure::Pied);
    EXPECT_EQ(foot.curves[0].points.front().week, 24);
    EXPECT_EQ(foot.curves[0].points.back().week, 38);
    EXPECT_EQ(foot.curves[1].points.size(), 28u);
}

// A value below a boundary curve is in a band below it, a value above in a band
// above it, and a value exactly on it (a value the tables leave between two
// bands) in the band nearer the median.
TEST(GrowthChart, EveryBoundaryCurveAgreesWithTheBandLookup) {
    for (Measure m : kChartedMeasures) {
        const auto chart = *growthChart(m);
        for (const ChartCurve& curve : chart.curves) {
            if (curve.rank == CurveRank::Median) continue;
            for (const auto& p : curve.points) {
                const auto week = *chartWeek(m, p.week);
                const int below = bandIndex(m, p.week, std::floor(p.mm - 0.01));
                const int above = bandIndex(m, p.week, std::ceil(p.mm + 0.01));
                EXPECT_EQ(above, below + 1) << measureFieldName(m) << " " << p.week;
                if (p.mm == std::floor(p.mm)) {
                    const int on = bandIndex(m, p.week, p.mm);
                    EXPECT_EQ(on, below < week.medianBand ? above : below)
                        << measureFieldName(m) << " " << p.week << " " << p.mm;
                }
            }
        }
    }
}
