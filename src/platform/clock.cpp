#include "platform/clock.h"

#include <QDate>

namespace tovimar {

VbDate SystemClock::today() const {
    const QDate d = QDate::currentDate();
    return VbDate::fromYmd(d.year(), d.month(), d.day()).value_or(VbDate());
}

} // namespace tovimar
