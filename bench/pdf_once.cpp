// SPDX-License-Identifier: GPL-3.0-or-later
// One PDF written by a whole process, for hyperfine (see printing.sh):
//   pdf_once planning out.pdf   the sample planning composed by the program
//   pdf_once minimal out.pdf    a minimal one-page PDF written with QPrinter
//   pdf_once planning-straight out.pdf
//                               the planning's texts in their faces, straight
//                               with QPainter: Qt's floor for that page
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <cstring>

#include "dating/planning_printout.h"
#include "platform/painter_report_printer.h"
#include "straight_painter.h"
#include "support/sample_planning.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "planning") == 0) {
        tovimar::PainterReportPrinter page(printer, [](QPrinter&) { return true; });
        tovimar::IMPRIME(page, tovimar::testing::sampleSchedule());
        return page.endDocument() ? 0 : 1;
    }
    if (std::strcmp(argv[1], "planning-straight") == 0) {
        tovimar::bench::StraightPainter page(printer);
        tovimar::IMPRIME(page, tovimar::testing::sampleSchedule());
        return page.endDocument() ? 0 : 1;
    }
    QPainter painter(&printer);
    painter.setFont(QFont(tovimar::PainterReportPrinter::defaultFamily, 12));
    painter.drawText(100, 100, QStringLiteral("Madame Zoé Lefèvre,"));
    return painter.end() ? 0 : 1;
}
