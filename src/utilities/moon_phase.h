// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phase of the moon shown in the main window.

#include <string>

#include "core/vb_date.h"

namespace tovimar {

// p in [0, 1): 0 is the full moon, 0.5 the new moon. From the Julian day
// number J of the date: x = (J + 4.867) / 29.53059, p = x - floor(x).
double GetMoonDate(VbDate day);

// "Descendante" while p < 0.5, "Montante" after.
std::string moonDirection(double phase);

} // namespace tovimar
