// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/painter_report_printer.h"

#include <QDialog>
#include <QDir>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QPrintDialog>
#include <QPrinter>

#include <deque>
#include <utility>

namespace tovimar {

namespace {

constexpr double cmPerInch = 2.54;

// The font and metrics of each style a document uses, made once: making them
// resolves the font anew, and the layout measures many times per line.
class StyleFonts {
  public:
    struct Font {
        TextStyle style;
        QFont font;
        QFontMetricsF metrics;
        // The texts measured, each measured once: the layout measures a
        // piece to place it, and the painting again to move past it.
        mutable QHash<QString, double> widths;
        double width(const QString& text) const {
            const auto known = widths.constFind(text);
            if (known != widths.constEnd()) return *known;
            const double measured = metrics.horizontalAdvance(text);
            widths.insert(text, measured);
            return measured;
        }
    };
    explicit StyleFonts(QPaintDevice& device) : device_(device) {}
    const Font& operator()(const TextStyle& style) {
        for (const Font& known : fonts_)
            if (known.style == style) return known;
        QFont font = PainterReportPrinter::fontFor(style);
        const QFontMetricsF metrics(font, &device_);
        fonts_.push_back({style, std::move(font), metrics, {}});
        return fonts_.back();
    }

  private:
    QPaintDevice& device_;
    std::deque<Font> fonts_; // a deque: the references given stay valid
};

QString beginFailure(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return QStringLiteral(u"Aucune imprimante n'est disponible.");
        return QStringLiteral(u"Impossible d'écrire le fichier « %1 ».")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    if (printer.printerName().isEmpty())
        return QStringLiteral(u"Aucune imprimante n'est disponible.");
    return QStringLiteral(u"Impossible d'imprimer sur l'imprimante « %1 ».")
        .arg(printer.printerName());
}

} // namespace

// Condensed, so that a 12-point line of the letters fits between the margins.
const char* const PainterReportPrinter::defaultFamily = "DejaVu Sans Condensed";

PainterReportPrinter::PrinterChoice PainterReportPrinter::printDialogChoice() {
    return [](QPrinter& printer) {
        QPrintDialog dialog(&printer);
        return dialog.exec() == QDialog::Accepted;
    };
}

PainterReportPrinter::PainterReportPrinter(QPrinter& printer, PrinterChoice choice)
    : printer_(printer), choice_(std::move(choice)) {}

QFont PainterReportPrinter::fontFor(const TextStyle& style) {
    QFont font(QString::fromLatin1(defaultFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    // Hinting fits glyphs to screen pixels; on paper and in PDF it only costs time.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void PainterReportPrinter::add(ReportOperation operation) {
    operations_.push_back(std::move(operation));
}

void PainterReportPrinter::setCentimetreGrid(double leftCm, double topCm) {
    add({ReportOperation::Kind::CentimetreGrid, leftCm, topCm, false, {}});
}

void PainterReportPrinter::setFontSize(double points) {
    add({ReportOperation::Kind::FontSize, points, 0, false, {}});
}

void PainterReportPrinter::setBold(bool on) {
    add({ReportOperation::Kind::Bold, 0, 0, on, {}});
}

void PainterReportPrinter::setItalic(bool on) {
    add({ReportOperation::Kind::Italic, 0, 0, on, {}});
}

void PainterReportPrinter::setVerticalPosition(double cm) {
    add({ReportOperation::Kind::VerticalPosition, cm, 0, false, {}});
}

void PainterReportPrinter::print(const QStringList& items, bool continueLine) {
    add({ReportOperation::Kind::Print, 0, 0, continueLine, items});
}

bool PainterReportPrinter::choosePrinter() {
    const bool chosen = choice_ && choice_(printer_);
    // The caller stops without ending the document: drop it, so that it does not come out
    // at the head of the next report.
    if (!chosen) operations_.clear();
    return chosen;
}

bool PainterReportPrinter::endDocument(QString* error) {
    // Whatever comes of it, the next composition starts a new document.
    const std::vector<ReportOperation> operations = std::exchange(operations_, {});
    const auto fail = [error](const QString& text) {
        if (error) *error = text;
        return false;
    };

    QPainter painter;
    if (!painter.begin(&printer_)) return fail(beginFailure(printer_));

    const double dpiX = printer_.logicalDpiX();
    const double dpiY = printer_.logicalDpiY();
    StyleFonts fonts(printer_);
    DeviceMetrics metrics;
    metrics.dotsPerInch = dpiY;
    metrics.printableHeight = printer_.height();
    metrics.lineHeight = [&fonts](const TextStyle& style) {
        return fonts(style).metrics.lineSpacing();
    };
    // A line longer than the page goes on below, within the margins, instead of being cut.
    metrics.printableWidth = printer_.width();
    metrics.textWidth = [&fonts](const TextStyle& style, const QString& text) {
        return fonts(style).width(text);
    };
    ReportLayout layout(std::move(metrics));
    for (const ReportOperation& operation : operations)
        layout.apply(operation);

    int page = 0;
    double x = 0;
    for (const ReportLine& line : layout.lines()) {
        for (; page < line.page; ++page)
            printer_.newPage();
        const PageGrid& grid = line.grid;
        const double unitY = grid.centimetres ? dpiY / cmPerInch : 1.0;
        const double left = grid.centimetres ? grid.leftCm * dpiX / cmPerInch : 0.0;
        const double top =
            (grid.centimetres ? grid.topCm * dpiY / cmPerInch : 0.0) + line.top * unitY;
        if (!line.continuesPrevious) x = left;
        for (const TextPiece& piece : line.pieces) {
            const StyleFonts::Font& font = fonts(piece.style);
            painter.setFont(font.font);
            painter.drawText(QPointF(x, top + font.metrics.ascent()), piece.text);
            x += font.width(piece.text);
        }
    }

    if (!painter.end() || printer_.printerState() == QPrinter::Error)
        return fail(QStringLiteral(u"L'impression n'a pas pu être achevée."));
    return true;
}

} // namespace tovimar
