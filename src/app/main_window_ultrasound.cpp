// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's ultrasound dating frame: compute the start of pregnancy
// from a measurement, or clear the dating.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"
#include "dating/ultrasound_dating.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/window_registry.h"

namespace tovimar {

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
