// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"

namespace tovimar {

ResultsText MainWindow::resultsText() const {
    ResultsText t;
    t.title = QStringLiteral("Grossesse : terme et calendrier du suivi");
    t.inputsOf({lastPeriod, startOfPregnancy});
    t.inputsOf({scanDate, sacField, crownRumpField, biparietalField, femurField});
    t.result(weeksFromScan, QStringLiteral("Datation échographique, semaines d'aménorrhée"));
    t.result(termDate, QStringLiteral("Terme"));
    t.result(weeksToday, QStringLiteral("Âge gestationnel aujourd'hui"));
    t.result(monthsToday, QStringLiteral("Âge gestationnel aujourd'hui, en mois"));
    t.result(daysToday, QStringLiteral("Âge gestationnel aujourd'hui, en jours"));
    t.result(fullCoverDate);
    t.resultPairs(prenatalVisitCaptions, prenatalVisits);
    t.result(firstTrimesterScan);
    t.resultPairs(scanCaptions, scanList);
    t.resultsOf({firstTrimesterMarkers, secondTrimesterMarkers, anaesthetistVisit});
    // The leave with what it was computed for.
    if (leaveList->count() > 0) {
        t.input(childrenField, QStringLiteral("Nombre d'enfants"));
        t.tick(twinsBox, QStringLiteral("Grossesse gémellaire"));
        t.tick(tripletsBox, QStringLiteral("Grossesse triple"));
        t.resultPairs(leaveCaptions, leaveList);
    }
    // The conversions between weeks and dates, when one was asked for ("xx Sa
    // le..." is the prompt until a week is chosen).
    if (!chosenWeekDate->text().startsWith(QLatin1String("xx")))
        t.result(QStringLiteral("Conversion"),
                 shownText(chosenWeekDate) + QLatin1Char(' ') + shownText(conversionDate));
    if (!shownText(weeksOnConversionDate).isEmpty())
        t.result(weeksOnConversionDate,
                 QStringLiteral("Âge gestationnel le ") + shownText(conversionDate));
    return t;
}

} // namespace tovimar
