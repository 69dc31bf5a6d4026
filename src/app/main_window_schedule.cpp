// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's follow-up schedule and leave: the prenatal visits, the
// scans, the screening dates, the anaesthetist's visit; the maternity leave
// on demand for the children at home and a multiple pregnancy.
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

QWidget* MainWindow::buildSchedulePanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    prenatalVisits = resultList("ListePN", QStringLiteral("Examens Prénatals"), 6);
    prenatalVisitCaptions = captionList(
        "ListePNLibelles", {"Examen du 4ème Mois", "Examen du 5ème Mois", "Examen du 6ème Mois",
                            "Examen du 7ème Mois", "Examen du 8ème Mois", "Examen du 9ème Mois"});
    layout->addWidget(frame(QStringLiteral("Examens Prénatals"),
                            pairedLists(prenatalVisitCaptions, prenatalVisits)));

    auto* echoes = new QGroupBox(QStringLiteral("Echographies"));
    auto* echoLayout = new QVBoxLayout(echoes);
    auto* firstRow = new QHBoxLayout;
    firstTrimesterScan = resultLabel("LblEcho1T", QStringLiteral("Echo 1T"));
    firstRow->addWidget(caption(QStringLiteral("Echo 1T")));
    firstRow->addWidget(firstTrimesterScan, 1);
    echoLayout->addLayout(firstRow);
    scanList = resultList("ListeUS", QStringLiteral("Echographies"), 2);
    scanCaptions =
        captionList("ListeUSLibelles", {"Echographie 22 Sem. A.", "Echographie 32 Sem. A."});
    echoLayout->addWidget(pairedLists(scanCaptions, scanList));
    layout->addWidget(echoes);

    firstTrimesterMarkers = lineEdit("DatesHT21_1T", QStringLiteral("HT 21 : Marqueurs 1er Ter"));
    secondTrimesterMarkers = lineEdit("DatesHT21_2T", QStringLiteral("HT 21 : Marqueurs 2ème Ter"));
    layout->addWidget(frame(QStringLiteral("HT 21 : Marqueurs 1er Ter"), firstTrimesterMarkers));
    layout->addWidget(frame(QStringLiteral("HT 21 : Marqueurs 2ème Ter"), secondTrimesterMarkers));
    anaesthetistVisit = resultLabel("LblAnesth", QStringLiteral("Consultation anesthésistes"));
    layout->addWidget(frame(QStringLiteral("Consultation anesthésistes"), anaesthetistVisit));

    auto* leave = new QGroupBox(QStringLiteral("Congés"));
    auto* leaveLayout = new QGridLayout(leave);
    leaveList = resultList("ListeCONGE", QStringLiteral("Congés"), 2);
    leaveCaptions = captionList("ListeCONGELibelles", {"Congé Prénatal", "Congé Patho."});
    leaveLayout->addWidget(pairedLists(leaveCaptions, leaveList), 0, 0, 1, 4);
    childrenField = lineEdit("NbrEnf", QStringLiteral("Nbre Enf."));
    childrenField->setMaximumWidth(40);
    childrenField->setMaxLength(2);
    childrenSlider = scrollBar("NbrEnfScroll", QStringLiteral("Nbre Enf., réglage"), 0, 10, 1);
    childrenSlider->setMinimumWidth(60);
    leaveLayout->addWidget(caption(QStringLiteral("Nbre Enf."), childrenField), 1, 0);
    leaveLayout->addWidget(childrenField, 1, 1);
    leaveLayout->addWidget(childrenSlider, 1, 2, 1, 2);
    twinsBox = checkBox("Gemell", QStringLiteral("Gr. Gemell."));
    tripletsBox = checkBox("Triple", QStringLiteral("Gr. Triple"));
    leaveLayout->addWidget(twinsBox, 2, 0, 1, 2);
    leaveLayout->addWidget(tripletsBox, 2, 2, 1, 2);
    computeLeaveButton = button("Command2", QStringLiteral("&Calcule Congés"));
    leaveLayout->addWidget(computeLeaveButton, 3, 0, 1, 4);
    layout->addWidget(leave);
    layout->addStretch();
    return panel;
}

// Twins or triplets, never both; the leave, computed on "Calcule Congés", goes
// when what it depends on changes.
void MainWindow::wireSchedule() {
    acceptDigitsOnly(childrenField);
    connect(twinsBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) tripletsBox->setChecked(false);
    });
    connect(tripletsBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twinsBox->setChecked(false);
    });
    connect(twinsBox, &QCheckBox::toggled, leaveList, &QListWidget::clear);
    connect(tripletsBox, &QCheckBox::toggled, leaveList, &QListWidget::clear);
    connect(childrenField, &QLineEdit::textChanged, leaveList, &QListWidget::clear);
    fillsField(childrenSlider, childrenField);
    connect(computeLeaveButton, &QPushButton::clicked, this, &MainWindow::computeLeave);
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
        return platform_.messages.inform(outsideCalendarMessage());
    leaveList->clear();
    leaveList->addItems({shown(leave.prenatal), shown(leave.pathological)});
}

} // namespace tovimar
