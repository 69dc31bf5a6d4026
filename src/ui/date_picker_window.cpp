// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/date_picker_window.h"
#include "ui/field_values.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/vb_date.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/qt_dates.h"
#include "ui/controls.h"
#include "ui/window_registry.h"

namespace tovimar {

DatePickerWindow::DatePickerWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form6", QStringLiteral("Calendrier")), clock_(windows.platform().clock) {
    auto* layout = new QVBoxLayout(this);
    calendar_ = frenchCalendar("Calendar1", QStringLiteral("Calendrier"));
    connect(calendar_, &QCalendarWidget::clicked, this, &DatePickerWindow::pick);
    connect(calendar_, &QCalendarWidget::activated, this, &DatePickerWindow::pick);
    layout->addWidget(calendar_);
    auto* quit = button("CmdQuitter", QStringLiteral("Quitter"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(quit, 0, Qt::AlignRight);
    setEscapeButton(quit);
    adjustSize();
}

void DatePickerWindow::openFor(QLineEdit* field, const QString& title,
                               const QString& calendarName) {
    field_ = field;
    setWindowTitle(title);
    setAccessibleName(title);
    calendar_->setAccessibleName(calendarName);
    // Wide enough for the title bar to show the whole title.
    const int titleWidth = fontMetrics().horizontalAdvance(title) + 120;
    if (width() < titleWidth) resize(titleWidth, height());
    // Opens on the field's own date when it holds one, else on today.
    const auto shown = field ? dateIn(field) : std::nullopt;
    calendar_->setSelectedDate(toQDate(shown.value_or(clock_.today())));
    // Centred across, 3500 twips (about 233 pixels) from the top of the screen.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + 3500 / 15);
    }
    show();
    raise();
    activateWindow();
    calendar_->setFocus();
}

void DatePickerWindow::pick(QDate day) {
    if (field_) field_->setText(QString::fromStdString(toVbDate(day).toText()));
}

} // namespace tovimar
