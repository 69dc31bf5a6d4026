// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader hears of a window, and where Tab takes it: the checks
// of the accessibility tests, and the main window they open tools from.
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "app/main_window.h"
#include "support/fake_platform.h"

namespace tovimar::testing {

// What a screen reader says for a control.
QString spokenName(QWidget* w);

// A name a screen reader user understands: not empty, not a programmer's
// name ("Text1", "TxtAge"), not Qt's own English words.
bool namedInFrench(QWidget* w);

// A control and what it says, for the failure message.
QString heard(QWidget* w);

// The controls shown that a mouse can use, reachable by Tab or not, that are
// not named in French.
QStringList unnamedControls(QWidget* window);

// Tab pressed from the first reachable control until focus comes back to it
// (or stops moving: a control that keeps Tab for itself): the controls in
// the order visited, by their names in the table; those not named in French
// are added to `unnamed`.
QStringList tabWalk(QWidget* window, QStringList& unnamed, QList<QWidget*>* visited = nullptr);

// Where Tab goes against the reading of the window: from one control to the
// next, the two parts of the panel that holds both (two frames, two controls,
// a frame and a control) must read top to bottom, and left to right when they
// share a row (overlap in height). So a panel is read whole before the next.
QStringList againstReading(QWidget* window, const QList<QWidget*>& walk);

// What a screen reader hears, rule by rule, for the controls shown in a
// window: each list to choose from by its purpose, each button by what it
// does, the window as a window, and each result with its caption once.
QStringList unclearNames(QWidget* window);

struct Fixture {
    Fixture() {
        fake.setToday("15/03/2010");
        main = std::make_unique<MainWindow>(fake.windows());
    }
    FakePlatform fake;
    std::unique_ptr<MainWindow> main;
};

} // namespace tovimar::testing
