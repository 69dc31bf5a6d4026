// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/customised_centile.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/french_number.h"

// Gardosi J, Mongelli M, Wilcox M, Chang A, "An adjustable fetal weight
// standard", Ultrasound Obstet Gynecol 1995; 6: 168-174; and Gardosi J et al.,
// "Customised antenatal growth charts", Lancet 1992; 339: 283-287. The term
// optimal weight is adjusted for the mother's weight and height, the fetal
// sex, the ethnic group and the parity; the weight expected at an earlier age
// follows the proportionality curve of the Hadlock in-utero weight standard,
// written for weeks of amenorrhoea (gestational age from the LMP), with a
// coefficient of variation of 11 % at term.

namespace tovimar {
namespace {

constexpr std::array<double, 10> kEthnicTerm = {0,      -149.4, -187.3, -79.3, -129.9,
                                                -218.5, -89.9,  -0.3,   56.4,  0};
constexpr std::array<double, 10> kParityTerm = {0,     101.9, 133.7, 140.2, 162.7,
                                                162.7, 162.7, 162.7, 162.7, 162.7};
constexpr double kParityUnknown = 162.7; // none selected counts as four or more

bool fitsSixteenBits(double v) {
    return v >= -32768 && v <= 32767;
}

// The standard normal distribution up to z, by a sum of slices.
double normalBelow(double z) {
    const double a = std::fabs(z);
    const double h = a / 1000;
    double sum = 0;
    for (int i = 1; i <= 1001; ++i) {
        const double x = i * h - h / 2;
        sum += std::exp(-x * x / 2) / 2.506628 * h;
    }
    const double q = 0.5 + sum;
    return z < 0 ? 1 - q : q;
}

} // namespace

CustomisedCentile CENTILE_GARDOSI(double days, double motherWeight, double motherHeight,
                                  double fetalWeight, int sexPosition, int ethnicPosition,
                                  int parityPosition) {
    CustomisedCentile out;
    const double d = roundHalfEven(days);
    double w = roundHalfEven(motherWeight);
    const double h = roundHalfEven(motherHeight);
    const double f = roundHalfEven(fetalWeight);
    if (!fitsSixteenBits(d) || !fitsSixteenBits(w) || !fitsSixteenBits(h) || !fitsSixteenBits(f))
        return out;

    // Days count from the start of pregnancy, two weeks after the LMP.
    const double weeks = roundHalfEven(d / 7 + 2);
    if (weeks < kCustomisedFirstWeek || weeks > kCustomisedLastWeek) {
        out.status = CustomisedCentile::Status::OutOfRange;
        return out;
    }

    // The mother's weight is taken within the body-mass range 19.96 to 29.9.
    const double lower = roundHalfEven(h * h * 19.96 / 10000);
    const double upper = roundHalfEven(h * h * 29.9 / 10000);
    if (w < lower) w = lower;
    if (w > upper) w = upper;

    const double x = w - 64;
    const float weightTerm = static_cast<float>(9.1733 * x - 0.151 * x * x - 0.001 * x * x * x);
    const float heightTerm = static_cast<float>(6.7 * (h - 163));
    const float sexTerm = sexPosition == 0 ? 48.9f : -48.9f;
    const bool ethnicKnown = ethnicPosition >= 0 && ethnicPosition < 10;
    const float ethnicTerm = static_cast<float>(ethnicKnown ? kEthnicTerm[ethnicPosition] : 0);
    const bool parityKnown = parityPosition >= 0 && parityPosition < 10;
    const float parityTerm =
        static_cast<float>(parityKnown ? kParityTerm[parityPosition] : kParityUnknown);
    const double termWeight =
        roundHalfEven(3455.6 + double(weightTerm) + double(heightTerm) + double(sexTerm) +
                      double(ethnicTerm) + double(parityTerm));

    const double g = weeks;
    const double proportion = 2.991 - 0.3185 * g + 0.01094 * g * g - 0.0001055 * g * g * g;
    const double expected = termWeight * proportion;
    const double sd = 377.6 * proportion;
    const double z = (f - expected) / sd;
    const double centile = roundHalfEven(normalBelow(z) * 100);

    out.status = CustomisedCentile::Status::Computed;
    out.expectedWeight = static_cast<long long>(roundHalfEven(expected));
    out.centile = static_cast<int>(std::clamp(centile, 0.0, 100.0));
    out.alarm = out.centile <= 3;
    return out;
}

std::string weeksFromDaysText(double days) {
    return formatFrenchNumber(roundHalfEven(days / 7 + 2, 1));
}

std::string daysFromWeeksText(double weeks) {
    return formatFrenchNumber(weeks * 7 - 14);
}

} // namespace tovimar
