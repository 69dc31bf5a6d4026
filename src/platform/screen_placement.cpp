#include "platform/screen_placement.h"

#include <QScreen>
#include <QWidget>

namespace tovimar {

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace tovimar
