// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-calendar window for a single date field: choosing a day writes it
// into the field (which reacts as if typed) and closes the window; "Fermer"
// closes it without writing.

#include <QPointer>

#include "ui/tool_window.h"

class QCalendarWidget;
class QLineEdit;
class QPushButton;

namespace tovimar {

class SingleCalendarWindow : public ToolWindow {
    Q_OBJECT
  public:
    // objectName: the window's name ("Calendrier"); title: its title bar.
    SingleCalendarWindow(WindowRegistry& windows, const char* objectName, const QString& title);

    // Shows the calendar for the field, on the field's date if it holds one
    // (else today), centred on the screen.
    void openFor(QLineEdit* field);

    QCalendarWidget* calendar() const { return calendar_; }
    QPushButton* closeButton() const { return close_; }

  private:
    void pick(QDate day);

    QCalendarWidget* calendar_;
    QPushButton* close_;
    QPointer<QLineEdit> field_;
};

} // namespace tovimar
