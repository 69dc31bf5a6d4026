// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A growth chart on a page of its own, under the practitioner's letterhead,
// with the measure, the value, the week and the date: for a printer, a PDF
// file or an SVG file.

#include <QString>
#include <QStringList>

#include "biometry/growth_chart_painter.h"
#include "utilities/practice_options.h"

class QPainter;
class QPrinter;

namespace tovimar {

struct ChartPage {
    PracticeOptions letterhead;
    QString title;     // the measure's name: "Diamètre Bipariétal"
    QString source;    // "Courbe CFEF", or empty
    QString details;   // "Valeur : 53 mm à 22 Sem. A. (...), le 10/12/2026"
    QString patient;   // whose and when: "Madame Dupont, le 10/12/2026"
    QStringList scans; // the scans listed with their bands, one a line, in date order
    GrowthChart chart;
    ChartDrawing drawing;
};

// Paints the page into `page` (device units).
void paintChartPage(QPainter& painter, const QRectF& page, const ChartPage& content);

// Prints the page on a printer already set up (a system printer or a PDF
// file); false with a French reason when the printer cannot be opened.
bool printChartPage(QPrinter& printer, const ChartPage& content, QString* error);

// Writes the page as a PDF or an SVG file, whole or not at all: the file is
// written beside the target and put in place only once complete.
bool saveChartPdf(const QString& path, const ChartPage& content, QString* error);
bool saveChartSvg(const QString& path, const ChartPage& content, QString* error);

} // namespace tovimar
