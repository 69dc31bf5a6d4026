#pragma once
// The program's pictures, compiled in as SVG resources.

#include <QPixmap>
#include <QString>

namespace tovimar {

// A picture of the resource folder ("icon_reset.svg") drawn at the given size.
QPixmap picture(const QString& name, QSize size);

} // namespace tovimar
