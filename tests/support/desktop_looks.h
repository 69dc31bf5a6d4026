// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two desktops a practitioner may work on: a light one (Qt's Fusion style
// with its own palette) and a dark one (the same style with a dark palette, as
// desktops in dark mode give it). Windows opened after useLook() take it.

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace tovimar::testing {

enum class Look { Light, Dark };

inline constexpr Look kLooks[] = {Look::Light, Look::Dark};

// "clair" or "sombre", as the pictures of the windows are named.
QString lookName(Look look);
QPalette lookPalette(Look look);
// Makes the application's style Fusion and its palette the look's.
void useLook(Look look);

// The colour a widget is drawn on: its own fill, else that of the nearest
// parent that fills its background, else its window's; a see-through fill is
// laid over what is under it.
QColor drawnBehind(const QWidget* widget);

} // namespace tovimar::testing
