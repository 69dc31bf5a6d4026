// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/growth_chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tovimar {
namespace {

constexpr double kLabelPoints = 8; // axis labels and legend
constexpr double kCaptionPoints = 8.5;
constexpr double kPointPoints = 9; // the texts beside the patient's point

QFont fontOf(double points, double toDevice, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, int(points * toDevice + 0.5)));
    f.setBold(bold);
    return f;
}

struct CurveLook {
    QColor colour;
    Qt::PenStyle style;
    double widthPoints;
};

// The curves are told apart by their line as well as their colour, so a
// black-and-white print still reads.
CurveLook lookOf(CurveRank rank) {
    switch (rank) {
    case CurveRank::Median:
        return {QColor(0x00, 0x64, 0x00), Qt::SolidLine, 1.6};
    case CurveRank::Outer:
        return {QColor(0x00, 0x40, 0xC0), Qt::DashLine, 1.1};
    case CurveRank::Extreme:
        return {QColor(0xC0, 0x00, 0x00), Qt::DotLine, 1.3};
    }
    return {Qt::black, Qt::SolidLine, 1};
}

QPen penOf(const QColor& colour, double widthPoints, double toDevice,
           Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, widthPoints * toDevice, style, Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

} // namespace

double pointsToDevice(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return (dpi > 0 ? dpi : 96) / 72.0;
}

ChartMapping::ChartMapping(const GrowthChart& chart, const QRectF& area, double toDevice,
                           const ChartDrawing& drawing)
    : firstWeek_(chart.firstWeek), lastWeek_(chart.lastWeek), valueMax_(chart.valueMax) {
    const QFontMetricsF label(fontOf(kLabelPoints, toDevice));
    const double line = label.height();
    const double left = label.horizontalAdvance(QString::number(chart.valueMax)) + 0.8 * line +
                        (drawing.axisCaptions ? 0.2 * line : 0);
    const double right = label.horizontalAdvance(QStringLiteral("C 97")) + 1.2 * line;
    const double top = drawing.axisCaptions ? 1.8 * line : 0.9 * line;
    double bottom = 0.6 * line;
    if (drawing.weekLabels) bottom += 1.1 * line;
    if (drawing.axisCaptions) bottom += 1.3 * line;
    bottom += drawing.roomBelowLines * line;
    plot_ = area.adjusted(left, top, -right, -bottom);
    if (plot_.width() < 1) plot_.setWidth(1);
    if (plot_.height() < 1) plot_.setHeight(1);
}

QPointF ChartMapping::toDevice(double week, double mm) const {
    const double x = plot_.left() + (week - firstWeek_) / (lastWeek_ - firstWeek_) * plot_.width();
    const double y = plot_.bottom() - mm / valueMax_ * plot_.height();
    return {x, y};
}

bool ChartMapping::insidePlot(double week, double mm) const {
    return week >= firstWeek_ && week <= lastWeek_ && mm >= 0 && mm <= valueMax_;
}

QPointF ChartMapping::clampedToPlot(double week, double mm) const {
    return toDevice(std::clamp(week, firstWeek_, lastWeek_), std::clamp(mm, 0.0, valueMax_));
}

std::optional<QRectF> clearPlaceBeside(const GrowthChart& chart, const ChartMapping& map,
                                       QPointF at, QSizeF size, double gap) {
    const QRectF plot = map.plotArea();
    const double x0 = map.toDevice(chart.firstWeek, 0).x();
    const double x1 = map.toDevice(chart.lastWeek, 0).x();
    // The heights between which the curves pass at a device abscissa, if any does.
    const auto band = [&](double x) -> std::optional<std::pair<double, double>> {
        if (x1 <= x0) return std::nullopt;
        const double week =
            chart.firstWeek + (x - x0) / (x1 - x0) * (chart.lastWeek - chart.firstWeek);
        std::optional<std::pair<double, double>> ys;
        for (const ChartCurve& curve : chart.curves) {
            const auto& pts = curve.points;
            if (pts.empty() || week < pts.front().week || week > pts.back().week) continue;
            auto next =
                std::lower_bound(pts.begin(), pts.end(), week,
                                 [](const ChartCurvePoint& p, double w) { return p.week < w; });
            double mm = next->mm;
            if (next != pts.begin() && next->week != week) {
                const auto& before = *(next - 1);
                mm = before.mm +
                     (week - before.week) / (next->week - before.week) * (next->mm - before.mm);
            }
            const double y = map.toDevice(week, mm).y();
            ys = ys ? std::pair{std::min(ys->first, y), std::max(ys->second, y)} : std::pair{y, y};
        }
        return ys;
    };
    const double step = std::max(plot.width(), plot.height()) / 120;
    const auto clear = [&](const QRectF& box) {
        if (!plot.contains(box)) return false;
        // Room for the width of the lines and a little white around the text.
        const double pad = step;
        for (double x = box.left() - pad; x <= box.right() + pad; x += step) {
            const auto ys = band(x);
            if (ys && box.top() - pad < ys->second && box.bottom() + pad > ys->first) return false;
        }
        return true;
    };
    // How far a box stands from the point: none may come nearer than the gap.
    const auto distance = [&](const QRectF& box) {
        const double dx = std::max({box.left() - at.x(), 0.0, at.x() - box.right()});
        const double dy = std::max({box.top() - at.y(), 0.0, at.y() - box.bottom()});
        return std::hypot(dx, dy);
    };
    // The clear place nearest the point, looked for over the whole plot: the
    // places far enough from it, nearest first (the higher, then the more to
    // the left, of two as near); the first clear one is the answer.
    struct Place {
        double distance;
        QRectF box;
    };
    std::vector<Place> places;
    for (double y = plot.top(); y + size.height() <= plot.bottom(); y += step) {
        for (double x = plot.left(); x + size.width() <= plot.right(); x += step) {
            const QRectF box(QPointF(x, y), size);
            const double d = distance(box);
            if (d >= gap) places.push_back({d, box});
        }
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.distance < b.distance; });
    for (const Place& place : places)
        if (clear(place.box)) return place.box;
    return std::nullopt;
}

