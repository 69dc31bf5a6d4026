// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form4, "Courbes biometriques" opened from the main window's menu: each
// growth chart with its axes' captions, its source and an illustration of how
// the measure is taken; with the earlier scans of the pregnancy typed for the
// measure (shared with the plotting window) and today's measurement from the
// biometry window, each placed at its own age, listed with its band, and
// printed or saved with the chart.

#include <array>
#include <optional>

#include "biometry/biometry_measures.h"
#include "biometry/chart_output.h"
#include "biometry/scan_series.h"
#include "biometry/scan_table.h"
#include "ui/tool_window.h"

class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace tovimar {

class GrowthChartWidget;
class IllustrationWidget;

class ChartViewerWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit ChartViewerWindow(WindowRegistry& windows);

    // What the measure's button (and its menu entry) does: shows that chart.
    void showMeasure(Measure m);
    GrowthChartWidget* shownChart() const;
    // The earlier scans of the measure shown with today's measurement, placed.
    const ScanSeries& series() const { return series_; }

    // The dialogs of the printing and saving, replaceable by tests.
    ChartDialogs dialogs;

  private:
    QLabel *chartTitle, *chartSource, *millimetreAxisCaption, *weekAxisCaption;
    IllustrationWidget* measurePicture;
    QPushButton* quitButton;
    // The earlier scans (as in the plotting window), and the chart sent out.
    ScanTable* scanTable;
    QPushButton *printButton, *pdfButton, *svgButton;
    void scanEdited();
    void scansChanged(Measure m);
    void showSeries();
    ChartPage currentPage() const;

    std::array<GrowthChartWidget*, 7> charts_{};
    std::optional<Measure> shown_;
    // Today's measurement as the biometry window held it at the last press.
    TodaysMeasurement todays_;
    ScanSeries series_;
};

} // namespace tovimar
