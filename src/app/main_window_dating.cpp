// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's dating panels, their wiring and reactions: LMP -> start
// of pregnancy -> term, age today, full cover, the follow-up schedule filled
// again; the SA <-> date conversion.
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
namespace {

// The window writes only dates of the calendar it can read back (years 100 to
// 9999): a date typed near either end whose derived dates would leave it is
// refused with this message, and nothing is written.
const QString kOutsideCalendar =
    QStringLiteral("Les dates calculées à partir de cette date sortiraient du calendrier "
                   "(années 100 à 9999) : vérifiez la date saisie.");

// From the LMP (14 days before the start) to the weeks list's last entry, 43
// weeks of amenorrhoea: every date the window derives from a start.
bool derivedDatesInCalendar(VbDate start) {
    return VbDate::inCalendar(start.serial() - 14LL) &&
           VbDate::inCalendar(start.serial() + 41LL * 7);
}

void fillList(QListWidget* list, const QStringList& entries) {
    list->clear();
    list->addItems(entries);
}

} // namespace

QWidget* MainWindow::buildDatingPanel() {
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    lastPeriod = lineEdit("DateDR", QStringLiteral("DDR"));
    startOfPregnancy = lineEdit("DateDG", QStringLiteral("Début gross."));
    termDate = lineEdit("DateAP", QStringLiteral("Terme"));
    for (QLineEdit* e : {lastPeriod, startOfPregnancy, termDate}) {
        e->setMaxLength(10);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance("00/00/00000") + 16);
        e->setToolTip(QStringLiteral("Double clic pour choisir la date dans un calendrier"));
    }
    termDate->setToolTip(QString());
    QFont big = startOfPregnancy->font();
    big.setBold(true);
    startOfPregnancy->setFont(big);
    termDate->setFont(big);
    layout->addWidget(frame(QStringLiteral("DDR"), lastPeriod), 0, 0);
    layout->addWidget(frame(QStringLiteral("Début gross. "), startOfPregnancy), 0, 1);
    layout->addWidget(frame(QStringLiteral("Terme"), termDate), 0, 2);

    auto* age = new QGroupBox(QStringLiteral("Age gestationnel"));
    auto* ageGrid = new QGridLayout(age);
    weeksToday = lineEdit("NbreSA", QStringLiteral("Age gestationnel, S;A."), true);
    monthsToday = lineEdit("NbreMois", QStringLiteral("Age gestationnel, Mois"), true);
    daysToday = lineEdit("NbreJours", QStringLiteral("Age gestationnel, Jours de G"), true);
    ageGrid->addWidget(caption(QStringLiteral("S;A."), weeksToday), 0, 0);
    ageGrid->addWidget(weeksToday, 0, 1);
    ageGrid->addWidget(caption(QStringLiteral("Mois"), monthsToday), 1, 0);
    ageGrid->addWidget(monthsToday, 1, 1);
    ageGrid->addWidget(caption(QStringLiteral("Jours de G"), daysToday), 2, 0);
    ageGrid->addWidget(daysToday, 2, 1);
    layout->addWidget(age, 1, 0, 1, 3);

    auto* cover = new QHBoxLayout;
    fullCoverCaption = named(new QLabel(QStringLiteral(" 100% Sécu à partir du ")), "lblSecu",
                             QStringLiteral("100% Sécu à partir du"));
    fullCoverDate = resultLabel("LblCentDate", QStringLiteral("100% Sécu à partir du"));
    fullCoverDate->setMinimumWidth(fullCoverDate->fontMetrics().horizontalAdvance("00/00/00000") +
                                   10);
    cover->addWidget(fullCoverCaption);
    cover->addWidget(fullCoverDate);
    cover->addStretch();
    layout->addLayout(cover, 2, 0, 1, 3);
    layout->setRowMinimumHeight(3, 6);
    return panel;
}