void paintGrowthChart(QPainter& p, const QRectF& area, const GrowthChart& chart,
                      const ChartDrawing& drawing) {
    const double pt = pointsToDevice(p);
    const ChartMapping map(chart, area, pt, drawing);
    const QRectF plot = map.plotArea();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(area, Qt::white);

    const QFont labelFont = fontOf(kLabelPoints, pt);
    const QFontMetricsF fm(labelFont);
    p.setFont(labelFont);

    // Grid and value labels.
    const QPen gridPen = penOf(QColor(0xD8, 0xD8, 0xD8), 0.5, pt);
    for (int v = 0; v <= chart.valueMax; v += chart.valueStep) {
        const double y = map.toDevice(chart.firstWeek, v).y();
        p.setPen(gridPen);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(Qt::black);
        const QString text = QString::number(v);
        p.drawText(QRectF(area.left(), y - fm.height() / 2,
                          plot.left() - area.left() - 0.4 * fm.height(), fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }
    for (int w = chart.firstWeek; w <= chart.lastWeek; w += chart.weekLabelStep) {
        const double x = map.toDevice(w, 0).x();
        p.setPen(gridPen);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (drawing.weekLabels) {
            p.setPen(Qt::black);
            const QString text = QString::number(w);
            const double width = fm.horizontalAdvance(text) + 0.5 * fm.height();
            p.drawText(QRectF(x - width / 2, plot.bottom() + 0.3 * fm.height(), width, fm.height()),
                       Qt::AlignCenter, text);
        }
    }
    // Axes.
    p.setPen(penOf(Qt::black, 0.9, pt));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    if (drawing.axisCaptions) {
        const QFont captionFont = fontOf(kCaptionPoints, pt);
        const QFontMetricsF cm(captionFont);
        p.setFont(captionFont);
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), area.top(), plot.left() - area.left() + 4 * cm.height(),
                          1.5 * cm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("mm."));
        p.drawText(
            QRectF(plot.left(), area.bottom() - 1.4 * cm.height(), plot.width(), 1.3 * cm.height()),
            Qt::AlignCenter, QStringLiteral("Semaines d'amenorrhée"));
        p.setFont(labelFont);
    }

    // Curves, each with its legend at its right-hand end.
    p.save();
    p.setClipRect(plot.adjusted(-2 * pt, -2 * pt, 2 * pt, 2 * pt));
    for (const ChartCurve& curve : chart.curves) {
        if (curve.points.empty()) continue;
        const CurveLook look = lookOf(curve.rank);
        QPainterPath path;
        path.moveTo(map.toDevice(curve.points.front().week, curve.points.front().mm));
        for (std::size_t i = 1; i < curve.points.size(); ++i)
            path.lineTo(map.toDevice(curve.points[i].week, curve.points[i].mm));
        p.setPen(penOf(look.colour, look.widthPoints, pt, look.style));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.restore();
    // The legends stand at the height of their curve's end, moved apart just
    // enough for each to keep a line of its own where curves end close together.
    struct Legend {
        const ChartCurve* curve;
        QPointF end;
        double y; // the legend's centre
    };
    std::vector<Legend> legends;
    for (const ChartCurve& curve : chart.curves) {
        if (curve.points.empty()) continue;
        const QPointF end = map.toDevice(curve.points.back().week, curve.points.back().mm);
        legends.push_back({&curve, end, end.y()});
    }
    std::sort(legends.begin(), legends.end(),
              [](const Legend& a, const Legend& b) { return a.y < b.y; });
    const double gap = fm.height();
    for (std::size_t i = 1; i < legends.size(); ++i)
        legends[i].y = std::max(legends[i].y, legends[i - 1].y + gap);
    // Back up from the bottom of the drawing when the last one runs past it.
    const double lowest = area.bottom() - gap / 2;
    if (!legends.empty() && legends.back().y > lowest) {
        legends.back().y = lowest;
        for (std::size_t i = legends.size() - 1; i-- > 0;)
            legends[i].y = std::min(legends[i].y, legends[i + 1].y - gap);
    }
    for (const Legend& legend : legends) {
        const CurveLook look = lookOf(legend.curve->rank);
        p.setPen(look.colour);
        const QString text =
            QString::fromUtf8(legend.curve->legend.data(), int(legend.curve->legend.size()));
        p.drawText(QRectF(std::max(legend.end.x(), plot.right()) + 0.3 * fm.height(),
                          legend.y - fm.height() / 2, area.right() - plot.right(), fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    if (!drawing.scans.empty()) {
        // The scans joined in date order, up to today's point.
        std::vector<QPointF> line;
        for (const ChartScan& s : drawing.scans)
            line.push_back(map.clampedToPlot(s.week, s.mm));
        std::vector<QPointF> joined = line;
        if (drawing.point) {
            // Today's point takes its place by age: a scan typed after the
            // biometry window's scan day comes after it.
            std::size_t at = 0;
            while (at < drawing.scans.size() && drawing.scans[at].week <= drawing.point->week)
                ++at;
            joined.insert(joined.begin() + std::ptrdiff_t(at),
                          map.clampedToPlot(drawing.point->week, drawing.point->mm));
        }
        const QColor navy(0, 0, 0x80);
        p.setPen(penOf(navy, 1.1, pt));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(joined.data(), int(joined.size()));
        const QFont dateFont = fontOf(kLabelPoints, pt);
        const QFontMetricsF dm(dateFont);
        p.setFont(dateFont);
        for (std::size_t i = 0; i < drawing.scans.size(); ++i) {
            const QPointF at = line[i];
            p.setPen(Qt::NoPen);
            p.setBrush(navy);
            p.drawEllipse(at, 2.4 * pt, 2.4 * pt);
            // Its date above it (below when there is no room), inside the plot.
            const QString& text = drawing.scans[i].dateText;
            const double w = dm.horizontalAdvance(text), h = dm.height();
            double y = at.y() - 3.5 * pt - h;
            if (y < plot.top()) y = at.y() + 3.5 * pt;
            const double x =
                std::clamp(at.x() - w / 2, plot.left(), std::max(plot.left(), plot.right() - w));
            p.setBrush(Qt::NoBrush);
            p.setPen(navy);
            p.drawText(QRectF(x, y, w, h), Qt::AlignCenter, text);
        }
    }

    if (drawing.point) {
        const ChartPoint& point = *drawing.point;
        const bool inside = map.insidePlot(point.week, point.mm);
        const QPointF at = map.clampedToPlot(point.week, point.mm);
        const double arm = 4 * pt;
        p.setPen(penOf(Qt::black, 1.6, pt));
        p.drawLine(at + QPointF(-arm, -arm), at + QPointF(arm, arm));
        p.drawLine(at + QPointF(-arm, arm), at + QPointF(arm, -arm));
        // The texts go on the side of the point with the more room, inside the plot.
        const QFont pointFont = fontOf(kPointPoints, pt, true);
        const QFontMetricsF pm(pointFont);
        p.setFont(pointFont);
        std::vector<std::pair<QString, QColor>> texts;
        if (!point.valueText.isEmpty())
            texts.emplace_back(point.valueText + QStringLiteral(" mm"), QColor(0xC0, 0, 0));
        if (!point.weekText.isEmpty()) texts.emplace_back(point.weekText, QColor(0, 0, 0x80));
        if (!point.bandText.isEmpty()) texts.emplace_back(point.bandText, QColor(0, 0, 0xFF));
        if (!inside) texts.emplace_back(kOutsideChartNote, Qt::black);
        double width = 0;
        for (const auto& t : texts)
            width = std::max(width, pm.horizontalAdvance(t.first));
        const double height = double(texts.size()) * pm.height();
        const bool toLeft = at.x() + arm + width + pm.height() > plot.right();
        const double x =
            toLeft ? at.x() - arm - 0.4 * pm.height() - width : at.x() + arm + 0.4 * pm.height();
        const bool above = at.y() + arm + height > plot.bottom();
        double y = above ? at.y() - arm - height : at.y() + arm;
        y = std::clamp(y, plot.top(), std::max(plot.top(), plot.bottom() - height));
        // Away from the curves where there is room, else on the side with the more room.
        const QRectF box =
            clearPlaceBeside(chart, map, at, QSizeF(width, height), arm + 0.4 * pm.height())
                .value_or(QRectF(std::max(plot.left(), x), y, width, height));
        if (!texts.empty())
            p.fillRect(box.adjusted(-2 * pt, -1 * pt, 2 * pt, 1 * pt), QColor(255, 255, 255, 220));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            p.setPen(texts[i].second);
            p.drawText(QRectF(box.left(), box.top() + double(i) * pm.height(), width, pm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, texts[i].first);
        }
    }
    p.restore();
}

} // namespace tovimar
