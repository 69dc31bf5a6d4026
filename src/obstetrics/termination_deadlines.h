// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Termination of pregnancy deadlines: the last legal date and the last date of
// the medication method, both counted in weeks of pregnancy from its start
// with limits the practitioner keeps in the term settings; the date of each
// week of amenorrhoea from 6 to 14; where today falls on that scale.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/vb_date.h"

namespace tovimar {

// A limit in weeks of pregnancy as the term settings hold it: a whole number
// within the range of a 16-bit count ("14"); anything else is refused.
std::optional<int> limitWeeks(std::string_view text);

// The rows of 13 and 14 weeks of amenorrhoea turn red when the legal limit
// is 10 weeks of pregnancy or less (they are then out of time).
bool lateRowsInRed(std::string_view legalLimitText);

// The captions that repeat the legal limit beside the dates.
std::string limitCaption(std::string_view legalLimitText); // "14 semaines de grossesse"
std::string limitCaptionInParentheses(std::string_view legalLimitText); // "(14 semaines ...)"

// Where today falls on the scale of weeks: the name of the one marker shown,
// from the days since the start of pregnancy ("Picture_6" up to 28 days,
// "Picture6_7" from 29 to 35, ..., "Picture14_" beyond 84).
std::string_view weekMarker(long long daysSinceStart);

struct TerminationDeadlines {
    std::string dateIvg;              // start + W weeks: the first day out of time
    std::string dateRu;               // start + R weeks
    std::array<std::string, 9> weeks; // the dates of 6 to 14 weeks of amenorrhoea
    bool legalPassed = false;         // today is on or after the legal date
    bool medicationPassed = false;    // today is on or after the medication date
    std::string_view marker;          // weekMarker of today
};

struct TerminationOutcome {
    // A limit is missing from the settings: the message to show (the two
    // texts differ by a trailing blank, the legal limit's having one).
    std::string message;
    // The deadlines, when both limits are whole numbers and every date falls
    // within the calendar (years 100 to 9999).
    std::optional<TerminationDeadlines> deadlines;
};

// The message when opening the window with a limit missing.
inline constexpr std::string_view kMissingLimitsOnOpening =
    "Veuillez saisir des données dans la boîte d'options";
inline constexpr std::string_view kMissingLegalLimit =
    "Veuillez saisir des données dans la boîte d'options ";

// The message when a limit is missing from the settings, coming from a change
// of the start of pregnancy: the legal limit's ends with a blank, the
// medication method's has none; nullopt when both are there.
std::optional<std::string_view> missingLimitMessage(std::string_view legalLimitText,
                                                    std::string_view medicationLimitText);

// W (legal limit) and R (medication method) are the texts of the term settings.
TerminationOutcome DELAIS_IVG(VbDate start, std::string_view legalLimitText,
                              std::string_view medicationLimitText, VbDate today);

} // namespace tovimar
