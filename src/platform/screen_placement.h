// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where windows open on the screen.

class QWidget;

namespace tovimar {

// Centres the window on the screen it belongs to.
void centreOnScreen(QWidget* window);
// Moves the window back inside its screen's free area when it reaches past an
// edge (a window that grew with a result panel); its top-left corner wins
// when the window is larger than the screen.
void keepOnScreen(QWidget* window);

} // namespace tovimar
