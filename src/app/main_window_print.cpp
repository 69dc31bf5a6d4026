// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's planning printouts: direct, with a printer choice, into
// a PDF file, or through the editable preview.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"
#include "dating/planning_letter.h"
#include "dating/planning_preview_window.h"
#include "dating/planning_printout.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/text_prompt.h"
#include "ui/window_registry.h"
#include "utilities/practice_options_access.h"

namespace tovimar {
namespace {

std::string entry(const QListWidget* list, int row) {
    // A missing entry prints as empty text.
    return row < list->count() ? list->item(row)->text().toStdString() : std::string();
}

} // namespace

PlanningData MainWindow::planningData(const QString& patientName) {
    PlanningData d;
    d.patientName = patientName.toStdString();
    d.issued = platform_.clock.today().toText();
    d.letterhead = currentPracticeOptions(windows_);
    d.start = startOfPregnancy->text().toStdString();
    d.term = termDate->text().toStdString();
    for (int k = 0; k < 6; ++k)
        d.examinations[k] = entry(prenatalVisits, k);
    d.firstTrimesterUltrasound = firstTrimesterScan->text().toStdString();
    for (int k = 0; k < 2; ++k)
        d.ultrasounds[k] = entry(scanList, k);
    d.serumFirst = firstTrimesterMarkers->text().toStdString();
    d.serumSecond = secondTrimesterMarkers->text().toStdString();
    d.anaesthesia = anaesthetistVisit->text().toStdString();
    for (int k = 0; k < 2; ++k)
        d.leave[k] = entry(leaveList, k);
    return d;
}

void MainWindow::printPlanning(PrintMode mode) {
    // Cancelling the name gives an empty name; the printing goes on.
    const QString name = windows_.patient().nameForPrintout(platform_.prompt);
    const PlanningData data = planningData(name);
    printReport(platform_.reports, platform_.messages, mode,
                documentForPatient(kPlanningDocumentName, name),
                [&](ReportPrinter& printer) { IMPRIME(printer, data); });
}

void MainWindow::previewPlanning() {
    const QString name = windows_.patient().nameForPrintout(platform_.prompt);
    // The preview window is shown first, then filled.
    auto& preview = windows_.open<PlanningPreviewWindow>();
    preview.setTexts(planningPreview(planningData(name)));
}

} // namespace tovimar
