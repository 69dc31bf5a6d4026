// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's alarm colours, in one place: a result that calls for
// attention is white on red (a field or a filled label) or written in red; a
// notice beside it is written in blue. Each reads at the accessibility level
// on light and dark desktops alike.

class QWidget;

namespace tovimar {

// White on the program's red.
void showAlarm(QWidget* widget);
// Red text on the widget's own background.
void tintAlarm(QWidget* widget);
// Blue text on the widget's own background.
void tintNotice(QWidget* widget);

} // namespace tovimar
