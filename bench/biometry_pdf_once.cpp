// SPDX-License-Identifier: GPL-3.0-or-later
// The biometry report or a growth chart into a PDF by a whole process, for
// hyperfine (see printing.sh):
//   biometry_pdf_once report out.pdf   the report of a sample scan
//   biometry_pdf_once chart out.pdf    the BPD chart with the patient's point
#include <QGuiApplication>
#include <QPrinter>
#include <cstring>

#include "biometry/biometry_report.h"
#include "biometry/chart_page.h"
#include "platform/painter_report_printer.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString path = QString::fromLocal8Bit(argv[2]);
    tovimar::PracticeOptions letterhead;
    letterhead.civility = "Madame";
    letterhead.firstName = "Élise";
    letterhead.lastName = "Martin";
    letterhead.speciality = "Sage-femme";
    letterhead.establishment = "Maternité des Lilas";
    letterhead.town = "Lyon";
    letterhead.department = "69";
    if (std::strcmp(argv[1], "chart") == 0) {
        tovimar::ChartPage page;
        page.letterhead = letterhead;
        page.title = "Diamètre Bipariétal";
        page.source = "Courbe CFEF";
        page.details = "Mesure : 53 mm à 22 Sem. A. (> 97 ème Percentile), le 10/12/2026.";
        page.chart = *tovimar::growthChart(tovimar::Measure::Bip);
        page.drawing.point = tovimar::ChartPoint{22, 53, "53", "22 Sem. A.", "> 97 ème Percentile"};
        QString error;
        return tovimar::saveChartPdf(path, page, &error) ? 0 : 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    tovimar::BiometryReportData d;
    d.letterhead = letterhead;
    d.patientName = "Zoé Lefèvre";
    d.start = "01/02/2007";
    d.weeks = "21";
    d.measuredOn = "15/06/2007";
    d.interOrbital = "23";
    d.lines = {{{"50", "50 ème Percentile", "50"},
                {"184", "50 ème Percentile", "184"},
                {"48", "50 ème Percentile", "48"},
                {"150", "3 ème à 10 ème Percentile", "162"},
                {"35", "50 ème Percentile", "35"},
                {"35", "50 ème Percentile", "35"},
                {"33", "50 ème Percentile", "33"},
                {"21", "50 ème Percentile", "21"}}};
    d.dioBip = "0,46";
    d.femPied = "1,00";
    d.theoreticalWeight = "399 g";
    d.estimatedWeight = "381 g";
    tovimar::PainterReportPrinter page(printer, [](QPrinter&) { return true; });
    tovimar::printBiometryReport(page, d);
    return page.endDocument() ? 0 : 1;
}
