// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A date field's calendar: a double-click on the field opens a calendar on
// its date (else today), and the day chosen is written into the field, which
// reacts as if it had been typed.

#include <QString>
#include <functional>

class QLineEdit;

namespace tovimar {

class WindowRegistry;

// The shared calendar window (Form6), which stays open between picks; it takes
// `title` as its title and `calendarName` for a screen reader.
void offerSharedCalendar(QLineEdit* field, WindowRegistry& windows, const QString& title,
                         const QString& calendarName);

// A calendar window of the field's own, `Calendar` (a SingleCalendarWindow
// kept by the registry), which closes once a day is chosen.
template <class Calendar> void offerOwnCalendar(QLineEdit* field, WindowRegistry& windows);

} // namespace tovimar

#include "ui/window_registry.h"

namespace tovimar {

namespace detail {
// The double-click on `field` runs `open` (and nothing else).
void onDoubleClick(QLineEdit* field, std::function<void()> open);
} // namespace detail

template <class Calendar> void offerOwnCalendar(QLineEdit* field, WindowRegistry& windows) {
    detail::onDoubleClick(field, [field, &windows] { windows.get<Calendar>().openFor(field); });
}

} // namespace tovimar
