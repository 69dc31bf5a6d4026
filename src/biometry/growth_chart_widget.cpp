// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/growth_chart_widget.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tovimar {

GrowthChartWidget::GrowthChartWidget(Measure m, ChartDrawing drawing, QWidget* parent)
    : QWidget(parent), chart_(growthChart(m).value_or(GrowthChart{})), drawing_(drawing) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartMapping GrowthChartWidget::mapping() const {
    return ChartMapping(chart_, QRectF(rect()), logicalDpiY() / 72.0, drawing_);
}

void GrowthChartWidget::setScans(std::vector<ChartScan> scans) {
    drawing_.scans = std::move(scans);
    update();
}

void GrowthChartWidget::setPoint(std::optional<ChartPoint> point) {
    drawing_.point = std::move(point);
    update();
}

void GrowthChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintGrowthChart(painter, QRectF(rect()), chart_, drawing_);
}

IllustrationWidget::IllustrationWidget(QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(this)) {
    setMinimumSize(120, 90);
}

void IllustrationWidget::setIllustration(const QString& resourcePath) {
    path_ = resourcePath;
    renderer_->load(resourcePath);
    update();
}

void IllustrationWidget::paintEvent(QPaintEvent*) {
    if (!renderer_->isValid()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = renderer_->defaultSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    renderer_->render(
        &painter,
        QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size));
}

} // namespace tovimar
