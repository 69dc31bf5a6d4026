// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The earlier scans of a pregnancy on its growth charts, as both chart windows
// (the plotting window and the chart viewer) take them: the rows typed for
// each measure, kept in memory for the consultation by the window registry
// (both windows show the same rows; "Nouvelle patiente" forgets them), and
// the small table where they are typed, with each point of the chart and its
// band listed beside it and the rows that cannot be placed.

#include <QObject>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "biometry/biometry_measures.h"
#include "biometry/growth_chart_painter.h"
#include "biometry/scan_series.h"
#include "ui/results_text.h"

class QLabel;
class QTableWidget;

namespace tovimar {

struct TodaysExamination;
class WindowRegistry;

// The rows as kept: without the empty rows at the end of the table.
std::vector<ScanRow> withoutTrailingBlankRows(std::vector<ScanRow> rows);

// The rows typed for each measure, in memory only.
class ScanStore : public QObject {
    Q_OBJECT
  public:
    const std::vector<ScanRow>& rows(Measure m) const;
    // Trailing empty rows are not kept; `changed` tells when the rows differ.
    void setRows(Measure m, std::vector<ScanRow> rows);

  signals:
    void changed(tovimar::Measure m);

  private:
    std::array<std::vector<ScanRow>, kMeasuresOnScreen.size()> rows_; // by Measure
};

// The consultation's earlier scans, in memory only, whichever chart window is
// open or closed; "Nouvelle patiente" forgets them with the windows.
ScanStore& consultationScans(WindowRegistry& windows);

// Today's measurement as the biometry window shows it when a chart button is
// pressed: the start of pregnancy, the measure's value, its scan day and the
// age in whole weeks the window shows.
struct TodaysMeasurement {
    std::optional<VbDate> start;
    std::optional<std::string> value; // when the field holds a number
    std::optional<VbDate> measuredOn;
    std::optional<int> weeks;
};
TodaysMeasurement todaysMeasurement(const TodaysExamination& today, Measure m);

class ScanTable : public QWidget {
    Q_OBJECT
  public:
    explicit ScanTable(QWidget* parent = nullptr);

    // Shows these rows in the table, without `edited`.
    void setRows(const std::vector<ScanRow>& rows);
    // The rows as typed (blanks around each text dropped).
    std::vector<ScanRow> rows() const;

    // Lists the series' points with their bands (once it has an earlier scan:
    // today's point alone is the chart's cross) and the rows not placed; the
    // earlier scans to draw, in date order.
    std::vector<ChartScan> showSeries(const ScanSeries& series);
    // The lines listed, for the printed page; empty without an earlier scan.
    QStringList listed() const;
    // The table, where Tab enters the scans.
    QWidget* tableForTab() const;
    // "Copier les résultats": the series' lines and the rows not placed, as shown.
    void copySeriesInto(ResultsText& text) const;

  signals:
    void edited();

  private:
    // Named as the windows name them.
    QTableWidget* entries;
    QLabel *seriesPoints, *unplacedScans;
    bool filling_ = false;
};

} // namespace tovimar
