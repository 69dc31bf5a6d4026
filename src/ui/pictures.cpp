// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QGuiApplication>
#include <QLabel>

#include "ui/controls.h"

namespace tovimar {

QPixmap picture(const QString& name) {
    const bool dense = qApp && qApp->devicePixelRatio() > 1.0;
    QPixmap pixmap(QStringLiteral(":/pictures/") + name +
                   (dense ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    if (dense) pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

QLabel* pictureLabel(const char* objectName, const QString& name, const QString& description) {
    auto* label = named(new QLabel, objectName, description);
    label->setPixmap(picture(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace tovimar
