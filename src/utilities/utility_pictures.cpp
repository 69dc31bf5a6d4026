// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/utility_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace tovimar {
namespace {

// A transparent canvas of size x size on screen, sharp on high-density screens;
// the painter draws in a 100 x 100 square.
QPixmap canvas(int size, QPainter& painter) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    painter.begin(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    return pixmap;
}

} // namespace

QPixmap calculatorPicture(int size) {
    QPainter p;
    QPixmap pixmap = canvas(size, p);
    p.setPen(QPen(QColor(0x30, 0x34, 0x3a), 4));
    p.setBrush(QColor(0x5a, 0x62, 0x6c));
    p.drawRoundedRect(QRectF(18, 6, 64, 88), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xe6, 0xc0));
    p.drawRoundedRect(QRectF(27, 15, 46, 19), 3, 3);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const bool equals = r == 3 && c == 2;
            p.setBrush(equals ? QColor(0xe0, 0x7a, 0x2a) : QColor(0xee, 0xee, 0xee));
            p.drawRoundedRect(QRectF(27 + c * 16, 41 + r * 12.5, 12, 9), 2, 2);
        }
    p.end();
    return pixmap;
}

QPixmap holidayCalendarPicture(int size) {
    QPainter p;
    QPixmap pixmap = canvas(size, p);
    // The page and its red heading.
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 14, 84, 78), 6, 6);
    QPainterPath heading;
    heading.addRoundedRect(QRectF(8, 14, 84, 20), 6, 6);
    heading.addRect(QRectF(8, 26, 84, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x30, 0x30));
    p.drawPath(heading.simplified());
    // The rings it hangs from.
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 4, Qt::SolidLine, Qt::RoundCap));
    for (int x : {30, 70})
        p.drawLine(QPointF(x, 8), QPointF(x, 20));
    // Five weeks of seven days, the holidays in red, Sundays grey.
    p.setPen(Qt::NoPen);
    const int holidays[][2] = {{0, 0}, {1, 4}, {2, 0}, {3, 3}};
    for (int week = 0; week < 5; ++week)
        for (int day = 0; day < 7; ++day) {
            QColor colour(0xd8, 0xdc, 0xe4);
            if (day == 6) colour = QColor(0xa8, 0xae, 0xb8);
            for (const auto& h : holidays)
                if (h[0] == week && h[1] == day) colour = QColor(0xd0, 0x2a, 0x2a);
            p.setBrush(colour);
            p.drawRect(QRectF(14 + day * 10.5, 40 + week * 10, 8, 7));
        }
    p.end();
    return pixmap;
}

} // namespace tovimar
