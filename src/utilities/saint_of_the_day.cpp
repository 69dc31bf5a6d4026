// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/saint_of_the_day.h"

#include <algorithm>
#include <cstdio>

namespace tovimar {

SaintOfTheDay SAINT_DU_JOUR(VbDate date) {
    const YearMonthDay ymd = date.ymd();
    char key[8];
    std::snprintf(key, sizeof key, "%02d%02d", ymd.day, ymd.month);
    const std::string_view wanted(key);

    const auto calendar = saintCalendar();
    const auto it = std::find_if(calendar.begin(), calendar.end(),
                                 [&](const SaintEntry& e) { return e.key == wanted; });
    // Every real day has a row; a date outside the calendar (which VbDate
    // cannot produce) would show two empty labels rather than a wrong saint.
    if (it == calendar.end()) return {};
    return {std::string(it->saint), std::string(it->proverb)};
}

} // namespace tovimar
