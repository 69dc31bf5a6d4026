// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/planning_preview_window.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "dating/planning_letter.h"
#include "dating/planning_printout.h"
#include "platform/platform.h"
#include "platform/report_destination.h"
#include "platform/screen_placement.h"
#include "ui/window_registry.h"

namespace tovimar {
namespace {

// The editors hold LF; the printed texts break their lines with CR LF.
QString withCrLf(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return out;
}

QString withLf(const std::string& text) {
    QString out = QString::fromStdString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

} // namespace

PlanningPreviewWindow::PlanningPreviewWindow(WindowRegistry& windows)
    : ToolWindow(windows, "Form2", QStringLiteral("Imprime")) {
    auto* layout = new QGridLayout(this);
    auto* bar = new QMenuBar(this);
    Imprimer02 = bar->addAction(QStringLiteral("Imprimer"));
    Imprimer02->setObjectName("Imprimer02");
    Quitte = bar->addAction(QStringLiteral("Quitter"));
    Quitte->setObjectName("Quitte");
    layout->setMenuBar(bar);

    Entet = new QPlainTextEdit(this);
    Entet->setObjectName("Entet");
    Entet->setAccessibleName(QStringLiteral("En-tête"));
    QFont headerFont(QStringLiteral("DejaVu Sans"));
    headerFont.setPointSizeF(8.25);
    headerFont.setBold(true);
    Entet->setFont(headerFont);
    Entet->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Entet->setLineWrapMode(QPlainTextEdit::NoWrap);
    Entet->setFixedHeight(QFontMetrics(headerFont).lineSpacing() * 8 + 12);
    auto* caption = new QLabel(QStringLiteral("En-tête"), this);
    caption->setBuddy(Entet);

    Lettre = new QPlainTextEdit(this);
    Lettre->setObjectName("Lettre");
    Lettre->setAccessibleName(QStringLiteral("Lettre"));
    QFont letterFont(QStringLiteral("DejaVu Serif"));
    letterFont.setStyleHint(QFont::Serif);
    letterFont.setPointSizeF(12);
    Lettre->setFont(letterFont);
    Lettre->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Lettre->setLineWrapMode(QPlainTextEdit::NoWrap);

    layout->addWidget(Entet, 0, 0);
    layout->addWidget(caption, 0, 1, Qt::AlignTop);
    layout->addWidget(Lettre, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(Imprimer02, &QAction::triggered, this, &PlanningPreviewWindow::printTexts);
    connect(Quitte, &QAction::triggered, this, &QWidget::close);
    setEscapeAction(Quitte);
    resize(900, 700);
    centreOnScreen(this);
}

void PlanningPreviewWindow::setTexts(const PlanningPreview& preview) {
    Entet->setPlainText(withLf(preview.header));
    Lettre->setPlainText(withLf(preview.letter));
}

QString PlanningPreviewWindow::headerText() const {
    return withCrLf(Entet->toPlainText());
}
QString PlanningPreviewWindow::letterText() const {
    return withCrLf(Lettre->toPlainText());
}

void PlanningPreviewWindow::printTexts() {
    const QString header = headerText(), letter = letterText();
    printReport(platform().reports, platform().messages, PrintMode::ChoosePrinter,
                kPlanningDocumentName,
                [&](ReportPrinter& printer) { printPlanningPreview(printer, header, letter); });
}

} // namespace tovimar
