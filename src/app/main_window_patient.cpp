// SPDX-License-Identifier: GPL-3.0-or-later
// The patient of the consultation: "Patiente…" names her once for every
// printout; "Nouvelle patiente" empties her and every window between two
// consultations, as a fresh start would, the settings left as they are.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <typeindex>

#include "app/main_window.h"
#include "app/patient_dialog.h"
#include "dating/term_settings_window.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "ui/consultation_patient.h"
#include "ui/window_registry.h"
#include "utilities/fees_window.h"
#include "utilities/postal_directory_window.h"
#include "utilities/practice_options_window.h"

namespace tovimar {

void MainWindow::editPatient() {
    PatientDialog dialog(windows_.patient(), platform_.messages, this);
    dialog.exec();
}

void MainWindow::newPatient() {
    bool typed =
        !windows_.patient().isEmpty() || windows_.consultationBegunBeyond(settingsWindows());
    for (const QLineEdit* e :
         {lastPeriod, startOfPregnancy, termDate, conversionDate, weeksOnConversionDate, sacField,
          crownRumpField, biparietalField, femurField, scanDate, childrenField, weeksToday,
          monthsToday, daysToday})
        typed = typed || !e->text().isEmpty();
    typed = typed || twinsBox->isChecked() || tripletsBox->isChecked() ||
            moonDate->text() != QString::fromStdString(platform_.clock.today().toText());
    if (typed &&
        platform_.messages.askWarning(
            QStringLiteral("Nouvelle patiente"),
            QStringLiteral("Effacer la patiente et tout ce qui a été saisi ou calculé dans les "
                           "fenêtres, pour une nouvelle consultation ? Les réglages ne changent "
                           "pas."),
            Messages::Icon::Question, false) != Messages::Answer::Yes)
        return;
    windows_.patient().clear();
    windows_.renew(settingsWindows());
    // The main window as it starts: today's date, no dating, the default week.
    resetDating();
    for (QLineEdit* e : {conversionDate, weeksOnConversionDate, secondTrimesterMarkers})
        e->clear();
    for (QLabel* l : {fullCoverDate, anaesthetistVisit, firstTrimesterScan})
        l->clear();
    chosenWeekDate->setText(QStringLiteral("xx Sa le..."));
    {
        const QSignalBlocker quiet(weekList);
        weekList->setCurrentRow(4);
    }
}

std::set<std::type_index> MainWindow::settingsWindows() {
    return {std::type_index(typeid(PracticeOptionsWindow)), std::type_index(typeid(FeesWindow)),
            std::type_index(typeid(TermSettingsWindow)),
            std::type_index(typeid(PostalDirectoryWindow))};
}

} // namespace tovimar
