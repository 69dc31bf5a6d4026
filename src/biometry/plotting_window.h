// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form7, "Courbes biometriques" opened from the biometry window: each measure
// button shows its growth chart and places a cross at the patient's point
// (the age of the pregnancy, the value typed in the biometry window), with the
// value, the week and the band beside it. The chart shown, with its point,
// can be printed or saved as PDF or SVG under the letterhead.

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "biometry/biometry_measures.h"
#include "biometry/chart_output.h"
#include "biometry/scan_series.h"
#include "biometry/scan_table.h"
#include "ui/results_text.h"
#include "ui/tool_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace tovimar {

class GrowthChartWidget;
class IllustrationWidget;
struct ChartPage;

class PlottingWindow : public ToolWindow {
    Q_OBJECT
  public:
    explicit PlottingWindow(WindowRegistry& windows);

    // Opened by "Courbes" of the biometry window, on its age.
    void openFromBiometry(const QString& weeks);
    // The biometry window's age went beyond 41 weeks.
    void clearWeek();
    // Presses the button of a measure.
    void showMeasure(Measure m);

    // The chart shown, or nothing.
    GrowthChartWidget* shownChart() const;
    // The earlier scans of the measure shown with today's measurement, placed.
    const ScanSeries& series() const { return series_; }
    // Where the cross stands: its centre, in the chart's coordinates.
    QPointF crossCentre() const;

    // The dialogs of the printing and saving, replaceable by tests.
    std::function<QString(const QString& suggestedPath, const QString& filter)> chooseSaveFile;
    std::function<bool(QPrinter&)> choosePrinter;
    std::function<bool()> printersAvailable;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // "Copier les résultats": the inputs as typed and the results as shown.
    ResultsText resultsText() const;
    QLabel *chartTitle, *chartSource, *chartsNotice;
    IllustrationWidget* measurePicture;
    QWidget* patientCross;
    QLabel *measuredValue, *pointWeek, *pointCentile, *outsideChartsNote;
    QGroupBox* weekPanel;
    QLineEdit* weekField;
    QPushButton *printButton, *pdfButton, *svgButton, *quitButton;
    // The earlier scans of the measure shown (date, value in mm), kept in
    // memory only; beside them each point with its band, and what cannot be placed.
    ScanTable* scanTable;
    void build();
    void weekChanged();
    // The whole weeks typed (the week's field rounded), when it holds a number.
    std::optional<int> typedWeeks() const;
    // Places the cross and its labels on the chart shown, or hides them.
    void placePoint();
    void hidePoint();
    std::optional<ChartPage> currentPage() const;
    ChartDialogs dialogs() const { return {chooseSaveFile, choosePrinter, printersAvailable}; }

    std::array<GrowthChartWidget*, 7> charts_{};
    QWidget* chartArea_ = nullptr;
    std::optional<Measure> shown_;
    // The point plotted: whole week and millimetres as the band lookup reads them.
    std::optional<std::pair<double, double>> point_;
    QString measuredOn_; // the scan day the point was measured, when the biometry window gave one
    void scanEdited();
    void scansChanged(Measure m);
    void showSeries();
    // Today's measurement as the biometry window held it at the last press.
    TodaysMeasurement todays_;
    ScanSeries series_;
};

} // namespace tovimar
