// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floor of a printout's cost in Qt: a ReportPrinter that paints each
// text straight with QPainter in the printouts' faces, one line a print, with
// no layout of ours (no grid, no breaking, no page). The same texts in the
// same faces embed the same glyphs, which is where Qt's PDF engine spends.

#include <QPainter>
#include <QPrinter>

#include "platform/painter_report_printer.h"
#include "platform/report_printer.h"

namespace tovimar::bench {

class StraightPainter : public ReportPrinter {
  public:
    explicit StraightPainter(QPrinter& printer) : painter_(&printer) {}

    void setCentimetreGrid(double, double) override {}
    void setFontSize(double points) override { style_.points = points; }
    void setBold(bool on) override { style_.bold = on; }
    void setItalic(bool on) override { style_.italic = on; }
    void setVerticalPosition(double) override {}
    void print(const QStringList& items, bool) override {
        painter_.setFont(PainterReportPrinter::fontFor(style_));
        y_ += painter_.fontMetrics().height();
        painter_.drawText(100, y_, items.join(QString()));
    }
    bool choosePrinter() override { return true; }
    bool endDocument(QString* = nullptr) override { return painter_.end(); }

  private:
    QPainter painter_;
    TextStyle style_;
    int y_ = 0;
};

} // namespace tovimar::bench
