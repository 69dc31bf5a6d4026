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
    const UltrasoundFields fields{Sac->text().toStdString(),  CRL->text().toStdString(),
                                  Bip->text().toStdString(),  Fem->text().toStdString(),
                                  SemA->text().toStdString(), DateX->text().toStdString()};
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
        if (outcome.semA) SemA->setText(QString::fromStdString(*outcome.semA));
        // Writing the start recomputes the whole window.
        DateDG->setText(QString::fromStdString(outcome.start.toText()));
        return;
    }
}

// What a second press after a sac dating empties (the sac last).
void MainWindow::clearDatingDisplays() {
    for (QLineEdit* e :
         {Bip, CRL, Fem, DateX, SemA, DateDR, DateDG, DateAP, NbreSA, NbreMois, NbreJours})
        e->clear();
    ListeUS->clear();
    DatesHT21_1T->clear();
    ListePN->clear();
    ListeCONGE->clear();
    Sac->clear();
}

void MainWindow::resetDating() {
    TxtDateJ->setText(QString::fromStdString(platform_.clock.today().toText()));
    clearDatingDisplays();
    emit ultrasoundDatingReset();
    Gemell->setChecked(false);
    Triple->setChecked(false);
    NbrEnf->clear();
}

} // namespace tovimar