QWidget* MainWindow::buildConversionPanel() {
    auto* box = new QGroupBox(QStringLiteral("Conversion  SA ->Date ->SA"));
    auto* layout = new QGridLayout(box);
    weekList =
        named(new QListWidget, "ListeSA", QStringLiteral("Conversion SA vers date, semaines"));
    weekList->setFixedWidth(weekList->fontMetrics().horizontalAdvance("4444") + 30);
    weekList->setFixedHeight(weekList->fontMetrics().height() * 4 + 10);
    chosenWeekDate = resultText("TXTsa", QStringLiteral("Conversion SA, date choisie"),
                                QStringLiteral("xx Sa le..."));
    conversionDate = lineEdit("DateSA", QStringLiteral("Conversion SA, date"));
    conversionDate->setMaxLength(10);
    weeksOnConversionDate = lineEdit("SA", QStringLiteral("Conversion SA, âge à la date"), true);
    layout->addWidget(weekList, 0, 0, 2, 1);
    layout->addWidget(chosenWeekDate, 0, 1);
    layout->addWidget(conversionDate, 0, 2);
    layout->addWidget(weeksOnConversionDate, 1, 2);
    chosenWeekDate->setBuddy(conversionDate);
    return box;
}

// The dates' keys, calendars and reactions; the weeks list of the conversion.
void MainWindow::wireDating() {
    auto refused = [this] { refuseDateKey(); };
    acceptDateCharacters(lastPeriod, refused);
    acceptDateCharacters(startOfPregnancy, refused);
    offerSharedCalendar(startOfPregnancy, windows_, QStringLiteral("Date du début de grossesse"),
                        QStringLiteral("Calendrier du début de grossesse"));
    offerSharedCalendar(lastPeriod, windows_, QStringLiteral("Date des dernières règles"),
                        QStringLiteral("Calendrier des dernières règles"));

    connect(lastPeriod, &QLineEdit::textChanged, this, &MainWindow::onLastPeriodChanged);
    connect(startOfPregnancy, &QLineEdit::textChanged, this, &MainWindow::onStartOfPregnancyTyped);
    connect(termDate, &QLineEdit::textChanged, this, &MainWindow::onTermChanged);
    connect(conversionDate, &QLineEdit::textChanged, this, &MainWindow::onConversionDateChanged);
    // A choice in the weeks list, by mouse or keyboard; a click on the entry
    // already selected counts too.
    connect(weekList, &QListWidget::currentRowChanged, this, [this](int row) {
        listChosenByChange_ = true;
        onWeekChosen(row);
    });
    connect(weekList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (listChosenByChange_) {
            listChosenByChange_ = false;
            return;
        }
        onWeekChosen(weekList->row(item));
    });
    connect(weekList, &QListWidget::itemPressed, this, [this] { listChosenByChange_ = false; });
}

void MainWindow::refuseDateKey() {
    platform_.messages.inform(QStringLiteral("Veuillez saisir la date selon le format JJ/MM/AA"));
}

void MainWindow::stopReminder() {
    reminderBlink->stop();
    reminderLabel->hide();
}

void MainWindow::onLastPeriodChanged() {
    const auto lmp = dateIn(lastPeriod);
    if (!lmp) return;
    const VbDate start = DEBUT_DEPUIS_DDR(*lmp);
    if (!derivedDatesInCalendar(start)) return platform_.messages.inform(outsideCalendarMessage());
    startOfPregnancy->setText(shown(start));
}

void MainWindow::onStartOfPregnancyTyped() {
    stopReminder();
    // Nothing of the previous start stays: what follows fills what this start gives.
    clearStartResults();
    const auto start = dateIn(startOfPregnancy);
    const bool refused = start && !derivedDatesInCalendar(*start);
    if (refused) platform_.messages.inform(kOutsideCalendar);
    const VbDate today = platform_.clock.today();
    // The other windows follow the start as typed: a start that is not a date
    // (or is refused) leaves them no deadline or age of another pregnancy.
    StartOfPregnancy news{refused ? QString() : startOfPregnancy->text(), std::nullopt};
    if (start && !refused) news.weeksOfAmenorrhoeaToday = SA_ARRONDIE(*start, today);
    emit startOfPregnancyChanged(news);
    if (!start || refused) return;

    termDate->setText(shown(TERME_DEPUIS_DEBUT(*start)));
    const GestationalAge age = AGE_DEPUIS_DEBUT(*start, today);
    weeksToday->setText(shown(age.text()) + QStringLiteral("  Sem. A."));
    monthsToday->setText(shown(MOIS_JOURS(*start, today)));
    daysToday->setText(QString::number(age.days) + QStringLiteral(" jours"));
    fullCoverDate->setText(shown(DATE_100_POURCENT(*start)));
    recomputeSchedule(*start);
    showAgeOnDay();
}

