// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every tool window: built by the window registry, named and
// titled, centred on its screen and kept within it as it grows, reported as a
// window to screen readers, and closed by Escape as by its own close button.

#include <QWidget>
#include <functional>

#include "ui/window_registry.h"

class QAbstractButton;
class QAction;
class QBoxLayout;
class QMenuBar;

namespace tovimar {

struct Platform;

class ToolWindow : public QWidget {
    Q_OBJECT
  public:
    ToolWindow(WindowRegistry& windows, const char* objectName, const QString& title);

    WindowRegistry& windows() const { return windows_; }
    Platform& platform() const;

  protected:
    // Escape presses this button (the window's "Quitter"); without one, Escape does nothing.
    void setEscapeButton(QAbstractButton* button);
    // Escape triggers this action (a "Quitter" of the window's own menu bar).
    void setEscapeAction(QAction* action);
    // Sizes the window to its content and centres it on its screen; call once built.
    void placeOnScreen();

    // The window's own menu bar, above the content of `layout`.
    QMenuBar* addMenuBar(QBoxLayout* layout);
    // That menu bar, once added (null before).
    QMenuBar* windowMenuBar() const { return menuBar_; }
    // Its "Quitter": closes the window.
    QAction* addQuitEntry(QMenuBar* bar, const char* name, const QString& caption);
    // Its "Aide": shows the help at `topic`.
    QAction* addHelpEntry(QMenuBar* bar, const char* name, const QString& caption, int topic);

    // The window's companions: windows of its own (its about box, its method
    // sheet, its calendars) that hold nothing of another window. The registry
    // keeps them like every window; only their owner shows or closes them.
    template <class W> W& showCompanion() { return windows_.open<W>(); }
    template <class W> void closeCompanion() {
        if (W* window = windows_.existing<W>()) window->close();
    }

    void keyPressEvent(QKeyEvent* event) override;
    // A window that grows (a panel of results shown) stays within the screen.
    void resizeEvent(QResizeEvent* event) override;

  private:
    WindowRegistry& windows_;
    std::function<void()> escape_;
    QMenuBar* menuBar_ = nullptr;
};

} // namespace tovimar
