// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's dating reactions: LMP -> start of pregnancy -> term, age
// today, full cover, follow-up schedule; the SA <-> date conversion; the leave.
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
#include "dating/follow_up_schedule.h"
#include "dating/pregnancy_dating.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/date_field.h"
#include "ui/key_filters.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/moon_phase.h"

namespace tovimar {
namespace {

std::optional<VbDate> dateIn(const QLineEdit* field) {
    return readFrenchDate(field->text().toStdString());
}

QString text(VbDate date) {
    return QString::fromStdString(date.toText());
}
QString text(const std::string& s) {
    return QString::fromStdString(s);
}

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

void MainWindow::connectReactions() {
    auto refused = [this] { refuseDateKey(); };
    acceptDateCharacters(lastPeriod, refused);
    acceptDateCharacters(startOfPregnancy, refused);
    for (QLineEdit* e :
         {sacField, crownRumpField, biparietalField, femurField, weeksFromScan, childrenField})
        acceptDigitsOnly(e);
    offerSharedCalendar(startOfPregnancy, windows_, QStringLiteral("Date du début de grossesse"),
                        QStringLiteral("Calendrier du début de grossesse"));
    offerSharedCalendar(lastPeriod, windows_, QStringLiteral("Date des dernières règles"),
                        QStringLiteral("Calendrier des dernières règles"));
    offerSharedCalendar(scanDate, windows_, QStringLiteral("Date de l'échographie"),
                        QStringLiteral("Calendrier de l'échographie"));

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

    connect(twinsBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) tripletsBox->setChecked(false);
    });
    connect(tripletsBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twinsBox->setChecked(false);
    });
    // The leave is computed on "Calcule Congés": what it depends on changed, it goes.
    connect(twinsBox, &QCheckBox::toggled, leaveList, &QListWidget::clear);
    connect(tripletsBox, &QCheckBox::toggled, leaveList, &QListWidget::clear);
    connect(childrenField, &QLineEdit::textChanged, leaveList, &QListWidget::clear);
    fillsField(childrenSlider, childrenField);
    fillsField(crownRumpSlider, crownRumpField);
    connect(computeLeaveButton, &QPushButton::clicked, this, &MainWindow::computeLeave);
    connect(computeFromScanButton, &QToolButton::clicked, this, &MainWindow::computeFromUltrasound);
    connect(resetDatingButton, &QToolButton::clicked, this, &MainWindow::resetDating);

    connect(moonDate, &QLineEdit::textChanged, this, &MainWindow::onMoonDateChanged);
    connect(previousMoonDay, &QPushButton::clicked, this, [this] { stepMoonDay(-1); });
    connect(nextMoonDay, &QPushButton::clicked, this, [this] { stepMoonDay(1); });
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
    if (!derivedDatesInCalendar(start)) return platform_.messages.inform(kOutsideCalendar);
    startOfPregnancy->setText(text(start));
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

    termDate->setText(text(TERME_DEPUIS_DEBUT(*start)));
    const GestationalAge age = AGE_DEPUIS_DEBUT(*start, today);
    weeksToday->setText(text(age.text()) + QStringLiteral("  Sem. A."));
    monthsToday->setText(text(MOIS_JOURS(*start, today)));
    daysToday->setText(QString::number(age.days) + QStringLiteral(" jours"));
    fullCoverDate->setText(text(DATE_100_POURCENT(*start)));
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
        return text(w.text());
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
            anaesthesia = text(CONSULTATION_ANESTHESIE(start, *anaesthesiaFrom, *anaesthesiaTo));
        else
            outside = true;
    }
    show(anaesthetistVisit, anaesthesia);

    QStringList exams;
    for (const DateWindow& w : EXAMENS_OBLIGATOIRES(start))
        exams << text(w.text());
    fillList(prenatalVisits, exams);

    show(firstTrimesterScan, amenorrhoeaWindow(S::UltrasoundFirstFrom, S::UltrasoundFirstTo));

    const auto echoes = ECHOGRAPHIES_RECOMMANDEES(start);
    fillList(scanList, {text(echoes[0]), text(echoes[1])});
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
    conversionDate->setText(text(DATE_POUR_SA(*dateIn(startOfPregnancy), weeks)));
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
    weeksOnConversionDate->setText(text(AGE_DEPUIS_DEBUT(*start, *day).text()) +
                                   QStringLiteral("  S.A."));
}

void MainWindow::computeLeave() {
    // No leave of earlier inputs stays, whatever stops the computation below.
    leaveList->clear();
    if (startOfPregnancy->text().isEmpty()) {
        platform_.messages.inform(
            QStringLiteral("Veuillez saisir la date du début de la grossesse."));
        startOfPregnancy->setFocus();
        return;
    }
    leaveList->clear();
    // The leave counts back from the term; without one there is nothing to count from.
    const auto term = dateIn(termDate);
    if (!term) {
        platform_.messages.inform(
            QStringLiteral("Veuillez saisir la date du début de la grossesse."));
        termDate->setFocus();
        return;
    }
    long long children = 0;
    if (!twinsBox->isChecked() && !tripletsBox->isChecked()) {
        if (childrenField->text().isEmpty()) {
            platform_.messages.inform(QStringLiteral("Veuillez saisir le nombre d'enfants"));
            childrenField->setFocus();
            return;
        }
        // Only digits can be typed; a pasted text that is not a number asks again.
        bool ok = false;
        children = childrenField->text().toLongLong(&ok);
        if (!ok) {
            platform_.messages.inform(QStringLiteral("Veuillez saisir le nombre d'enfants"));
            childrenField->setFocus();
            return;
        }
    }
    const LeaveStarts leave =
        DEBUTS_CONGE(*term, twinsBox->isChecked(), tripletsBox->isChecked(), children);
    if (!leave.prenatal.inCalendar() || !leave.pathological.inCalendar())
        return platform_.messages.inform(kOutsideCalendar);
    fillList(leaveList, {text(leave.prenatal), text(leave.pathological)});
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
    if (day && day->plusDays(days).inCalendar()) moonDate->setText(text(day->plusDays(days)));
}

} // namespace tovimar