void MainWindow::clearStartResults() {
    for (QLineEdit* e : {termDate, weeksToday, monthsToday, daysToday, firstTrimesterMarkers,
                         secondTrimesterMarkers, weeksOnConversionDate})
        e->clear();
    for (QLabel* l : {fullCoverDate, anaesthetistVisit, firstTrimesterScan})
        l->clear();
    for (QListWidget* list : {prenatalVisits, scanList, leaveList})
        list->clear();
}

void MainWindow::recomputeSchedule(VbDate start) {
    using S = TermSettings;
    auto bound = [this](S::Index i) { return termBounds_[i]; };
    // A window whose bound term.tvx does not give stays empty (the file's
    // fault was told at start-up); the other dates are still given.
    const QString missing = QStringLiteral("Réglage absent ou erroné dans Term.tvx");
    bool outside = false;
    auto amenorrhoeaWindow = [&](S::Index from, S::Index to) -> std::optional<QString> {
        const auto a = bound(from), b = bound(to);
        if (!a || !b) return std::nullopt;
        const DateWindow w = FENETRE_AMENORRHEE(start, *a, *b);
        if (!w.first.inCalendar() || !w.last.inCalendar()) {
            outside = true;
            return std::nullopt;
        }
        return shown(w.text());
    };
    auto show = [&](auto* field, const std::optional<QString>& value) {
        field->setText(value.value_or(QString()));
        field->setToolTip(value ? QString() : missing);
    };

    show(firstTrimesterMarkers, amenorrhoeaWindow(S::SerumFirstFrom, S::SerumFirstTo));
    show(secondTrimesterMarkers, amenorrhoeaWindow(S::SerumSecondFrom, S::SerumSecondTo));

    std::optional<QString> anaesthesia;
    const auto anaesthesiaFrom = bound(S::AnaesthesiaFrom), anaesthesiaTo = bound(S::AnaesthesiaTo);
    if (anaesthesiaFrom && anaesthesiaTo) {
        if (VbDate::inCalendar(start.serial() + 0LL + *anaesthesiaFrom) &&
            VbDate::inCalendar(start.serial() + 0LL + *anaesthesiaTo))
            anaesthesia = shown(CONSULTATION_ANESTHESIE(start, *anaesthesiaFrom, *anaesthesiaTo));
        else
            outside = true;
    }
    show(anaesthetistVisit, anaesthesia);

    QStringList exams;
    for (const DateWindow& w : EXAMENS_OBLIGATOIRES(start))
        exams << shown(w.text());
    fillList(prenatalVisits, exams);

    show(firstTrimesterScan, amenorrhoeaWindow(S::UltrasoundFirstFrom, S::UltrasoundFirstTo));

    const auto echoes = ECHOGRAPHIES_RECOMMANDEES(start);
    fillList(scanList, {shown(echoes[0]), shown(echoes[1])});
    // The leave is computed only on demand.
    leaveList->clear();
    if (outside) platform_.messages.inform(kOutsideCalendar);
}

void MainWindow::onTermChanged() {
    if (dateIn(termDate)) moonDate->setText(termDate->text());
}

bool MainWindow::startIsMissing() {
    // A start that is not a date cannot be converted either.
    if (dateIn(startOfPregnancy)) return false;
    platform_.messages.inform(QStringLiteral("Veuillez saisir la date du début de grossesse."));
    startOfPregnancy->setFocus();
    return true;
}

void MainWindow::onWeekChosen(int row) {
    if (row < 0 || startIsMissing()) return;
    const int weeks = weekList->item(row)->text().toInt();
    conversionDate->setText(shown(DATE_POUR_SA(*dateIn(startOfPregnancy), weeks)));
    chosenWeekDate->setText(QString::number(weeks) + QStringLiteral(" S.A le..."));
}

void MainWindow::onConversionDateChanged() {
    weeksOnConversionDate->clear();
    if (startIsMissing()) return;
    showAgeOnDay();
}

// The age of the pregnancy on the day of DateSA, from the start on screen;
// nothing while either is not a date.
void MainWindow::showAgeOnDay() {
    const auto start = dateIn(startOfPregnancy), day = dateIn(conversionDate);
    if (!start || !day || !derivedDatesInCalendar(*start)) {
        weeksOnConversionDate->clear();
        return;
    }
    weeksOnConversionDate->setText(shown(AGE_DEPUIS_DEBUT(*start, *day).text()) +
                                   QStringLiteral("  S.A."));
}

QString MainWindow::outsideCalendarMessage() {
    return kOutsideCalendar;
}

} // namespace tovimar
