// SPDX-License-Identifier: GPL-3.0-or-later
// What leaves the trisomy 21 window: the letter to the patient, printed, and
// "Copier les résultats".
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "dating/term_settings_access.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "t21/patient_letter_printout.h"
#include "t21/screening_conduct.h"
#include "t21/t21_risk_window.h"
#include "ui/results_text.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {

void T21RiskWindow::printLetter() {
    // Nothing is printed without a threshold or an overall risk to compare with it.
    const std::optional<long long> threshold =
        letterThreshold(currentTermSettings(windows())[TermSettings::AmniocentesisThreshold]);
    if (!threshold) return;
    std::optional<T21LetterData> letter = letterFromScreen(screen_);
    if (!letter) {
        platform().messages.inform(
            QStringLiteral("Calculez d'abord le risque (bouton « Calcule ») : la lettre imprime "
                           "les risques affichés."));
        return;
    }
    setLetterConduct(*letter, screen_, currentScreeningStrategy(windows()), *threshold);
    letter->letterhead = currentPracticeOptions(windows());
    // Cancelling the name gives an empty name; the printing goes on.
    // The letter writes "Madame" itself: a civility typed with the name is left out.
    const QString name = windows().patient().nameForPrintout(platform().prompt);
    letter->patientName = name.toStdString();
    letter->issued = platform().clock.today().toText();
    printReport(platform().reports, platform().messages, PrintMode::ChoosePrinter,
                documentForPatient(kT21LetterDocumentName, name),
                [&](ReportPrinter& printer) { printT21Letter(printer, *letter); });
}

// "Copier les résultats": the mother's and the scan's data as typed, the
// signs ticked, then each risk as shown and the conduct it leads to (the
// explanation of the selected sign is help, not a result).
ResultsText T21RiskWindow::resultsText() const {
    ResultsText t;
    t.title = windowTitle();
    t.inputsOf({birthDate, maternalAge, examinationDate});
    t.tick(previousTrisomyBox);
    t.inputsOf({crownRumpLength, nuchalTranslucency});
    // The risks given are typed as N of 1/N.
    auto risk = [](const QLineEdit* n) {
        return n->text().isEmpty() ? QString() : QStringLiteral("1/") + n->text();
    };
    t.input(QStringLiteral("Risque sérologique donné"), risk(givenSerumRisk));
    t.input(QStringLiteral("Risque combiné du laboratoire"), risk(laboratoryCombinedRisk));
    QStringList signs;
    for (int i = 0; i < signList->count(); ++i)
        if (signList->item(i)->checkState() == Qt::Checked) signs << signList->item(i)->text();
    t.input(captionOf(signList), signs.join(QStringLiteral(", ")));
    t.resultsOf({ageRiskAtTerm, ageRiskAtScan, gestationalAge, nuchalRiskAtTerm, nuchalRiskAtScan,
                 nuchalMedian, nuchalMultipleOfMedian, relativeRisk, likelihoodRatio,
                 serumRiskAtTesting, serumRiskAtTerm, integratedRiskAtTesting,
                 integratedRiskAtTerm});
    // These two say what they are ("Coefficient de risque = 10,05").
    t.sentence(riskCoefficient);
    t.result(riskAfterMorphologyScan);
    t.sentence(retainedRisk);
    t.result(conductAdvice);
    return t;
}

} // namespace tovimar
