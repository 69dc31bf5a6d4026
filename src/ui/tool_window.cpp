// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tool_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include "platform/help_viewer.h"
#include "platform/platform.h"
#include "platform/screen_placement.h"
#include "ui/accessibility.h"
#include "ui/window_registry.h"

namespace tovimar {

ToolWindow::ToolWindow(WindowRegistry& windows, const char* objectName, const QString& title)
    : QWidget(nullptr, Qt::Window), windows_(windows) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(title);
    setAccessibleName(title);
    announceAsWindow(this);
}

Platform& ToolWindow::platform() const {
    return windows_.platform();
}

void ToolWindow::setEscapeButton(QAbstractButton* button) {
    escape_ = [b = QPointer<QAbstractButton>(button)] {
        if (b && b->isEnabled()) b->click();
    };
}

void ToolWindow::setEscapeAction(QAction* action) {
    escape_ = [a = QPointer<QAction>(action)] {
        if (a && a->isEnabled()) a->trigger();
    };
}

void ToolWindow::placeOnScreen() {
    adjustSize();
    // Never larger than the screen with its frame (a title bar and borders,
    // guessed before the window manager draws them), unless its content needs it.
    if (const QScreen* s = screen()) {
        const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(16, 40);
        const QSize room = s->availableGeometry().size() - frame;
        resize(size().boundedTo(room).expandedTo(minimumSizeHint()));
    }
    centreOnScreen(this);
}

QMenuBar* ToolWindow::addMenuBar(QBoxLayout* layout) {
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    return menuBar_;
}

QAction* ToolWindow::addQuitEntry(QMenuBar* bar, const char* name, const QString& caption) {
    QAction* quit = bar->addAction(caption);
    quit->setObjectName(QString::fromLatin1(name));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    return quit;
}

QAction* ToolWindow::addHelpEntry(QMenuBar* bar, const char* name, const QString& caption,
                                  int topic) {
    QAction* help = bar->addAction(caption);
    help->setObjectName(QString::fromLatin1(name));
    connect(help, &QAction::triggered, this, [this, topic] { platform().help.showTopic(topic); });
    return help;
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && escape_) {
        escape_();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ToolWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible()) keepOnScreen(this);
}

} // namespace tovimar
