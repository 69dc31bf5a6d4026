// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/moon_phase.h"

#include <cmath>

namespace tovimar {

double GetMoonDate(VbDate day) {
    const double julianDay = day.serial() + 2415019.0;
    const double x = (julianDay + 4.867) / 29.53059;
    return x - std::floor(x);
}

std::string moonDirection(double phase) {
    return phase < 0.5 ? "Descendante" : "Montante";
}

} // namespace tovimar
