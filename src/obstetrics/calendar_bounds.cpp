// SPDX-License-Identifier: GPL-3.0-or-later
#include "obstetrics/calendar_bounds.h"

#include "dating/pregnancy_dating.h"

namespace tovimar {

std::optional<VbDate> startFromLmp(VbDate lmp) {
    const VbDate start = DEBUT_DEPUIS_DDR(lmp);
    if (!start.inCalendar()) return std::nullopt;
    return start;
}

} // namespace tovimar
