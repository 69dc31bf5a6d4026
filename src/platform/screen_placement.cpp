// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tovimar {

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void keepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    QPoint topLeft = frame.topLeft();
    if (frame.right() > free.right()) topLeft.rx() -= frame.right() - free.right();
    if (frame.bottom() > free.bottom()) topLeft.ry() -= frame.bottom() - free.bottom();
    topLeft.rx() = std::max(topLeft.x(), free.left());
    topLeft.ry() = std::max(topLeft.y(), free.top());
    if (topLeft != frame.topLeft()) window->move(window->pos() + (topLeft - frame.topLeft()));
}

} // namespace tovimar
