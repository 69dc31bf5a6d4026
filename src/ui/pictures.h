// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures (drawn as SVG, rendered to PNG when it is built).

#include <QPixmap>
#include <QString>

class QLabel;

namespace tovimar {

// A picture by name ("icon_reset"), at its size on screen; the sharper
// rendering on high-density screens.
QPixmap picture(const QString& name);

// A label showing the picture, centred, named for a screen reader.
QLabel* pictureLabel(const char* objectName, const QString& name, const QString& description);

} // namespace tovimar
