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
    Text1->setText(QString::fromStdString(today.toText()));
    const int year = today.year();
    const int first = std::max(year - kYearsAround, kFirstHolidayYear);
    const int last = std::min(year + kYearsAround, kLastHolidayYear);
    for (int y = first; y <= last; ++y)
        List1->addItem(QString::number(y));
    const auto current = List1->findItems(QString::number(year), Qt::MatchExactly);
    if (!current.isEmpty()) List1->setCurrentItem(current.front());
    // "Copier les résultats": the day of the week of the date typed, and the
    // holidays of the year chosen, one sentence each.
    installResultsCopy(this, findChild<QMenuBar*>(), windows, [this] {
        ResultsText t;
        t.title = windowTitle();
        t.input(List1, QStringLiteral("Année"));
        if (!shownText(Label3).isEmpty())
            t.result(Label3, QStringLiteral("Le ") + Text1->text().trimmed());
        for (const QLabel* sentence : Label2)
            t.result(sentence, QString());
        return t;
    });
    placeOnScreen();
}

void PublicHolidaysWindow::build() {
    auto* layout = new QVBoxLayout(this);
    QMenuBar* bar = addMenuBar(layout);
    Quitter = addQuitEntry(bar, "Quitter", QStringLiteral("&Quitter"));
    Aide = addHelpEntry(bar, "Aide", QStringLiteral("&Aide"), kHelpTopic);

    // "Le [date] est un vendredi"
    Text1 = lineEdit("Text1", QStringLiteral("Le (date dont on cherche le jour)"));
    Text1->setPlaceholderText(QStringLiteral("JJ/MM/AAAA"));
    Text1->setMaxLength(10);
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                         16);
    acceptDateCharacters(Text1, {});
    Label4 = caption(QStringLiteral("&Le"), Text1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label3 = resultText("Label3", QStringLiteral("Jour de la semaine"));
    Label3->setMinimumWidth(
        Label3->fontMetrics().horizontalAdvance(QStringLiteral("est un mercredi ")));

    Image1 = named(new QLabel, "Image1", QStringLiteral("Calendrier"));
    Image1->setPixmap(holidayCalendarPicture());

    List1 = named(new QListWidget, "List1", QStringLiteral("Selectionnez l'année"));
    List1->setFixedWidth(List1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 48);
    Label1 = caption(QStringLiteral("&Selectionnez l'année"), List1);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* sentences = new QVBoxLayout;
    for (std::size_t i = 0; i < kHolidayCount; ++i) {
        const QByteArray name = "Label2_" + QByteArray::number(int(i));
        // Each sentence is read as it is shown.
        Label2[i] = new QLabel;
        Label2[i]->setObjectName(QString::fromLatin1(name));
        Label2[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sentences->addWidget(Label2[i]);
    }
    sentences->addStretch();

    Command1 = button("Command1", QStringLiteral("&Fermer"));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(Label4);
    dateRow->addWidget(Text1);
    dateRow->addWidget(Label3);
    dateRow->addStretch();
    dateRow->addWidget(Image1);
    layout->addLayout(dateRow);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(List1, 1, 0);
    grid->addLayout(sentences, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    connect(Text1, &QLineEdit::textChanged, this, &PublicHolidaysWindow::showWeekday);
    connect(List1, &QListWidget::currentRowChanged, this, &PublicHolidaysWindow::showHolidays);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    setEscapeButton(Command1);
    setReadingOrder({Text1, List1, Command1});
}

void PublicHolidaysWindow::showWeekday() {
    // While the text is no date, no weekday of an earlier date stays.
    const auto date = dateIn(Text1);
    Label3->setText(date ? QString::fromStdString(JOUR_SEMAINE(*date)) : QString());
}

void PublicHolidaysWindow::showHolidays() {
    const QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    const auto sentences = JOURS_FERIES(item->text().toInt());
    if (!sentences) return;
    for (std::size_t i = 0; i < kHolidayCount; ++i)
        Label2[i]->setText(QString::fromStdString((*sentences)[i]));
}

} // namespace tovimar
