// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's ultrasound dating panel, its wiring and reactions: the
// start of pregnancy computed from a measurement, or the dating cleared.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"
#include "app/moon_widget.h"
#include "app/window_links.h"
#include "core/text_lines.h"
#include "dating/term_settings_access.h"
#include "dating/ultrasound_dating.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "ui/controls.h"
#include "ui/date_field.h"
#include "ui/key_filters.h"
#include "ui/pictures.h"
#include "ui/slider_field.h"
#include "ui/window_registry.h"
#include "utilities/payment_reminders.h"
#include "utilities/saint_of_the_day.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tovimar {

QWidget* MainWindow::buildUltrasoundPanel() {
    auto* box = new QGroupBox(QStringLiteral("Calcul Age Gesta."));
    auto* layout = new QGridLayout(box);
    sacField = lineEdit("Sac", QStringLiteral("Sac"));
    crownRumpField = lineEdit("CRL", QStringLiteral("LCC"));
    crownRumpField->setToolTip(QStringLiteral("Cacul âge gestationnel par le LCC"));
    crownRumpSlider = scrollBar("CRLscroll", QStringLiteral("LCC, réglage"), 1, 85, 30);
    crownRumpSlider->setPageStep(10);
    biparietalField = lineEdit("Bip", QStringLiteral("Bip"));
    femurField = lineEdit("Fem", QStringLiteral("Fém."));
    scanDate = lineEdit("DateX", QStringLiteral("Date de l'écho"));
    scanDate->setToolTip(
        QStringLiteral("Vide : aujourd'hui. Double clic pour choisir la date dans un calendrier"));
    scanDate->setMaxLength(10);
    weeksFromScan = lineEdit("SemA", QStringLiteral("Sem. d'amenorrhée"));
    for (QLineEdit* e : {sacField, crownRumpField, biparietalField, femurField, weeksFromScan}) {
        e->setMaxLength(6);
        e->setMaximumWidth(60);
    }
    layout->addWidget(caption(QStringLiteral("Sac"), sacField), 0, 0);
    layout->addWidget(sacField, 0, 1);
    layout->addWidget(caption(QStringLiteral("LCC"), crownRumpField), 0, 2);
    layout->addWidget(crownRumpField, 0, 3);
    layout->addWidget(crownRumpSlider, 0, 4, 1, 2);
    layout->addWidget(caption(QStringLiteral("Bip"), biparietalField), 1, 0);
    layout->addWidget(biparietalField, 1, 1);
    layout->addWidget(caption(QStringLiteral("Fém."), femurField), 1, 2);
    layout->addWidget(femurField, 1, 3);
    layout->addWidget(caption(QStringLiteral("Date de l'écho"), scanDate), 2, 0, 1, 2);
    layout->addWidget(scanDate, 2, 2, 1, 2);
    layout->addWidget(caption(QStringLiteral("Sem. d'amenorrhée"), weeksFromScan), 3, 0, 1, 2);
    layout->addWidget(weeksFromScan, 3, 2);
    computeFromScanButton =
        named(new QToolButton, "Command1",
              QStringLiteral("Calculer le début de grossesse à partir de l'échographie"));
    computeFromScanButton->setIcon(QIcon(picture("icon_compute")));
    computeFromScanButton->setIconSize({32, 32});
    computeFromScanButton->setToolTip(computeFromScanButton->accessibleName());
    resetDatingButton = named(new QToolButton, "Command3", QStringLiteral("Effacer la datation"));
    resetDatingButton->setIcon(QIcon(picture("icon_reset")));
    resetDatingButton->setIconSize({32, 32});
    resetDatingButton->setToolTip(resetDatingButton->accessibleName());
    layout->addWidget(computeFromScanButton, 1, 4, 3, 1);
    layout->addWidget(resetDatingButton, 1, 5, 3, 1);
    return box;
}

// The measurements' keys and slider, the scan day's calendar, the two buttons.
void MainWindow::wireUltrasound() {
    for (QLineEdit* e : {sacField, crownRumpField, biparietalField, femurField, weeksFromScan})
        acceptDigitsOnly(e);
    offerSharedCalendar(scanDate, windows_, QStringLiteral("Date de l'échographie"),
                        QStringLiteral("Calendrier de l'échographie"));
    fillsField(crownRumpSlider, crownRumpField);
    connect(computeFromScanButton, &QToolButton::clicked, this, &MainWindow::computeFromUltrasound);
    connect(resetDatingButton, &QToolButton::clicked, this, &MainWindow::resetDating);
}

void MainWindow::computeFromUltrasound() {
    const UltrasoundFields fields{
        sacField->text().toStdString(),        crownRumpField->text().toStdString(),
        biparietalField->text().toStdString(), femurField->text().toStdString(),
        weeksFromScan->text().toStdString(),   scanDate->text().toStdString()};
    const UltrasoundOutcome outcome = DATATION_ECHOGRAPHIQUE(fields, platform_.clock.today());
    for (const std::string& notice : outcome.notices)
        platform_.messages.inform(QString::fromStdString(notice));
    switch (outcome.kind) {
    case UltrasoundOutcome::Kind::Refused:
        platform_.messages.inform(QString::fromStdString(outcome.message));
        return;
    case UltrasoundOutcome::Kind::ClearDating:
        clearDatingDisplays();
        return;
    case UltrasoundOutcome::Kind::Dated:
        if (outcome.semA) weeksFromScan->setText(QString::fromStdString(*outcome.semA));
        // Writing the start recomputes the whole window.
        startOfPregnancy->setText(QString::fromStdString(outcome.start.toText()));
        return;
    }
}

// What a second press after a sac dating empties (the sac last).
void MainWindow::clearDatingDisplays() {
    for (QLineEdit* e :
         {biparietalField, crownRumpField, femurField, scanDate, weeksFromScan, lastPeriod,
          startOfPregnancy, termDate, weeksToday, monthsToday, daysToday})
        e->clear();
    scanList->clear();
    firstTrimesterMarkers->clear();
    prenatalVisits->clear();
    leaveList->clear();
    sacField->clear();
}

void MainWindow::resetDating() {
    moonDate->setText(QString::fromStdString(platform_.clock.today().toText()));
    clearDatingDisplays();
    emit ultrasoundDatingReset();
    twinsBox->setChecked(false);
    tripletsBox->setChecked(false);
    childrenField->clear();
}

} // namespace tovimar
