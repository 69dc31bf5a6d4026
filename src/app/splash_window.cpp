// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include "platform/screen_placement.h"
#include "ui/pictures.h"

#include <QPainter>

namespace tovimar {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), tile_(picture("splash_tile")),
      picture_(picture("splash_picture")) {
    setObjectName("Form10");
    setWindowTitle(QStringLiteral("Calculette Obstétricale"));
    setFixedSize(480, 300);
    centreOnScreen(this);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The background picture repeated from the top-left corner.
    const QSize tile = tile_.deviceIndependentSize().toSize();
    if (!tile.isEmpty())
        for (int y = 0; y < height(); y += tile.height())
            for (int x = 0; x < width(); x += tile.width())
                painter.drawPixmap(x, y, tile_);
    const int pictureHeight = static_cast<int>(picture_.deviceIndependentSize().height());
    painter.drawPixmap(30, (height() - pictureHeight) / 2, picture_);
    QFont title = font();
    title.setPointSizeF(20);
    title.setBold(true);
    title.setFamily(QStringLiteral("DejaVu Serif"));
    painter.setFont(title);
    painter.setPen(QColor(0x4A, 0x1F, 0x5C));
    const QRect textArea(200, 60, width() - 220, height() - 120);
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Calculette Obstétricale"));
    // A frame of lines.
    painter.setPen(QPen(QColor(0x4A, 0x1F, 0x5C), 2));
    painter.drawRect(rect().adjusted(6, 6, -7, -7));
    painter.setPen(QPen(QColor(0x9B, 0x7B, 0xB8), 1));
    painter.drawRect(rect().adjusted(11, 11, -12, -12));
}

} // namespace tovimar
