// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A growth chart on screen: drawn by the program at the widget's size, so it
// stays sharp when the window is resized and on high-density screens.

#include <QWidget>

#include "biometry/growth_chart.h"
#include "biometry/growth_chart_painter.h"

class QSvgRenderer;

namespace tovimar {

class GrowthChartWidget : public QWidget {
    Q_OBJECT
  public:
    GrowthChartWidget(Measure m, ChartDrawing drawing, QWidget* parent = nullptr);

    Measure measure() const { return chart_.measure; }
    const GrowthChart& chart() const { return chart_; }
    // Where weeks and millimetres fall on the widget as it is now.
    ChartMapping mapping() const;
    // The earlier scans drawn on the chart.
    void setScans(std::vector<ChartScan> scans);
    const std::vector<ChartScan>& scans() const { return drawing_.scans; }
    // Today's point, drawn as a cross with its texts beside it.
    void setPoint(std::optional<ChartPoint> point);
    const std::optional<ChartPoint>& point() const { return drawing_.point; }

    QSize sizeHint() const override { return {620, 430}; }
    QSize minimumSizeHint() const override { return {320, 230}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    GrowthChart chart_;
    ChartDrawing drawing_;
};

// One of our SVG illustrations, drawn at the widget's size, proportions kept.
class IllustrationWidget : public QWidget {
    Q_OBJECT
  public:
    explicit IllustrationWidget(QWidget* parent = nullptr);
    void setIllustration(const QString& resourcePath);
    QString illustration() const { return path_; }
    QSize sizeHint() const override { return {200, 150}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer* renderer_;
    QString path_;
};

} // namespace tovimar
