// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/date_picker_window.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "core/vb_date.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/qt_dates.h"
#include "ui/controls.h"
#include "ui/window_registry.h"

namespace tovimar {

namespace {

// Each calendar is named after the field it fills.
const char* const kCalendarNames[] = {
    "Calendrier du début de grossesse", "Calendrier des dernières règles",
    "Calendrier de l'échographie", "Calendrier du début de grossesse (biométrie)",
    "Calendrier du jour de l'échographie (biométrie)"};

} // namespace

DatePickerWindow::DatePickerWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form6", QStringLiteral("Calendrier")), clock_(windows.platform().clock) {
    auto* layout = new QVBoxLayout(this);
    stack_ = new QStackedLayout;
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "Calendar" + QByteArray::number(i + 1);
        auto* calendar = frenchCalendar(name.constData(), QString::fromUtf8(kCalendarNames[i]));
        const auto target = static_cast<Target>(i);
        connect(calendar, &QCalendarWidget::clicked, this,
                [this, target](QDate d) { pick(target, d); });
        connect(calendar, &QCalendarWidget::activated, this,
                [this, target](QDate d) { pick(target, d); });
        calendars_[i] = calendar;
        stack_->addWidget(calendar);
    }
    layout->addLayout(stack_);
    auto* quit = button("CmdQuitter", QStringLiteral("Quitter"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(quit, 0, Qt::AlignRight);
    setEscapeButton(quit);
    adjustSize();
}

void DatePickerWindow::openFor(Target target, QLineEdit* field, const QString& title) {
    fields_[target] = field;
    setWindowTitle(title);
    setAccessibleName(title);
    stack_->setCurrentIndex(target);
    // Wide enough for the title bar to show the whole title.
    const int titleWidth = fontMetrics().horizontalAdvance(title) + 120;
    if (width() < titleWidth) resize(titleWidth, height());
    // Opens on the field's own date when it holds one, else on today.
    const auto shown = field ? readFrenchDate(field->text().toStdString()) : std::nullopt;
    calendars_[target]->setSelectedDate(toQDate(shown.value_or(clock_.today())));
    // Centred across, 3500 twips (about 233 pixels) from the top of the screen.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + 3500 / 15);
    }
    show();
    raise();
    activateWindow();
    calendars_[target]->setFocus();
}

void DatePickerWindow::pick(Target target, QDate day) {
    if (QLineEdit* field = fields_[target])
        field->setText(QString::fromStdString(toVbDate(day).toText()));
}

} // namespace tovimar
