// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a growth chart, vector and antialiased, at any size on any paint
// device: the screen, a printer or PDF, an SVG file. Pen widths and fonts are
// in points of the device, so the chart reads the same at every size.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

#include "biometry/growth_chart.h"

class QPainter;

namespace tovimar {

// The patient's point, with the texts written beside it.
struct ChartPoint {
    double week = 0;
    double mm = 0;
    QString valueText; // the value as typed
    QString weekText;  // "22 Sem. A."
    QString bandText;  // the band caption
};

// An earlier scan of the same measure, marked on the chart with its date.
struct ChartScan {
    double week = 0; // weeks of amenorrhoea with their days
    double mm = 0;
    QString dateText; // "07/05/2010"
};

struct ChartDrawing {
    bool weekLabels = true;    // the week numbers under the axis
    bool axisCaptions = true;  // "mm." and "Semaines d'amenorrhée"
    double roomBelowLines = 0; // free lines under the axis, for the window's own labels
    std::optional<ChartPoint> point;
    // Earlier scans in date order: dots marked with their dates, joined by a
    // line that ends at the patient's point when there is one.
    std::vector<ChartScan> scans;
};

// Where the chart puts weeks and millimetres inside an area of a device.
class ChartMapping {
  public:
    // `pointsToDevice`: device units per typographic point (logical DPI / 72).
    ChartMapping(const GrowthChart& chart, const QRectF& area, double pointsToDevice,
                 const ChartDrawing& drawing);

    QRectF plotArea() const { return plot_; }
    QPointF toDevice(double week, double mm) const;
    // The point itself when it lies on the chart; else the nearest point of the plot's edge.
    QPointF clampedToPlot(double week, double mm) const;
    bool insidePlot(double week, double mm) const;

  private:
    QRectF plot_;
    double firstWeek_, lastWeek_, valueMax_;
};

// Paints the chart into `area` (a white background, the grid, the axes and
// their labels, the curves and their legend at the right-hand end) and, when
// given, the patient's point: a cross at (week, value), clipped to the edge
// with "hors courbes" when the point lies beyond the axes.
void paintGrowthChart(QPainter& painter, const QRectF& area, const GrowthChart& chart,
                      const ChartDrawing& drawing);

// The place nearest the point `at`, but `gap` away from it at least, for a
// block of text of `size` inside the plot and clear of the band the curves
// draw (from the lowest curve to the highest, their lines included). Nullopt
// when the plot has no such room.
std::optional<QRectF> clearPlaceBeside(const GrowthChart& chart, const ChartMapping& map,
                                       QPointF at, QSizeF size, double gap);

// Device units per point for the painter's device.
double pointsToDevice(const QPainter& painter);

inline const QString kOutsideChartNote = QStringLiteral("hors courbes");

} // namespace tovimar
