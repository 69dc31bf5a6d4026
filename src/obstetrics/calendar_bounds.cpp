#include "obstetrics/calendar_bounds.h"

namespace tovimar {

bool inWritableCalendar(VbDate date) {
    const int year = date.year();
    return year >= 100 && year <= 9999;
}

std::optional<VbDate> startFromLmp(VbDate lmp) {
    const VbDate start = lmp.plusDays(14);
    if (!inWritableCalendar(start)) return std::nullopt;
    return start;
}

} // namespace tovimar
