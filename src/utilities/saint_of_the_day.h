// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saint of the day of the French calendar and a weather proverb for that
// day, from a fixed table of the 366 days of a leap year (29 February has its
// own entry). The table does not depend on the year: no movable feast.

#include <span>
#include <string>
#include <string_view>

#include "core/vb_date.h"

namespace tovimar {

// Texts are UTF-8. The proverb has one to four lines joined by a lone carriage
// return ('\r', no line feed) and no separator after its last line. Either
// text may be empty: 12 May has a saint but no proverb, 20 September has neither.
struct SaintOfTheDay {
    std::string saint;
    std::string proverb;
};

// The saint and proverb of the date's day and month.
SaintOfTheDay SAINT_DU_JOUR(VbDate date);

// One row of the calendar: key is the day on two digits then the month on two
// digits ("0105" is 1 May, "2902" is 29 February).
struct SaintEntry {
    std::string_view key;
    std::string_view saint;
    std::string_view proverb;
};

// The whole calendar, 366 rows in calendar order.
std::span<const SaintEntry> saintCalendar();

} // namespace tovimar
