// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar as one table: a row per entry, in menu order.
// A tool's entry is enabled by giving its row the window it opens.

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

namespace tovimar {

class MainWindow;

using MenuAction = std::function<void(MainWindow&)>;

struct MenuRow {
    const char* name;   // the entry's object name ("Biometrie")
    const char* parent; // the name of the menu it sits in; nullptr: the menu bar
    QString caption;    // with its access key ("&Biometrie")
    MenuAction action;  // empty: greyed, the tool is not in this version
    bool submenu = false;
    QKeySequence shortcut = {};
};

const std::vector<MenuRow>& menuRows();

} // namespace tovimar
