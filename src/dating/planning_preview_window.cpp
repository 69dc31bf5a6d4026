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
    printAction = bar->addAction(QStringLiteral("Imprimer"));
    printAction->setObjectName("Imprimer02");
    quitAction = bar->addAction(QStringLiteral("Quitter"));
    quitAction->setObjectName("Quitte");
    layout->setMenuBar(bar);

    headerEditor = new QPlainTextEdit(this);
    headerEditor->setObjectName("Entet");
    headerEditor->setAccessibleName(QStringLiteral("En-tête"));
    QFont headerFont(QStringLiteral("DejaVu Sans"));
    headerFont.setPointSizeF(8.25);
    headerFont.setBold(true);
    headerEditor->setFont(headerFont);
    headerEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    headerEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    headerEditor->setFixedHeight(QFontMetrics(headerFont).lineSpacing() * 8 + 12);
    auto* caption = new QLabel(QStringLiteral("En-tête"), this);
    caption->setBuddy(headerEditor);

    letterEditor = new QPlainTextEdit(this);
    letterEditor->setObjectName("Lettre");
    letterEditor->setAccessibleName(QStringLiteral("Lettre"));
    QFont letterFont(QStringLiteral("DejaVu Serif"));
    letterFont.setStyleHint(QFont::Serif);
    letterFont.setPointSizeF(12);
    letterEditor->setFont(letterFont);
    letterEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    letterEditor->setLineWrapMode(QPlainTextEdit::NoWrap);

    layout->addWidget(headerEditor, 0, 0);
    layout->addWidget(caption, 0, 1, Qt::AlignTop);
    layout->addWidget(letterEditor, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(printAction, &QAction::triggered, this, &PlanningPreviewWindow::printTexts);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    setEscapeAction(quitAction);
    resize(900, 700);
    centreOnScreen(this);
}

void PlanningPreviewWindow::setTexts(const PlanningPreview& preview) {
    headerEditor->setPlainText(withLf(preview.header));
    letterEditor->setPlainText(withLf(preview.letter));
}

QString PlanningPreviewWindow::headerText() const {
    return withCrLf(headerEditor->toPlainText());
}
QString PlanningPreviewWindow::letterText() const {
    return withCrLf(letterEditor->toPlainText());
}

void PlanningPreviewWindow::printTexts() {
    const QString header = headerText(), letter = letterText();
    printReport(platform().reports, platform().messages, PrintMode::ChoosePrinter,
                kPlanningDocumentName,
                [&](ReportPrinter& printer) { printPlanningPreview(printer, header, letter); });
}

} // namespace tovimar
