// SPDX-License-Identifier: GPL-3.0-or-later
// Composing the pregnancy planning into a PDF, against a minimal one-page PDF
// written with QPrinter in the same run, and against the same page drawn
// straight with QPainter.
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "dating/planning_printout.h"
#include "platform/painter_report_printer.h"
#include "support/recording_report_printer.h"
#include "support/sample_planning.h"

using namespace tovimar;

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

void pdfPrinter(QPrinter& printer, const char* name) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder().filePath(name));
}

} // namespace

static void MinimalOnePagePdf(benchmark::State& state) {
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, "minimal.pdf");
        QPainter painter(&printer);
        painter.setFont(QFont(PainterReportPrinter::defaultFamily, 12));
        painter.drawText(100, 100, QStringLiteral("Madame Zoé Lefèvre,"));
        painter.end();
    }
}
BENCHMARK(MinimalOnePagePdf)->Unit(benchmark::kMillisecond);

static void PlanningPagePdf(benchmark::State& state) {
    const PlanningData data = tovimar::testing::sampleSchedule();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, "planning.pdf");
        PainterReportPrinter page(printer, [](QPrinter&) { return true; });
        IMPRIME(page, data);
        if (!page.endDocument()) state.SkipWithError("PDF not written");
    }
}
BENCHMARK(PlanningPagePdf)->Unit(benchmark::kMillisecond);

// The same lines in the same faces, drawn straight with QPainter: what Qt
// itself costs for this page, to set our report printer's share apart.
static void SamePageWithQPainter(benchmark::State& state) {
    RecordingReportPrinter composed;
    IMPRIME(composed, tovimar::testing::sampleSchedule());
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, "direct.pdf");
        QPainter painter(&printer);
        double y = 0;
        for (const ReportLine& line : composed.lineDetails()) {
            double x = 0;
            for (const TextPiece& piece : line.pieces) {
                const QFont font = PainterReportPrinter::fontFor(piece.style);
                painter.setFont(font);
                painter.drawText(QPointF(x, y + 200), piece.text);
                x += QFontMetricsF(font, &printer).horizontalAdvance(piece.text);
            }
            y += 60;
        }
        painter.end();
    }
}
BENCHMARK(SamePageWithQPainter)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
