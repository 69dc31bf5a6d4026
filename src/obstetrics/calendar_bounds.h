// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates are read and written as DD/MM/YYYY with years 100 to 9999: a date
// computed beyond them has no form the fields could show or read back.

#include <optional>

#include "core/vb_date.h"

namespace tovimar {

// The start of pregnancy, 14 days after the LMP; nullopt when it would fall
// beyond the calendar.
std::optional<VbDate> startFromLmp(VbDate lmp);

} // namespace tovimar
