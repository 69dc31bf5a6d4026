// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form6: the month calendars that fill date fields. One calendar per target
// field, stacked at the same place; a click on a day writes it into the
// field, which reacts as if typed. The window stays open between picks.

#include <QPointer>
#include <array>

#include "ui/tool_window.h"

class QCalendarWidget;
class QLineEdit;
class QStackedLayout;

namespace tovimar {

class Clock;
class WindowRegistry;

class DatePickerWindow : public ToolWindow {
    Q_OBJECT
  public:
    enum Target { StartOfPregnancy, LastPeriod, UltrasoundDay, BiometryStart, BiometryScanDay };

    explicit DatePickerWindow(WindowRegistry& windows);
    // Shows the target's calendar under the given title, on the field's date if it holds one.
    void openFor(Target target, QLineEdit* field, const QString& title);

    QCalendarWidget* calendar(Target target) const { return calendars_[target]; }

  private:
    void pick(Target target, QDate day);

    std::array<QCalendarWidget*, 5> calendars_{};
    std::array<QPointer<QLineEdit>, 5> fields_{};
    QStackedLayout* stack_;
    const Clock& clock_;
};

} // namespace tovimar
