// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/public_holidays_window.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/results_text.h"
#include "utilities/utility_pictures.h"

namespace tovimar {
namespace {

constexpr int kHelpTopic = 141;
constexpr int kYearsAround = 50; // the list runs from 50 years before this one to 50 after

} // namespace

PublicHolidaysWindow::PublicHolidaysWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form35", QStringLiteral("Les jours feriés de l'année")) {
    build();
    const VbDate today = platform().clock.today();
    dateField->setText(QString::fromStdString(today.toText()));
    const int year = today.year();
    const int first = std::max(year - kYearsAround, kFirstHolidayYear);
    const int last = std::min(year + kYearsAround, kLastHolidayYear);
    for (int y = first; y <= last; ++y)
        yearList->addItem(QString::number(y));
    const auto current = yearList->findItems(QString::number(year), Qt::MatchExactly);
    if (!current.isEmpty()) yearList->setCurrentItem(current.front());
    // "Copier les résultats": the day of the week of the date typed, and the
    // holidays of the year chosen, one sentence each.
    installResultsCopy(this, windowMenuBar(), windows, [this] {
        ResultsText t;
        t.title = windowTitle();
        t.input(yearList, QStringLiteral("Année"));
        if (!shownText(weekdayText).isEmpty())
            t.result(weekdayText, QStringLiteral("Le ") + dateField->text().trimmed());
        for (const QLabel* sentence : holidaySentences)
            t.result(sentence, QString());
        return t;
    });
    placeOnScreen();
}

void PublicHolidaysWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* bar = addMenuBar(layout);
    quitAction = addQuitEntry(bar, "Quitter", QStringLiteral("&Quitter"));
    helpAction = addHelpEntry(bar, "Aide", QStringLiteral("&Aide"), kHelpTopic);

    // "Le [date] est un vendredi"
    dateField = lineEdit("Text1", QStringLiteral("Le (date dont on cherche le jour)"));
    dateField->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
    dateField->setMaxLength(10);
    dateField->setFixedWidth(
        dateField->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    acceptDateCharacters(dateField, {});
    dateCaption = caption(QStringLiteral("&Le"), dateField);
    dateCaption->setObjectName(QStringLiteral("Label4"));
    weekdayText = resultText("Label3", QStringLiteral("Jour de la semaine"));
    weekdayText->setMinimumWidth(
        weekdayText->fontMetrics().horizontalAdvance(QStringLiteral("est un mercredi ")));

    calendarPicture = named(new QLabel, "Image1", QStringLiteral("Calendrier"));
    calendarPicture->setPixmap(holidayCalendarPicture());

    yearList = named(new QListWidget, "List1", QStringLiteral("Selectionnez l'année"));
    yearList->setFixedWidth(yearList->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                            48);
    yearCaption = caption(QStringLiteral("&Selectionnez l'année"), yearList);
    yearCaption->setObjectName(QStringLiteral("Label1"));

    auto* sentences = new QVBoxLayout;
    for (std::size_t i = 0; i < kHolidayCount; ++i) {
        const QByteArray name = "Label2_" + QByteArray::number(int(i));
        // Each sentence is read as it is shown.
        holidaySentences[i] = new QLabel;
        holidaySentences[i]->setObjectName(QString::fromLatin1(name));
        holidaySentences[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sentences->addWidget(holidaySentences[i]);
    }
    sentences->addStretch();

    closeButton = button("Command1", QStringLiteral("&Fermer"));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dateCaption);
    dateRow->addWidget(dateField);
    dateRow->addWidget(weekdayText);
    dateRow->addStretch();
    dateRow->addWidget(calendarPicture);
    layout->addLayout(dateRow);

    auto* grid = new QGridLayout;
    grid->addWidget(yearCaption, 0, 0);
    grid->addWidget(yearList, 1, 0);
    grid->addLayout(sentences, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(dateField, &QLineEdit::textChanged, this, &PublicHolidaysWindow::showWeekday);
    connect(yearList, &QListWidget::currentRowChanged, this, &PublicHolidaysWindow::showHolidays);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(closeButton);
    setReadingOrder({dateField, yearList, closeButton});
}

void PublicHolidaysWindow::showWeekday() {
    // While the text is no date, no weekday of an earlier date stays.
    const auto date = dateIn(dateField);
    weekdayText->setText(date ? QString::fromStdString(JOUR_SEMAINE(*date)) : QString());
}

void PublicHolidaysWindow::showHolidays() {
    const QListWidgetItem* item = yearList->currentItem();
    if (!item) return;
    const auto sentences = JOURS_FERIES(item->text().toInt());
    if (!sentences) return;
    for (std::size_t i = 0; i < kHolidayCount; ++i)
        holidaySentences[i]->setText(QString::fromStdString((*sentences)[i]));
}

} // namespace tovimar
