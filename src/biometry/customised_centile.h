// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The customised fetal weight centile (Gardosi): the weight a fetus of this
// mother is expected to reach at this age, and where the estimated weight
// stands against it.

#include <optional>
#include <string>
#include <string_view>

namespace tovimar {

// Ages for which the proportionality formula is published, in weeks of amenorrhoea.
inline constexpr int kCustomisedFirstWeek = 24;
inline constexpr int kCustomisedLastWeek = 42;
inline constexpr std::string_view kCustomisedRangeMessage =
    "Le centile customisé se calcule de 24 à 42 semaines d'aménorrhée.";

struct CustomisedCentile {
    enum class Status {
        Computed,
        BadInput,  // a value that cannot be held (beyond ±32767): nothing changes
        OutOfRange // an age outside 24 to 42 weeks of amenorrhoea
    };
    Status status = Status::BadInput;
    long long expectedWeight = 0; // grams, rounded
    int centile = 0;              // 0 to 100
    bool alarm = false;           // 3rd centile or below: white on red
};

// Days of pregnancy (from the start of pregnancy, two weeks after the LMP),
// mother's weight (kg) and height (cm), estimated fetal weight (g), and the
// positions of the selected sex, ethnic group and parity (-1: none; a position
// outside the lists counts as none).
CustomisedCentile CENTILE_GARDOSI(double days, double motherWeight, double motherHeight,
                                  double fetalWeight, int sexPosition, int ethnicPosition,
                                  int parityPosition);

// The weeks of amenorrhoea shown beside a count of days of pregnancy:
// days / 7 + 2 to one decimal (140 -> "22", 143 -> "22,4").
std::string weeksFromDaysText(double days);
// The days of pregnancy for weeks of amenorrhoea: 7 s - 14 (22,5 -> "143,5").
std::string daysFromWeeksText(double weeks);

} // namespace tovimar
