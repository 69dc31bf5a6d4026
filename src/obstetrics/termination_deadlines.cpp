// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/termination_deadlines.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/french_number.h"
#include "obstetrics/calendar_bounds.h"

namespace tovimar {
namespace {

// The dates of 6 to 14 weeks of amenorrhoea are 4 to 12 weeks after the
// start of pregnancy, which lies at 2 weeks.
constexpr int kFirstRowWeeksAfterStart = 4;

// Whether today has reached a date shown as text: the legal date itself
// already counts as out of time.
bool reached(const std::string& dateText, VbDate today) {
    const std::optional<VbDate> date = readFrenchDate(dateText);
    return date && today - *date >= 0;
}

} // namespace

std::optional<int> limitWeeks(std::string_view text) {
    const std::optional<double> value = readFrenchNumber(text);
    if (!value || *value != std::floor(*value)) return std::nullopt;
    if (*value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

bool lateRowsInRed(std::string_view legalLimitText) {
    const std::optional<int> w = limitWeeks(legalLimitText);
    return w && *w <= 10;
}

std::string limitCaption(std::string_view legalLimitText) {
    return std::string(legalLimitText) + " semaines de grossesse";
}

std::string limitCaptionInParentheses(std::string_view legalLimitText) {
    return "(" + limitCaption(legalLimitText) + ")";
}

std::string_view weekMarker(long long daysSinceStart) {
    static constexpr std::string_view kMarkers[] = {
        "Picture_6",    "Picture6_7",   "Picture7_8",   "Picture8_9",   "Picture9_10",
        "Picture10_11", "Picture11_12", "Picture12_13", "Picture13_14", "Picture14_"};
    // Up to 28 days (6 weeks of amenorrhoea): the first; then one a week; beyond 84 the last.
    if (daysSinceStart <= 28) return kMarkers[0];
    if (daysSinceStart > 84) return kMarkers[9];
    return kMarkers[(daysSinceStart - 29) / 7 + 1];
}

std::optional<std::string_view> missingLimitMessage(std::string_view legalLimitText,
                                                    std::string_view medicationLimitText) {
    if (legalLimitText.empty()) return kMissingLegalLimit;
    if (medicationLimitText.empty()) return kMissingLimitsOnOpening;
    return std::nullopt;
}

TerminationOutcome DELAIS_IVG(VbDate start, std::string_view legalLimitText,
                              std::string_view medicationLimitText, VbDate today) {
    TerminationOutcome outcome;
    if (auto message = missingLimitMessage(legalLimitText, medicationLimitText)) {
        outcome.message = *message;
        return outcome;
    }
    const std::optional<int> w = limitWeeks(legalLimitText);
    const std::optional<int> r = limitWeeks(medicationLimitText);
    if (!w || !r) return outcome;

    const VbDate legal = start.plusDays(7 * *w);
    const VbDate medication = start.plusDays(7 * *r);
    const VbDate firstRow = start.plusDays(7 * kFirstRowWeeksAfterStart);
    const VbDate lastRow = firstRow.plusDays(7 * 8);
    // A date that would fall outside the calendar has no form to show: refused.
    for (VbDate date : {legal, medication, firstRow, lastRow})
        if (!date.inCalendar()) return outcome;

    TerminationDeadlines d;
    d.dateIvg = legal.toText();
    d.dateRu = medication.toText();
    for (std::size_t i = 0; i < d.weeks.size(); ++i)
        d.weeks[i] = firstRow.plusDays(7 * static_cast<int>(i)).toText();
    d.legalPassed = reached(d.dateIvg, today);
    d.medicationPassed = reached(d.dateRu, today);
    d.marker = weekMarker(static_cast<long long>(today - start));
    outcome.deadlines = d;
    return outcome;
}

} // namespace tovimar
