// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which percentile band a typed measurement falls in, as the band label
// beside the measurement field shows it.

#include <optional>
#include <string>
#include <string_view>

#include "biometry/biometry_measures.h"

namespace tovimar {

struct BandLabel {
    bool keep = false;       // leave the label's caption as it is
    std::string caption;     // the caption to write when !keep ("" empties the label)
    bool emphasised = false; // red at 10 points; otherwise blue at 8 points
};

// The band caption for a measure, the age field's text (whole weeks of
// amenorrhoea, decimal comma) and the measurement field's text.
BandLabel BANDE_CENTILE(Measure m, std::string_view ageText, std::string_view typedText);

// The millimetres compared with the chart: the leading number of the text
// (full stop for decimals, blanks ignored, "47,6" reads 47), rounded half to
// even. Not limited to any range: a huge value falls in the highest band.
double bandValue(std::string_view typedText);

// Whether the measurement field holds a number: with a decimal comma, or with
// a full stop as the band lookup reads it ("12.5").
bool isMeasurementNumber(std::string_view typedText);

// The caption of the band that holds a value (in whole millimetres) at a whole
// week; nothing when the chart does not cover that week.
std::optional<std::string_view> bandCaption(Measure m, int week, double mm);

} // namespace tovimar
