// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a printed report goes: the system's printers, or a PDF file. When no
// printer is available the page is not lost: it goes to a PDF file in a
// folder the user chooses once (remembered), and the user is told where; when
// the user asked to choose the printer, the file's name is asked every time.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/report_printer.h"

class QPrinter;
class QSettings;

namespace tovimar {

enum class PrintMode {
    CurrentPrinter, // print at once on the current printer
    ChoosePrinter,  // the printer choice comes after the page is composed
    PdfFile,        // into a PDF file the user names
};

struct ReportJob {
    std::unique_ptr<ReportPrinter> printer;
    QString pdfPath; // not empty when the page goes to this PDF file
};

class ReportDestination {
  public:
    virtual ~ReportDestination() = default;
    // A printer for one report; nullopt when the user gave up (no file or folder chosen).
    // `documentName` names the PDF file ("Planning de grossesse").
    virtual std::optional<ReportJob> start(PrintMode mode, const QString& documentName) = 0;
    // After a failed start: why, in French, to show the user (empty when the user just cancelled).
    virtual QString lastRefusal() const { return {}; }
};

// The real destinations. The dialogs are functions, so that tests can answer them.
class PrinterDestination : public ReportDestination {
  public:
    struct Dialogs {
        std::function<bool()> printersAvailable;
        std::function<QString(const QString& startFolder)> chooseFolder; // empty: cancelled
        std::function<QString(const QString& suggestedPath)> chooseFile; // empty: cancelled
        std::function<bool(QPrinter&)> choosePrinter;
    };
    static Dialogs systemDialogs();

    // `memory` keeps the chosen PDF folder between sessions.
    PrinterDestination(QSettings& memory, Dialogs dialogs = systemDialogs());
    ~PrinterDestination() override;

    std::optional<ReportJob> start(PrintMode mode, const QString& documentName) override;
    QString lastRefusal() const override { return refusal_; }

  private:
    std::optional<ReportJob> pdfJob(const QString& path, AtomicFile::Replace replace);
    // A PDF file whose name the user gives, offered in the remembered folder.
    std::optional<ReportJob> namedPdfJob(const QString& fileName);
    QString pdfFolder();
    // The folder the dialogs open on: the remembered one, else one that exists.
    QString offeredFolder() const;

    QSettings& memory_;
    Dialogs dialogs_;
    std::unique_ptr<QPrinter> systemPrinter_; // one printer for the whole program
    QString refusal_;
};

// A folder that exists for a file dialog to open on: the user's documents
// folder (made if missing), else the home folder.
QString documentsFolder();

// Runs a report through a destination: asks for a job, composes, offers the
// printer choice when asked, ends the document and tells the user where a
// PDF went or why nothing was printed. False when nothing was printed.
class Messages;
bool printReport(ReportDestination& destination, Messages& messages, PrintMode mode,
                 const QString& documentName, const std::function<void(ReportPrinter&)>& compose);

} // namespace tovimar
