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

#include "ui/date_picker_window.h"
#include "ui/key_filters.h"
#include "app/main_window.h"
#include "biometry/biometry_window.h"
#include "app/moon_widget.h"
#include "ui/window_registry.h"
#include "dating/follow_up_schedule.h"
#include "dating/pregnancy_dating.h"
#include "obstetrics/termination_window.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
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
    acceptDateCharacters(DateDR, refused);
    acceptDateCharacters(DateDG, refused);
    for (QLineEdit* e : {Sac, CRL, Bip, Fem, SemA, NbrEnf})
        acceptDigitsOnly(e);
    for (QLineEdit* e : {DateDR, DateDG, DateX})
        e->installEventFilter(this);

    connect(DateDR, &QLineEdit::textChanged, this, &MainWindow::onDateDRChanged);
    connect(DateDG, &QLineEdit::textChanged, this, &MainWindow::onDateDGChanged);
    connect(DateAP, &QLineEdit::textChanged, this, &MainWindow::onDateAPChanged);
    connect(DateSA, &QLineEdit::textChanged, this, &MainWindow::onDateSAChanged);
    // A choice in the weeks list, by mouse or keyboard; a click on the entry
    // already selected counts too.
    connect(ListeSA, &QListWidget::currentRowChanged, this, [this](int row) {
        listChosenByChange_ = true;
        onListeSAChosen(row);
    });
    connect(ListeSA, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (listChosenByChange_) {
            listChosenByChange_ = false;
            return;
        }
        onListeSAChosen(ListeSA->row(item));
    });
    connect(ListeSA, &QListWidget::itemPressed, this, [this] { listChosenByChange_ = false; });

    connect(Gemell, &QCheckBox::toggled, this, [this](bool on) {
        if (on) Triple->setChecked(false);
    });
    connect(Triple, &QCheckBox::toggled, this, [this](bool on) {
        if (on) Gemell->setChecked(false);
    });
    connect(NbrEnfScroll, &QScrollBar::valueChanged, this,
            [this](int v) { NbrEnf->setText(QString::number(v)); });
    connect(CRLscroll, &QScrollBar::valueChanged, this,
            [this](int v) { CRL->setText(QString::number(v)); });
    connect(Command2, &QPushButton::clicked, this, &MainWindow::computeLeave);
    connect(Command1, &QToolButton::clicked, this, &MainWindow::computeFromUltrasound);
    connect(Command3, &QToolButton::clicked, this, &MainWindow::resetDating);

    connect(TxtDateJ, &QLineEdit::textChanged, this, &MainWindow::onTxtDateJChanged);
    connect(CmdDateMoins, &QPushButton::clicked, this, [this] { stepMoonDay(-1); });
    connect(CmdDatePlus, &QPushButton::clicked, this, [this] { stepMoonDay(1); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto& picker = windows_.get<DatePickerWindow>();
        if (watched == DateDG)
            picker.openFor(DatePickerWindow::StartOfPregnancy, DateDG,
                           QStringLiteral("Date du début de grossesse"));
        else if (watched == DateDR)
            picker.openFor(DatePickerWindow::LastPeriod, DateDR,
                           QStringLiteral("Date des dernières règles"));
        else if (watched == DateX)
            picker.openFor(DatePickerWindow::UltrasoundDay, DateX,
                           QStringLiteral("Date de l'échographie"));
        else
            return QMainWindow::eventFilter(watched, event);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::refuseDateKey() {
    platform_.messages.inform(QStringLiteral("Veuillez saisir la date selon le format JJ/MM/AA"));
}

void MainWindow::stopReminder() {
    Timer1->stop();
    LblAvertir->hide();
}

void MainWindow::onDateDRChanged() {
    const auto lmp = dateIn(DateDR);
    if (!lmp) return;
    const VbDate start = DEBUT_DEPUIS_DDR(*lmp);
    if (!derivedDatesInCalendar(start)) return platform_.messages.inform(kOutsideCalendar);
    DateDG->setText(text(start));
}

void MainWindow::onDateDGChanged() {
    stopReminder();
    const auto start = dateIn(DateDG);
    if (start && !derivedDatesInCalendar(*start))
        return platform_.messages.inform(kOutsideCalendar);
    if (start) {
        const VbDate today = platform_.clock.today();
        DateAP->setText(text(TERME_DEPUIS_DEBUT(*start)));
        const GestationalAge age = AGE_DEPUIS_DEBUT(*start, today);
        NbreSA->setText(text(age.text()) + QStringLiteral("  Sem. A."));
        windows_.get<BiometryWindow>().setWeeksOfAmenorrhoea(SA_ARRONDIE(*start, today));
        NbreMois->setText(text(MOIS_JOURS(*start, today)));
        NbreJours->setText(QString::number(age.days) + QStringLiteral(" jours"));
        // A window bound that is not a number stops the whole reaction silently.
        if (!recomputeSchedule(*start)) {
            // Even so, the termination window never keeps another patient's deadlines.
            windows_.get<TerminationWindow>().setStartOfPregnancy(DateDG->text());
            return;
        }
    }
    // The biometry window receives the start as typed, date or not.
    windows_.get<BiometryWindow>().setStartOfPregnancy(DateDG->text());
    if (!start) return;
    LblCentDate->setText(text(DATE_100_POURCENT(*start)));
    windows_.get<TerminationWindow>().setStartOfPregnancy(DateDG->text());
}

bool MainWindow::recomputeSchedule(VbDate start) {
    using S = TermSettings;
    auto bound = [this](S::Index i) { return termBounds_[i]; };
    auto amenorrhoeaWindow = [&](S::Index from, S::Index to) -> std::optional<QString> {
        const auto a = bound(from), b = bound(to);
        if (!a || !b) return std::nullopt;
        const DateWindow w = FENETRE_AMENORRHEE(start, *a, *b);
        if (!w.first.inCalendar() || !w.last.inCalendar()) {
            platform_.messages.inform(kOutsideCalendar);
            return std::nullopt;
        }
        return text(w.text());
    };

    const auto serumFirst = amenorrhoeaWindow(S::SerumFirstFrom, S::SerumFirstTo);
    if (!serumFirst) return false;
    DatesHT21_1T->setText(*serumFirst);

    const auto serumSecond = amenorrhoeaWindow(S::SerumSecondFrom, S::SerumSecondTo);
    if (!serumSecond) return false;
    DatesHT21_2T->setText(*serumSecond);

    const auto anaesthesiaFrom = bound(S::AnaesthesiaFrom), anaesthesiaTo = bound(S::AnaesthesiaTo);
    if (!anaesthesiaFrom || !anaesthesiaTo) return false;
    if (!VbDate::inCalendar(start.serial() + 0LL + *anaesthesiaFrom) ||
        !VbDate::inCalendar(start.serial() + 0LL + *anaesthesiaTo)) {
        platform_.messages.inform(kOutsideCalendar);
        return false;
    }
    LblAnesth->setText(text(CONSULTATION_ANESTHESIE(start, *anaesthesiaFrom, *anaesthesiaTo)));

    QStringList exams;
    for (const DateWindow& w : EXAMENS_OBLIGATOIRES(start))
        exams << text(w.text());
    fillList(ListePN, exams);

    const auto echoFirst = amenorrhoeaWindow(S::UltrasoundFirstFrom, S::UltrasoundFirstTo);
    if (!echoFirst) return false;
    LblEcho1T->setText(*echoFirst);

    const auto echoes = ECHOGRAPHIES_RECOMMANDEES(start);
    fillList(ListeUS, {text(echoes[0]), text(echoes[1])});
    // The leave is computed only on demand.
    ListeCONGE->clear();
    return true;
}

void MainWindow::onDateAPChanged() {
    if (dateIn(DateAP)) TxtDateJ->setText(DateAP->text());
}

bool MainWindow::startIsMissing() {
    // A start that is not a date cannot be converted either.
    if (dateIn(DateDG)) return false;
    platform_.messages.inform(QStringLiteral("Veuillez saisir la date du début de grossesse."));
    DateDG->setFocus();
    return true;
}

void MainWindow::onListeSAChosen(int row) {
    if (row < 0 || startIsMissing()) return;
    const int weeks = ListeSA->item(row)->text().toInt();
    DateSA->setText(text(DATE_POUR_SA(*dateIn(DateDG), weeks)));
    TXTsa->setText(QString::number(weeks) + QStringLiteral(" S.A le..."));
}

void MainWindow::onDateSAChanged() {
    if (startIsMissing()) return;
    if (const auto day = dateIn(DateSA))
        SA->setText(text(AGE_DEPUIS_DEBUT(*dateIn(DateDG), *day).text()) +
                    QStringLiteral("  S.A."));
}

void MainWindow::computeLeave() {
    if (DateDG->text().isEmpty()) {
        platform_.messages.inform(
            QStringLiteral("Veuillez saisir la date du début de la grossesse."));
        DateDG->setFocus();
        return;
    }
    ListeCONGE->clear();
    // The leave counts back from the term; without one there is nothing to count from.
    const auto term = dateIn(DateAP);
    if (!term) {
        platform_.messages.inform(
            QStringLiteral("Veuillez saisir la date du début de la grossesse."));
        DateAP->setFocus();
        return;
    }
    long long children = 0;
    if (!Gemell->isChecked() && !Triple->isChecked()) {
        if (NbrEnf->text().isEmpty()) {
            platform_.messages.inform(QStringLiteral("Veuillez saisir le nombre d'enfants"));
            NbrEnf->setFocus();
            return;
        }
        // Only digits can be typed; a pasted text that is not a number asks again.
        bool ok = false;
        children = NbrEnf->text().toLongLong(&ok);
        if (!ok) {
            platform_.messages.inform(QStringLiteral("Veuillez saisir le nombre d'enfants"));
            NbrEnf->setFocus();
            return;
        }
    }
    const LeaveStarts leave =
        DEBUTS_CONGE(*term, Gemell->isChecked(), Triple->isChecked(), children);
    if (!leave.prenatal.inCalendar() || !leave.pathological.inCalendar())
        return platform_.messages.inform(kOutsideCalendar);
    fillList(ListeCONGE, {text(leave.prenatal), text(leave.pathological)});
}

void MainWindow::onTxtDateJChanged() {
    // Text that is not a date leaves the moon as it was. The day is read as
    // every date field reads it: picking the day and month out of fixed
    // character positions would misread "5/1/2000" or a four-digit year.
    const auto day = dateIn(TxtDateJ);
    if (!day) return;
    lastMoonText_ = TxtDateJ->text();
    const double phase = GetMoonDate(*day);
    Label11->setText(QString::fromStdString(moonDirection(phase)));
    Picture1->setPhase(phase);
}

void MainWindow::stepMoonDay(int days) {
    const auto day = dateIn(TxtDateJ);
    if (day && day->plusDays(days).inCalendar()) TxtDateJ->setText(text(day->plusDays(days)));
}

} // namespace tovimar
