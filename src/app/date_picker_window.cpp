#include "app/date_picker_window.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "app/window_registry.h"
#include "core/vb_date.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/qt_dates.h"

namespace tovimar {

DatePickerWindow::DatePickerWindow(WindowRegistry& windows)
    : QWidget(nullptr, Qt::Window), clock_(windows.platform().clock) {
    setObjectName("Form6");
    auto* layout = new QVBoxLayout(this);
    stack_ = new QStackedLayout;
    for (int i = 0; i < 5; ++i) {
        auto* calendar = new QCalendarWidget(this);
        calendar->setObjectName(QStringLiteral("Calendar%1").arg(i + 1));
        calendar->setAccessibleName(QStringLiteral("Calendrier"));
        calendar->setLocale(QLocale(QLocale::French, QLocale::France));
        calendar->setFirstDayOfWeek(Qt::Monday);
        calendar->setGridVisible(true);
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        const auto target = static_cast<Target>(i);
        connect(calendar, &QCalendarWidget::clicked, this,
                [this, target](QDate d) { pick(target, d); });
        connect(calendar, &QCalendarWidget::activated, this,
                [this, target](QDate d) { pick(target, d); });
        calendars_[i] = calendar;
        stack_->addWidget(calendar);
    }
    layout->addLayout(stack_);
    auto* quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName("CmdQuitter");
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(quit, 0, Qt::AlignRight);
    adjustSize();
}

void DatePickerWindow::openFor(Target target, QLineEdit* field, const QString& title) {
    fields_[target] = field;
    setWindowTitle(title);
    stack_->setCurrentIndex(target);
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
