// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart window's page sent out: printed, or saved as PDF or SVG, with the
// patient's name (asked once when not given yet) and the date, the file's
// default name saying whose chart it is and of which day. The dialogs are the
// window's, replaceable by tests.

#include <QString>
#include <functional>

#include "biometry/chart_page.h"

class QPrinter;
class QWidget;

namespace tovimar {

class WindowRegistry;

struct ChartDialogs {
    std::function<QString(const QString& suggestedPath, const QString& filter)> chooseSaveFile;
    std::function<bool(QPrinter&)> choosePrinter;
    std::function<bool()> printersAvailable;
};

// The system's own dialogs, over `parent`.
ChartDialogs systemChartDialogs(QWidget* parent);

// "Madame Dupont, le 10/12/2026": the patient, asked once when not named yet.
QString chartPatientLine(WindowRegistry& windows);

// Each tells the user in French what went wrong; nothing is written when the
// dialog is cancelled.
void printChart(WindowRegistry& windows, ChartPage page, const ChartDialogs& dialogs);
void saveChart(WindowRegistry& windows, ChartPage page, bool svg, const ChartDialogs& dialogs);

} // namespace tovimar
