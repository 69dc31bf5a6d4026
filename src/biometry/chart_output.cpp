// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/chart_output.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "ui/window_registry.h"

namespace tovimar {

ChartDialogs systemChartDialogs(QWidget* parent) {
    ChartDialogs d;
    d.chooseSaveFile = [parent](const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer la courbe"),
                                            suggested, filter);
    };
    d.choosePrinter = [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    d.printersAvailable = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    return d;
}

QString chartPatientLine(WindowRegistry& windows) {
    Platform& platform = windows.platform();
    const QString name = windows.patient().nameForPrintout(platform.prompt);
    const QString day = QString::fromStdString(platform.clock.today().toText());
    if (name.isEmpty()) return QStringLiteral("Le ") + day;
    return windows.patient().civility() + " " + name + QStringLiteral(", le ") + day;
}

void printChart(WindowRegistry& windows, ChartPage page, const ChartDialogs& dialogs) {
    Platform& platform = windows.platform();
    if (!dialogs.printersAvailable()) {
        platform.messages.inform(QStringLiteral(
            "Aucune imprimante n'est installée : enregistrez la courbe en PDF pour l'imprimer "
            "ailleurs."));
        return;
    }
    page.patient = chartPatientLine(windows);
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.choosePrinter(printer)) return;
    QString error;
    if (!printChartPage(printer, page, &error)) platform.messages.inform(error);
}

void saveChart(WindowRegistry& windows, ChartPage page, bool svg, const ChartDialogs& dialogs) {
    Platform& platform = windows.platform();
    page.patient = chartPatientLine(windows);
    // The dialog opens on a folder that exists, as for the printed pages; the
    // name says whose chart it is and of which day.
    const QString folder = documentsFolder();
    const QString suggested = QDir(folder).filePath(patientFileName(
        QStringLiteral("Courbe ") + page.title, windows.patient().name(), platform.clock.today(),
        svg ? QStringLiteral("svg") : QStringLiteral("pdf")));
    const QString path =
        dialogs.chooseSaveFile(suggested, svg ? QStringLiteral("Image SVG (*.svg)")
                                              : QStringLiteral("Document PDF (*.pdf)"));
    if (path.isEmpty()) return; // cancelled
    QString error;
    const bool saved = svg ? saveChartSvg(path, page, &error) : saveChartPdf(path, page, &error);
    if (!saved) platform.messages.inform(error);
}

} // namespace tovimar
