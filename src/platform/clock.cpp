// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include "platform/qt_dates.h"

namespace tovimar {

VbDate SystemClock::today() const {
    return toVbDate(QDate::currentDate());
}

} // namespace tovimar
