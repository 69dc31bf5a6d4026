// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/report_layout.h"
#include "platform/report_printer.h"

#include <QFont>

#include <functional>
#include <vector>

class QPrinter;

namespace tovimar {

// ReportPrinter drawing with QPainter on a QPrinter owned by the caller, set up either for a
// system printer or for a PDF file; create it with QPrinter::HighResolution.
//
// The calls are kept in memory and drawn only by endDocument, which opens the painter, lays the
// lines out with the device's own font metrics, draws them and closes the painter; so the
// printer choice, which may change the printer, can come after the page has been composed.
// The text is drawn in DejaVu Sans Condensed, 10 pt unless set otherwise. A line advances by
// QFontMetricsF::lineSpacing() of the font in force (height plus the font's leading). Text that
// would run past the right edge goes on at the left edge of the next line, broken between
// words; lines past the bottom go on a new page.
class PainterReportPrinter : public ReportPrinter {
  public:
    using PrinterChoice = std::function<bool(QPrinter&)>;

    static const char* const defaultFamily;

    // The printer dialog: QPrintDialog on the printer, true when accepted.
    static PrinterChoice printDialogChoice();

    explicit PainterReportPrinter(QPrinter& printer, PrinterChoice choice = printDialogChoice());

    void setCentimetreGrid(double leftCm, double topCm) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setVerticalPosition(double cm) override;
    void print(const QStringList& items = {}, bool continueLine = false) override;
    bool choosePrinter() override;
    bool endDocument(QString* error = nullptr) override;

    // The calls composing the current document.
    const std::vector<ReportOperation>& pendingOperations() const { return operations_; }

    // The font drawn for a style.
    static QFont fontFor(const TextStyle& style);

  private:
    void add(ReportOperation operation);

    QPrinter& printer_;
    PrinterChoice choice_;
    std::vector<ReportOperation> operations_;
};

} // namespace tovimar
