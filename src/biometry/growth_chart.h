// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The growth charts of seven measures, built from the percentile band tables:
// the centile curves are the lines between neighbouring bands (the median
// curve runs through the middle of the "50 ème Percentile" band), so a value
// typed on a band limit lies on the curve that the band lookup puts it beside.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "biometry/biometry_measures.h"

namespace tovimar {

enum class CurveRank { Extreme, Outer, Median }; // 3/97 (5/95), 10/90, 50

struct ChartCurvePoint {
    int week = 0;
    double mm = 0;
};

struct ChartCurve {
    std::string_view legend; // "C 97", "C 50"...
    CurveRank rank = CurveRank::Median;
    std::vector<ChartCurvePoint> points; // by increasing week
};

struct GrowthChart {
    Measure measure = Measure::Bip;
    int valueMax = 0;  // the value axis runs from 0 to valueMax mm
    int valueStep = 0; // labelled every valueStep mm
    int firstWeek = 0; // the week axis, from firstWeek to lastWeek
    int lastWeek = 0;
    int weekLabelStep = 2;          // a label every other week, from firstWeek
    std::vector<ChartCurve> curves; // from the highest curve to the lowest
};

// The measures that have a growth chart, in the order of the chart buttons:
// BPD, HC, transverse abdominal diameter, AC, femur, foot, cerebellum.
inline constexpr std::array<Measure, 7> kChartedMeasures = {
    Measure::Bip, Measure::Cc,   Measure::Dat, Measure::CA,
    Measure::Fem, Measure::Pied, Measure::Cer};

// Nothing for the measures without a chart (inter-orbital distance, humerus).
std::optional<GrowthChart> growthChart(Measure m);

} // namespace tovimar
