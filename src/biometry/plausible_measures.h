// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widest measurements a fetus can have: a figure past them is a typing
// error (2200 typed for 220), and gives a message instead of a weight or a
// ratio. The maxima stand well above the 97th centile at 42 weeks (head
// circumference about 370 mm, abdominal circumference about 400 mm, femur
// about 82 mm), so that no real fetus, macrosomic or hydrocephalic, is refused.

#include <optional>
#include <string>

#include "biometry/biometry_measures.h"

namespace tovimar {

struct PlausibleMeasure {
    Measure measure;
    double maxMm; // above 0 and at most this
};

inline constexpr PlausibleMeasure kPlausibleMeasures[9] = {
    {Measure::Orb, 60},   {Measure::Bip, 130}, {Measure::Cc, 500},
    {Measure::Dat, 200},  {Measure::CA, 600},  {Measure::Fem, 110},
    {Measure::Pied, 130}, {Measure::Hum, 100}, {Measure::Cer, 80},
};

constexpr double plausibleMaximum(Measure m) {
    for (const PlausibleMeasure& p : kPlausibleMeasures)
        if (p.measure == m) return p.maxMm;
    return 0;
}

// The message naming the measure and its plausible range, or nothing when the
// value is one a fetus can have.
std::optional<std::string> implausibleMeasureMessage(Measure m, double mm);

} // namespace tovimar
