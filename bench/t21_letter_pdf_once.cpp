// SPDX-License-Identifier: GPL-3.0-or-later
// The trisomy 21 letter written into a PDF by a whole process, for hyperfine
// (see printing.sh): t21_letter_pdf_once out.pdf
// With "straight" after the file, the letter's texts in their faces are
// painted straight with QPainter: Qt's floor for that letter.
#include <QGuiApplication>
#include <QPrinter>

#include <cstring>

#include "platform/painter_report_printer.h"
#include "straight_painter.h"
#include "t21/patient_letter_printout.h"
#include "t21/risk_calculation.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "straight") == 0)) return 2;

    // A first-trimester consultation with every source of risk and a sign.
    using namespace tovimar;
    T21Screen screen = resetT21Screen({});
    enterCrl(screen.state, "62");
    screen = tickSign(std::move(screen), 1, true);
    const T21Inputs in{"37", false, "850", "62", "2,1"};
    const T21Screen result = calculateT21Risk(std::move(screen), in).screen;

    T21LetterData d = letterFromScreen(result).value();
    d.letterhead = {"Docteur",
                    "Durand",
                    "Hélène",
                    "Gynécologue obstétricien",
                    "Clinique du Parc",
                    "3, place Bellecour",
                    "",
                    "Lyon",
                    "69",
                    "04 78 11 22 33"};
    d.patientName = "Zoé Lefèvre";
    d.threshold = 250;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    if (argc == 3) {
        bench::StraightPainter page(printer);
        printT21Letter(page, d);
        return page.endDocument() ? 0 : 1;
    }
    PainterReportPrinter page(printer, [](QPrinter&) { return true; });
    printT21Letter(page, d);
    return page.endDocument() ? 0 : 1;
}
