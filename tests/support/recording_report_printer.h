// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/report_layout.h"
#include "platform/report_printer.h"

#include <vector>

namespace tovimar {

// ReportPrinter for the tests: keeps every call in order and lays the text out into lines with
// the same line model as the real printer, on a model device:
// - the device's own unit (without a centimetre grid) is the dot of a 1200 dpi device;
// - the line height of a font is 1.2 times its size: points x 1.2 / 72 inch, that is
//   0.042333 cm (20 dots) for each point, whatever the style;
// - no page limit unless setPrintableHeightCm is given.
// The lines of a document stay readable after endDocument or a refused printer choice; the next
// composing call then starts a new document, as it does on the real printer.
class RecordingReportPrinter : public ReportPrinter {
  public:
    using Line = ReportLine;
    using Piece = TextPiece;
    using Operation = ReportOperation;

    static constexpr double modelDotsPerInch = 1200;
    // Line height of a font of that size in the model: in dots, and in centimetres.
    static double modelLineHeightDots(double points);
    static double modelLineHeightCm(double points);

    RecordingReportPrinter();

    void setCentimetreGrid(double leftCm, double topCm) override;
    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setVerticalPosition(double cm) override;
    void print(const QStringList& items = {}, bool continueLine = false) override;
    bool choosePrinter() override;
    bool endDocument(QString* error = nullptr) override;

    // What choosePrinter answers (true unless set).
    void setChoosePrinterResult(bool chosen) { chooseResult_ = chosen; }
    int choosePrinterCalls() const { return choosePrinterCalls_; }
    // Makes endDocument fail with that text (an empty text makes it succeed again).
    void setEndDocumentFailure(const QString& error) { endFailure_ = error; }
    // Height of the printable area of the model page; 0 for no page limit.
    void setPrintableHeightCm(double cm);

    const std::vector<Operation>& operations() const { return operations_; }
    QStringList lines() const;
    const std::vector<Line>& lineDetails() const { return layout_.lines(); }
    const ReportLayout& layout() const { return layout_; }
    bool ended() const { return endDocumentCalls_ > 0; }
    int endDocumentCalls() const { return endDocumentCalls_; }

  private:
    void compose(const Operation& operation);
    ReportLayout freshLayout() const;

    double printableHeightDots_ = 0; // before layout_, which is built from it
    std::vector<Operation> operations_;
    ReportLayout layout_;
    bool documentClosed_ = false;
    bool chooseResult_ = true;
    int choosePrinterCalls_ = 0;
    int endDocumentCalls_ = 0;
    QString endFailure_;
};

} // namespace tovimar
