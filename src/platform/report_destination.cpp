// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/report_destination.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/atomic_file.h"
#include "platform/messages.h"
#include "platform/painter_report_printer.h"

namespace tovimar {
namespace {

const QString kFolderKey = QStringLiteral("impression/dossier_pdf");

// Owns the PDF printer its pages are drawn on, and the file they go to: the
// pages are written beside the target and put in its place only once whole.
class PdfReportPrinter : public ReportPrinter {
  public:
    PdfReportPrinter(const QString& path, AtomicFile::Replace replace,
                     PainterReportPrinter::PrinterChoice choice)
        : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), file_(path, replace) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setDocName(QFileInfo(path).completeBaseName());
        painter_ = std::make_unique<PainterReportPrinter>(*printer_, std::move(choice));
    }
    void setCentimetreGrid(double l, double t) override { painter_->setCentimetreGrid(l, t); }
    void setFontSize(double p) override { painter_->setFontSize(p); }
    void setBold(bool on) override { painter_->setBold(on); }
    void setItalic(bool on) override { painter_->setItalic(on); }
    void setVerticalPosition(double cm) override { painter_->setVerticalPosition(cm); }
    void print(const QStringList& items, bool continueLine) override {
        painter_->print(items, continueLine);
    }
    bool choosePrinter() override { return painter_->choosePrinter(); }
    bool endDocument(QString* error) override {
        written_.clear();
        if (!file_.open()) {
            if (error) *error = file_.errorText();
            return false;
        }
        printer_->setOutputFileName(file_.temporaryPath());
        // The painter closes the file when it ends; whether it finished is
        // then checked on the file itself.
        QString painterError;
        if (!painter_->endDocument(&painterError)) file_.setWriterFailed();
        if (!file_.commit(pdfIsWhole)) {
            if (error) *error = file_.errorText();
            return false;
        }
        written_ = file_.writtenPath();
        return true;
    }
    QString writtenFile() const override { return written_; }

  private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PainterReportPrinter> painter_;
    AtomicFile file_;
    QString written_;
};

QString safeFileName(const QString& name) {
    QString out = name;
    for (QChar& c : out)
        if (c == '/' || c == '\\' || c == ':' || c.unicode() < 0x20) c = '-';
    return out;
}

} // namespace

PrinterDestination::Dialogs PrinterDestination::systemDialogs() {
    Dialogs d;
    d.printersAvailable = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    d.chooseFolder = [](const QString& start) {
        return QFileDialog::getExistingDirectory(
            nullptr, QStringLiteral("Aucune imprimante : dossier où enregistrer les pages en PDF"),
            start);
    };
    d.chooseFile = [](const QString& suggested) {
        return QFileDialog::getSaveFileName(nullptr, QStringLiteral("Enregistrer en PDF"),
                                            suggested, QStringLiteral("Document PDF (*.pdf)"));
    };
    d.choosePrinter = PainterReportPrinter::printDialogChoice();
    return d;
}

PrinterDestination::PrinterDestination(QSettings& memory, Dialogs dialogs)
    : memory_(memory), dialogs_(std::move(dialogs)) {}

PrinterDestination::~PrinterDestination() = default;

QString PrinterDestination::offeredFolder() const {
    const QString remembered = memory_.value(kFolderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    return documentsFolder();
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) return documents;
    return QDir::homePath();
}

QString PrinterDestination::pdfFolder() {
    const QString remembered = memory_.value(kFolderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    const QString chosen = dialogs_.chooseFolder(offeredFolder());
    if (!chosen.isEmpty()) memory_.setValue(kFolderKey, chosen);
    return chosen;
}

std::optional<ReportJob> PrinterDestination::namedPdfJob(const QString& fileName) {
    // The name offered is free; the dialog asks before another file is replaced.
    QString path = dialogs_.chooseFile(freeFileName(QDir(offeredFolder()).filePath(fileName)));
    if (path.isEmpty()) return std::nullopt;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    memory_.setValue(kFolderKey, QFileInfo(path).absolutePath());
    return pdfJob(path, AtomicFile::Replace::Allowed);
}

std::optional<ReportJob> PrinterDestination::pdfJob(const QString& path,
                                                    AtomicFile::Replace replace) {
    ReportJob job{std::make_unique<PdfReportPrinter>(path, replace, [](QPrinter&) { return true; }),
                  path};
    return job;
}

std::optional<ReportJob> PrinterDestination::start(PrintMode mode, const QString& documentName) {
    refusal_.clear();
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH'h'mm'm'ss"));
    const QString fileName =
        safeFileName(documentName + QStringLiteral(" ") + stamp + QStringLiteral(".pdf"));
    if (mode == PrintMode::PdfFile) return namedPdfJob(fileName);
    const bool printers = dialogs_.printersAvailable();
    // Asking to choose the printer when there is none: the choice left is the file's name.
    if (!printers && mode == PrintMode::ChoosePrinter) return namedPdfJob(fileName);
    if (!printers) {
        // Nothing composed is dropped: the page goes to a file.
        const QString folder = pdfFolder();
        if (folder.isEmpty()) {
            refusal_ =
                QStringLiteral("Aucune imprimante n'est disponible et aucun dossier n'a été choisi "
                               "pour enregistrer la page en PDF : rien n'a été imprimé.");
            return std::nullopt;
        }
        // A page never replaces another: a name already taken gets " (2)", " (3)"...
        return pdfJob(QDir(folder).filePath(fileName), AtomicFile::Replace::Never);
    }
    if (!systemPrinter_) systemPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    systemPrinter_->setDocName(documentName);
    auto choice =
        mode == PrintMode::ChoosePrinter ? dialogs_.choosePrinter : [](QPrinter&) { return true; };
    return ReportJob{std::make_unique<PainterReportPrinter>(*systemPrinter_, choice), QString()};
}

bool printReport(ReportDestination& destination, Messages& messages, PrintMode mode,
                 const QString& documentName, const std::function<void(ReportPrinter&)>& compose) {
    std::optional<ReportJob> job = destination.start(mode, documentName);
    if (!job) {
        if (const QString why = destination.lastRefusal(); !why.isEmpty()) messages.inform(why);
        return false;
    }
    compose(*job->printer);
    // A printer choice given up stops the printing silently.
    if (mode == PrintMode::ChoosePrinter && !job->printer->choosePrinter()) return false;
    QString error;
    if (!job->printer->endDocument(&error)) {
        // A PDF file's failure says its cause and what became of the file itself.
        messages.inform(job->pdfPath.isEmpty()
                            ? QStringLiteral("L'impression n'a pas pu se faire : %1").arg(error)
                            : error);
        return false;
    }
    // The file actually written: a name already taken was not used.
    const QString written =
        job->printer->writtenFile().isEmpty() ? job->pdfPath : job->printer->writtenFile();
    if (!written.isEmpty())
        messages.inform(
            QStringLiteral("La page a été enregistrée au format PDF dans le fichier :\n%1")
                .arg(QDir::toNativeSeparators(written)));
    return true;
}

} // namespace tovimar
