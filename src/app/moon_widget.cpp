// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/moon_widget.h"

#include <QPainter>
#include <cmath>

#include "core/french_number.h"

namespace tovimar {
namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kSideTwips = 1095;
} // namespace

MoonWidget::MoonWidget(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x00, 0x00, 0xC0));
    setPalette(p);
    setFixedSize(sizeHint());
}

QSize MoonWidget::sizeHint() const {
    return {kSideTwips / kTwipsPerPixel, kSideTwips / kTwipsPerPixel};
}

void MoonWidget::setPhase(double phase) {
    phase_ = phase;
    update();
}

void MoonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x00, 0x00, 0xC0));
    // The area runs from -1.3 to 1.3 both ways, y downwards; one segment
    // pair every 4 twips of height.
    const double h = roundHalfEven(height() * kTwipsPerPixel + 1.0);
    const double scaleX = width() / 2.6, scaleY = height() / 2.6;
    auto toPoint = [&](double x, double y) {
        return QPointF((x + 1.3) * scaleX, (y + 1.3) * scaleY);
    };
    auto segment = [&](const QColor& colour, double a, double b, double y) {
        painter.setPen(QPen(colour, 0));
        painter.drawLine(toPoint(a, y), toPoint(b, y));
        painter.drawLine(toPoint(a, -y), toPoint(b, -y));
    };
    const double p = phase_;
    const double step = 4.0 / h;
    // Several segments fall on one row of pixels; the first of a row is the one seen.
    int lastRow = -1;
    for (double y = 0.0; y <= 1.0; y += step) {
        const int row = static_cast<int>(toPoint(0, y).y());
        if (row == lastRow) continue;
        lastRow = row;
        const double x = std::sqrt(std::max(0.0, 1.0 - y * y));
        segment(Qt::black, -x, x, y);
        const double a = p < 0.5 ? -x : x;
        const double b = p < 0.5 ? x * (1 - 4 * p) : x * (3 - 4 * p);
        segment(Qt::white, a, b, y);
    }
}

} // namespace tovimar
