// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form6: the month calendar shared by date fields. Opened for a field, it
// takes the field's title and name; a click on a day writes it into that
// field, which reacts as if typed. The window stays open between picks.

#include <QLineEdit>
#include <QPointer>

#include "ui/tool_window.h"

class QCalendarWidget;

namespace tovimar {

class Clock;
class WindowRegistry;

class DatePickerWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit DatePickerWindow(WindowRegistry& windows);
    // Shows the calendar for the field under the given window title, named
    // for a screen reader as `calendarName`, on the field's date if it holds
    // one (else today).
    void openFor(QLineEdit* field, const QString& title, const QString& calendarName);

    QCalendarWidget* calendar() const { return calendar_; }
    // The field a pick writes into (none before the first opening).
    QLineEdit* field() const { return field_; }

  private:
    void pick(QDate day);

    QCalendarWidget* calendar_;
    QPointer<QLineEdit> field_;
    const Clock& clock_;
};

} // namespace tovimar
