#pragma once
// Where windows open on the screen.

class QWidget;

namespace tovimar {

// Centres the window on the screen it belongs to.
void centreOnScreen(QWidget* window);

} // namespace tovimar
