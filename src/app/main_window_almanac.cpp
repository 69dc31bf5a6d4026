// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's almanac: the saint and the proverb of the day, the
// reminder of payments due, the moon of any day.
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <optional>

#include "app/main_window.h"
#include "app/moon_widget.h"
#include "app/window_links.h"
#include "core/text_lines.h"
#include "dating/follow_up_schedule.h"
#include "dating/pregnancy_dating.h"
#include "dating/term_settings_access.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "ui/controls.h"
#include "ui/date_field.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/pictures.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/moon_phase.h"
#include "utilities/payment_reminders.h"
#include "utilities/saint_of_the_day.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tovimar {

QWidget* MainWindow::buildAlmanacPanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(250);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    saintLabel = resultText("LblSaint", QStringLiteral("Saint du jour"));
    saintLabel->setAlignment(Qt::AlignCenter);
    saintLabel->setMargin(4);
    QFont saintFont = saintLabel->font();
    saintFont.setBold(true);
    saintLabel->setFont(saintFont);
    colour(saintLabel, kReadableRed, QColor(0xC0, 0xFF, 0xFF));
    layout->addWidget(saintLabel);

    proverbLabel =
        resultText("LblAlmanach", QStringLiteral("Dicton du jour"), QStringLiteral("Almanach"));
    proverbLabel->setAlignment(Qt::AlignCenter);
    proverbLabel->setMargin(6);
    proverbLabel->setMinimumHeight(proverbLabel->fontMetrics().height() * 5);
    // A serif face, as almanacs print their sayings; DejaVu Serif is always installed.
    QFont almanacFont(QStringLiteral("DejaVu Serif"));
    almanacFont.setStyleHint(QFont::Serif);
    almanacFont.setItalic(true);
    almanacFont.setPointSizeF(proverbLabel->font().pointSizeF());
    proverbLabel->setFont(almanacFont);
    colour(proverbLabel, QColor(0x00, 0x00, 0x80), QColor(0xE0, 0xE0, 0xE0));
    layout->addWidget(proverbLabel);

    auto* moon = new QGroupBox(QStringLiteral("Lune"));
    auto* moonLayout = new QGridLayout(moon);
    moonDate = lineEdit("TxtDateJ", QStringLiteral("Date de la lune"));
    moonDate->setMaxLength(10);
    moonDate->setAlignment(Qt::AlignCenter);
    colour(moonDate, Qt::white, QColor(0x00, 0x00, 0xC0));
    previousMoonDay = named(new QPushButton(QStringLiteral("<")), "CmdDateMoins",
                            QStringLiteral("Jour précédent"));
    nextMoonDay =
        named(new QPushButton(QStringLiteral(">")), "CmdDatePlus", QStringLiteral("Jour suivant"));
    for (QPushButton* b : {previousMoonDay, nextMoonDay})
        b->setFixedWidth(28);
    moonPicture = named(new MoonWidget, "Picture1", QStringLiteral("Lune"));
    moonPicture->setToolTip(
        QStringLiteral("Double clic sur la garde, ou entrer une date pour voir la lune"));
    moonCaption =
        resultText("Label11", QStringLiteral("Sens de la lune"), QStringLiteral("Descendante"));
    moonCaption->setAlignment(Qt::AlignCenter);
    moonLayout->addWidget(previousMoonDay, 0, 0);
    moonLayout->addWidget(moonDate, 0, 1);
    moonLayout->addWidget(nextMoonDay, 0, 2);
    moonLayout->addWidget(moonPicture, 1, 0, 1, 3, Qt::AlignHCenter);
    moonLayout->addWidget(moonCaption, 2, 0, 1, 3);
    layout->addWidget(moon);

    illustration = named(new QLabel, "Image1", QStringLiteral("Illustration"));
    illustration->setPixmap(picture("main_decor"));
    illustration->setAlignment(Qt::AlignCenter);
    layout->addWidget(illustration);

    reminderLabel = resultText("LblAvertir", QStringLiteral("Rappel"), QStringLiteral("Attention"));
    reminderLabel->setAlignment(Qt::AlignCenter);
    reminderLabel->setMargin(6);
    QFont warningFont = reminderLabel->font();
    warningFont.setBold(true);
    reminderLabel->setFont(warningFont);
    colour(reminderLabel, Qt::yellow, kReadableRed);
    // Keeps its place while blinking.
    QSizePolicy keep = reminderLabel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    reminderLabel->setSizePolicy(keep);
    reminderLabel->hide();
    layout->addWidget(reminderLabel);
    layout->addStretch();

    reminderBlink = new QTimer(this);
    reminderBlink->setObjectName("Timer1");
    reminderBlink->setInterval(800);
    connect(reminderBlink, &QTimer::timeout, this,
            [this] { reminderLabel->setHidden(!reminderLabel->isHidden()); });
    return panel;
}

// The moon's day, typed or stepped.
void MainWindow::wireAlmanac() {
    connect(moonDate, &QLineEdit::textChanged, this, &MainWindow::onMoonDateChanged);
    connect(previousMoonDay, &QPushButton::clicked, this, [this] { stepMoonDay(-1); });
    connect(nextMoonDay, &QPushButton::clicked, this, [this] { stepMoonDay(1); });
}

void MainWindow::onMoonDateChanged() {
    // Text that is not a date leaves the moon as it was. The day is read as
    // every date field reads it: picking the day and month out of fixed
    // character positions would misread "5/1/2000" or a four-digit year.
    const auto day = dateIn(moonDate);
    if (!day) return;
    lastMoonText_ = moonDate->text();
    const double phase = GetMoonDate(*day);
    moonCaption->setText(QString::fromStdString(moonDirection(phase)));
    moonPicture->setPhase(phase);
}

void MainWindow::stepMoonDay(int days) {
    const auto day = dateIn(moonDate);
    if (day && day->plusDays(days).inCalendar()) moonDate->setText(shown(day->plusDays(days)));
}

} // namespace tovimar
