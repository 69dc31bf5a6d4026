// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/chart_page.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include "platform/atomic_file.h"

namespace tovimar {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QFont pageFont(double points, double toDevice, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, int(points * toDevice + 0.5)));
    f.setBold(bold);
    return f;
}

} // namespace

void paintChartPage(QPainter& p, const QRectF& page, const ChartPage& c) {
    const double pt = pointsToDevice(p);
    p.save();
    p.fillRect(page, Qt::white);
    p.setPen(Qt::black);
    double y = page.top();
    auto line = [&](const QString& text, double points, bool bold = false) {
        const QFont f = pageFont(points, pt, bold);
        p.setFont(f);
        const double h = QFontMetricsF(f).lineSpacing();
        if (!text.isEmpty())
            p.drawText(QRectF(page.left(), y, page.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                       text);
        y += h;
    };
    const PracticeOptions& h = c.letterhead;
    line(q(h.establishment), 16, true);
    line(q(h.civility) + " " + q(h.firstName) + " " + q(h.lastName), 10);
    line(q(h.speciality), 10);
    line(q(h.address1), 10);
    line(q(h.address2), 10);
    line(q(h.town) + QString(6, ' ') + q(h.department), 10);
    line(QStringLiteral("Tel :  ") + q(h.telephone), 10);
    y += 14 * pt;
    // Whose chart it is and when it was issued, above everything else of hers.
    line(c.patient, 12, true);
    y += 4 * pt;
    line(c.source.isEmpty() ? c.title : c.title + QStringLiteral(" (") + c.source + ")", 14, true);
    line(c.details, 10);
    for (const QString& scan : c.scans)
        line(scan, 9);
    y += 8 * pt;
    const double chartHeight = std::min(page.bottom() - y, page.width() * 0.75);
    paintGrowthChart(p, QRectF(page.left(), y, page.width(), std::max(0.0, chartHeight)), c.chart,
                     c.drawing);
    p.restore();
}

bool printChartPage(QPrinter& printer, const ChartPage& content, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = QStringLiteral("L'imprimante n'a pas pu être ouverte.");
        return false;
    }
    paintChartPage(
        painter,
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()),
        content);
    if (!painter.end()) {
        if (error) *error = QStringLiteral("L'impression de la courbe a échoué.");
        return false;
    }
    return true;
}

bool saveChartPdf(const QString& path, const ChartPage& content, QString* error) {
    // QPrinter writes to a file name: the temporary file beside the target,
    // put in its place once whole.
    AtomicFile file(path);
    if (file.open()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file.temporaryPath());
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        printer.setDocName(QFileInfo(path).completeBaseName());
        QString painterError;
        if (!printChartPage(printer, content, &painterError)) file.setWriterFailed();
    }
    if (file.commit(pdfIsWhole)) return true;
    if (error) *error = file.errorText();
    return false;
}

bool saveChartSvg(const QString& path, const ChartPage& content, QString* error) {
    AtomicFile file(path);
    if (file.open()) {
        // An A4 page at 90 dots per inch, in millimetres for the viewer.
        const QSize size(744, 1052);
        QSvgGenerator svg;
        svg.setOutputDevice(file.device());
        svg.setResolution(90);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(content.title);
        svg.setDescription(content.details);
        QPainter painter;
        if (painter.begin(&svg)) {
            const double margin = 20 / 25.4 * 90;
            paintChartPage(
                painter,
                QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin),
                content);
            if (!painter.end()) file.setWriterFailed();
        } else {
            file.setWriterFailed();
        }
    }
    if (file.commit(svgIsWhole)) return true;
    if (error) *error = file.errorText();
    return false;
}

} // namespace tovimar
