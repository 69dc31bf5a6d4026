// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_report_printer.h"

namespace tovimar {

namespace {
constexpr double cmPerInch = 2.54;
constexpr double pointsPerInch = 72;
constexpr double lineHeightPerPoint = 1.2;
} // namespace

double RecordingReportPrinter::modelLineHeightDots(double points) {
    return points * lineHeightPerPoint * modelDotsPerInch / pointsPerInch;
}

double RecordingReportPrinter::modelLineHeightCm(double points) {
    return points * lineHeightPerPoint * cmPerInch / pointsPerInch;
}

RecordingReportPrinter::RecordingReportPrinter() : layout_(freshLayout()) {}

ReportLayout RecordingReportPrinter::freshLayout() const {
    DeviceMetrics metrics;
    metrics.dotsPerInch = modelDotsPerInch;
    metrics.printableHeight = printableHeightDots_;
    metrics.lineHeight = [](const TextStyle& style) { return modelLineHeightDots(style.points); };
    return ReportLayout(std::move(metrics));
}

void RecordingReportPrinter::setPrintableHeightCm(double cm) {
    printableHeightDots_ = cm > 0 ? cm * modelDotsPerInch / cmPerInch : 0;
    layout_.setPrintableHeight(printableHeightDots_);
}

void RecordingReportPrinter::compose(const Operation& operation) {
    if (documentClosed_) {
        layout_ = freshLayout();
        documentClosed_ = false;
    }
    operations_.push_back(operation);
    layout_.apply(operation);
}

void RecordingReportPrinter::setCentimetreGrid(double leftCm, double topCm) {
    compose({Operation::Kind::CentimetreGrid, leftCm, topCm, false, {}});
}

void RecordingReportPrinter::setFontSize(double points) {
    compose({Operation::Kind::FontSize, points, 0, false, {}});
}

void RecordingReportPrinter::setBold(bool on) {
    compose({Operation::Kind::Bold, 0, 0, on, {}});
}

void RecordingReportPrinter::setItalic(bool on) {
    compose({Operation::Kind::Italic, 0, 0, on, {}});
}

void RecordingReportPrinter::setVerticalPosition(double cm) {
    compose({Operation::Kind::VerticalPosition, cm, 0, false, {}});
}

void RecordingReportPrinter::print(const QStringList& items, bool continueLine) {
    compose({Operation::Kind::Print, 0, 0, continueLine, items});
}

bool RecordingReportPrinter::choosePrinter() {
    ++choosePrinterCalls_;
    operations_.push_back({Operation::Kind::ChoosePrinter, 0, 0, chooseResult_, {}});
    if (!chooseResult_) documentClosed_ = true;
    return chooseResult_;
}

bool RecordingReportPrinter::endDocument(QString* error) {
    ++endDocumentCalls_;
    const bool ok = endFailure_.isEmpty();
    operations_.push_back({Operation::Kind::EndDocument, 0, 0, ok, {}});
    documentClosed_ = true;
    if (!ok && error) *error = endFailure_;
    return ok;
}

QStringList RecordingReportPrinter::lines() const {
    QStringList texts;
    for (const Line& line : layout_.lines())
        texts.append(line.text());
    return texts;
}

} // namespace tovimar
