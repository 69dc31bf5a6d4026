// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_calendar_window.h"
#include "ui/field_values.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/vb_date.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/qt_dates.h"
#include "ui/controls.h"

namespace tovimar {

SingleCalendarWindow::SingleCalendarWindow(WindowRegistry& windows, const char* objectName,
                                           const QString& title)
    : ToolWindow(windows, objectName, title) {
    auto* layout = new QVBoxLayout(this);
    calendar_ = frenchCalendar("Calendar1", QStringLiteral("Calendrier : ") + title);
    layout->addWidget(calendar_);
    close_ = button("CmdFermer", QStringLiteral("Fermer"));
    layout->addWidget(close_, 0, Qt::AlignRight);
    connect(calendar_, &QCalendarWidget::clicked, this, &SingleCalendarWindow::pick);
    connect(calendar_, &QCalendarWidget::activated, this, &SingleCalendarWindow::pick);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(close_);
    setMinimumWidth(fontMetrics().horizontalAdvance(title) + 120);
    placeOnScreen();
}

void SingleCalendarWindow::openFor(QLineEdit* field) {
    field_ = field;
    const auto shown = field ? dateIn(field) : std::nullopt;
    calendar_->setSelectedDate(toQDate(shown.value_or(platform().clock.today())));
    placeOnScreen();
    show();
    raise();
    activateWindow();
    calendar_->setFocus();
}

void SingleCalendarWindow::pick(QDate day) {
    if (QLineEdit* field = field_) field->setText(QString::fromStdString(toVbDate(day).toText()));
    close();
}

} // namespace tovimar
