// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's dates and Qt's, for the calendars and the system clock.

#include <QDate>

#include "core/vb_date.h"

namespace tovimar {

inline QDate toQDate(VbDate date) {
    const YearMonthDay ymd = date.ymd();
    return QDate(ymd.year, ymd.month, ymd.day);
}

// An invalid QDate gives day 0 (30/12/1899).
inline VbDate toVbDate(QDate date) {
    return VbDate::fromYmd(date.year(), date.month(), date.day()).value_or(VbDate());
}

} // namespace tovimar
