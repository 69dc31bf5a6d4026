// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/percentile_band.h"

#include <cmath>

#include "biometry/reference_charts.h"
#include "core/french_number.h"

namespace tovimar {

double bandValue(std::string_view typedText) {
    return roundHalfEven(readLeadingNumber(typedText));
}

bool isMeasurementNumber(std::string_view typedText) {
    if (isFrenchNumber(typedText)) return true;
    // The same number written with a full stop instead of the comma.
    if (typedText.find(',') != std::string_view::npos) return false;
    std::string withComma(typedText);
    const auto point = withComma.find('.');
    if (point == std::string::npos) return false;
    withComma[point] = ',';
    return isFrenchNumber(withComma);
}

std::optional<std::string_view> bandCaption(Measure m, int week, double mm) {
    const auto w = chartWeek(m, week);
    if (!w) return std::nullopt;
    for (int i = 0; i < w->count(); ++i) {
        const BandRange& band = w->bands[i];
        if (mm <= band.hi) {
            if (mm >= band.lo) return w->captions[i];
            // Between the band below and this one: the value lies on the centile
            // line that separates them, and the band nearer the median includes it.
            return w->captions[i <= w->medianBand ? i : i - 1];
        }
    }
    return w->captions[w->count() - 1];
}

BandLabel BANDE_CENTILE(Measure m, std::string_view ageText, std::string_view typedText) {
    BandLabel out;
    if (ageText.empty()) {
        out.keep = true;
        return out;
    }
    const std::optional<double> age = readFrenchNumber(ageText);
    if (m == Measure::Orb) {
        // No chart: the label is only emptied before 13 weeks.
        out.keep = !(age && *age < 13);
        return out;
    }
    if (age && *age < 13) return out;
    std::optional<std::string_view> caption;
    if (age && *age == std::floor(*age) && *age <= 1000)
        caption = bandCaption(m, static_cast<int>(*age), bandValue(typedText));
    if (caption && isMeasurementNumber(typedText)) {
        out.caption = std::string(*caption);
        out.emphasised = isEmphasisedCaption(m, out.caption);
    }
    return out;
}

} // namespace tovimar
