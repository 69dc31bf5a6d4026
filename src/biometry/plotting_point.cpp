// SPDX-License-Identifier: GPL-3.0-or-later
// Where the patient's cross, its week, value, band and note stand on the chart
// shown: beside the cross where the curves leave room, always inside the plot.
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <vector>

#include "biometry/growth_chart_widget.h"
#include "biometry/plotting_window.h"

namespace tovimar {

void PlottingWindow::placePoint() {
    GrowthChartWidget* chart = shownChart();
    if (!chart) {
        for (QWidget* w : std::initializer_list<QWidget*>{patientCross, measuredValue,
                                                          outsideChartsNote, pointWeek})
            w->hide();
        return;
    }
    const ChartMapping map = chart->mapping();
    const QRectF plot = map.plotArea();

    // Labels stay inside the plot, clear of the axes' labels.
    auto keepInside = [&](QLabel* label, QPointF topLeft) {
        label->adjustSize();
        const double x = std::clamp(topLeft.x(), plot.left() + 2,
                                    std::max(plot.left() + 2, plot.right() - label->width() - 2));
        const double y = std::clamp(topLeft.y(), plot.top() + 2,
                                    std::max(plot.top() + 2, plot.bottom() - label->height() - 2));
        label->move(int(x), int(y));
        label->show();
        label->raise();
    };

    // The week, under the axis at its abscissa.
    const auto weeks = typedWeeks();
    if (weeks) {
        const double week = point_ ? point_->first : double(*weeks);
        const double x = map.clampedToPlot(week, 0).x();
        pointWeek->adjustSize();
        pointWeek->move(
            int(std::clamp(x - pointWeek->width() / 2.0, plot.left(),
                           std::max(plot.left(), plot.right() - pointWeek->width()))),
            // Between the week labels and the axis caption, in the room kept for it.
            int(plot.bottom() + (chart->height() - plot.bottom()) / 2 - pointWeek->height() / 2.0));
        pointWeek->show();
        pointWeek->raise();
    } else {
        pointWeek->hide();
    }

    if (!point_) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{patientCross, measuredValue, outsideChartsNote})
            w->hide();
        if (!pointCentile->isHidden()) keepInside(pointCentile, plot.topLeft() + QPointF(8, 8));
        return;
    }
    const auto [week, mm] = *point_;
    const bool inside = map.insidePlot(week, mm);
    const QPointF at = map.clampedToPlot(week, mm);
    patientCross->move(int(std::lround(at.x() - patientCross->width() / 2.0)),
                       int(std::lround(at.y() - patientCross->height() / 2.0)));
    patientCross->show();
    patientCross->raise();

    // The value, the band and the note on the side of the cross with room.
    measuredValue->adjustSize();
    pointCentile->adjustSize();
    outsideChartsNote->adjustSize();
    const int widest =
        std::max({measuredValue->width(), pointCentile->isHidden() ? 0 : pointCentile->width(),
                  inside ? 0 : outsideChartsNote->width()});
    // Together, clear of the curves, where there is room beside the cross.
    std::vector<QLabel*> block{measuredValue};
    if (!pointCentile->isHidden()) block.push_back(pointCentile);
    if (!inside) block.push_back(outsideChartsNote);
    int blockHeight = 0;
    for (QLabel* label : block)
        blockHeight += label->height() + 2;
    if (const auto place =
            clearPlaceBeside(chart->chart(), map, at, QSizeF(widest, blockHeight), 12)) {
        double y = place->top();
        for (QLabel* label : block) {
            label->move(int(place->left()), int(y));
            label->show();
            label->raise();
            y += label->height() + 2;
        }
        if (inside) outsideChartsNote->hide();
        return;
    }
    const bool toLeft = at.x() + 14 + widest > plot.right();
    auto besideX = [&](QLabel* label) {
        return toLeft ? at.x() - 12 - label->width() : at.x() + 12;
    };
    keepInside(measuredValue,
               QPointF(besideX(measuredValue), at.y() - measuredValue->height() / 2.0));
    double below = measuredValue->geometry().bottom() + 2;
    if (!pointCentile->isHidden()) {
        keepInside(pointCentile, QPointF(besideX(pointCentile), below));
        below = pointCentile->geometry().bottom() + 2;
    }
    if (!inside)
        keepInside(outsideChartsNote, QPointF(besideX(outsideChartsNote), below));
    else
        outsideChartsNote->hide();
}

} // namespace tovimar
