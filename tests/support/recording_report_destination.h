// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report destination for tests: every report goes to a recording printer
// that the destination keeps, so that the test reads it afterwards.

#include <memory>
#include <vector>

#include "platform/report_destination.h"
#include "support/recording_report_printer.h"

namespace tovimar::testing {

class RecordingReportDestination : public ReportDestination {
  public:
    std::optional<ReportJob> start(PrintMode mode, const QString& documentName) override {
        modes.push_back(mode);
        names.push_back(documentName);
        if (giveUp) return std::nullopt;
        printers.push_back(std::make_unique<RecordingReportPrinter>());
        printers.back()->setChoosePrinterResult(printerChosen);
        return ReportJob{std::make_unique<Forward>(*printers.back()), pdfPath};
    }
    QString lastRefusal() const override { return giveUp ? refusal : QString(); }
    RecordingReportPrinter& last() const { return *printers.back(); }

    // What the test answers.
    bool giveUp = false;
    QString refusal;
    bool printerChosen = true;
    QString pdfPath;

    // What happened.
    std::vector<PrintMode> modes;
    std::vector<QString> names;
    std::vector<std::unique_ptr<RecordingReportPrinter>> printers;

  private:
    class Forward : public ReportPrinter {
      public:
        explicit Forward(RecordingReportPrinter& to) : to_(to) {}
        void setCentimetreGrid(double l, double t) override { to_.setCentimetreGrid(l, t); }
        void setFontSize(double p) override { to_.setFontSize(p); }
        void setBold(bool on) override { to_.setBold(on); }
        void setItalic(bool on) override { to_.setItalic(on); }
        void setVerticalPosition(double cm) override { to_.setVerticalPosition(cm); }
        void print(const QStringList& items, bool continueLine) override {
            to_.print(items, continueLine);
        }
        bool choosePrinter() override { return to_.choosePrinter(); }
        bool endDocument(QString* error) override { return to_.endDocument(error); }

      private:
        RecordingReportPrinter& to_;
    };
};

} // namespace tovimar::testing
