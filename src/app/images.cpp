#include "app/images.h"

#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library: they must be registered by hand.
static void registerImages() { Q_INIT_RESOURCE(images); }

namespace tovimar {

QPixmap picture(const QString& name, QSize size) {
    static const bool registered = (registerImages(), true);
    (void)registered;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/images/") + name);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace tovimar
