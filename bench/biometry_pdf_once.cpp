// SPDX-License-Identifier: GPL-3.0-or-later
// The biometry report or a growth chart into a PDF by a whole process, for
// hyperfine (see printing.sh):
//   biometry_pdf_once report out.pdf   the report of the tests' sample scan
//   biometry_pdf_once chart out.pdf    the BPD chart with the patient's point
//   biometry_pdf_once report-straight out.pdf
//                                      the report's texts in their faces,
//                                      straight with QPainter: Qt's floor
#include <QGuiApplication>
#include <QPrinter>
#include <cstring>

#include "biometry/biometry_report.h"
#include "biometry/chart_page.h"
#include "platform/painter_report_printer.h"
#include "straight_painter.h"
#include "support/sample_printouts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString path = QString::fromLocal8Bit(argv[2]);
    const tovimar::PracticeOptions letterhead = tovimar::testing::sampleLetterhead();
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
    const tovimar::BiometryReportData d = tovimar::testing::sampleBiometryReport();
    if (std::strcmp(argv[1], "report-straight") == 0) {
        tovimar::bench::StraightPainter page(printer);
        tovimar::printBiometryReport(page, d);
        return page.endDocument() ? 0 : 1;
    }
    tovimar::PainterReportPrinter page(printer, [](QPrinter&) { return true; });
    tovimar::printBiometryReport(page, d);
    return page.endDocument() ? 0 : 1;
}
