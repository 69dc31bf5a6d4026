#pragma once
// The desktop's own calculator, started beside the converter.

#include <QString>
#include <QStringList>

namespace tovimar {

// The usual calculators of Linux desktops, in the order they are looked for:
// GNOME, KDE, Xfce and LXDE, MATE, Qalculate, then the X11 one.
const QStringList& desktopCalculators();

// The first of them found in the folders of PATH; empty when there is none.
QString findDesktopCalculator();

// Starts it directly (never through a shell), on its own: it lives on when
// the program ends. False, silently, when none is installed or it would not start.
bool startDesktopCalculator();

} // namespace tovimar
