// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every tool window as a practitioner leaves it at the end of a consultation:
// opened from the main window's menu, a realistic valid case typed, every
// panel shown, its computing buttons pressed and every result written. One
// row a window, for the tests that look at windows in their fullest state
// (their size on a small screen, what they copy).

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "support/fake_platform.h"

namespace tovimar {
class MainWindow;
}

namespace tovimar::testing {

struct FilledWindow {
    const char* entry;  // the object name of the menu entry that opens it ("T21")
    const char* window; // the object name of the window filled ("Form12")
    // Drives the window the entry opened to its fullest state. For a window
    // opened from another one (the growth charts of the biometry), it opens it
    // from the window the entry opened and fills it.
    std::function<void(QWidget& opened)> fill;
};

// One row a window, in menu order.
const std::vector<FilledWindow>& filledWindows();

// The program over a fake platform holding the shipped settings files and
// databases, on 15/03/2010, its main window showing a pregnancy's dates.
class FilledProgram {
  public:
    FilledProgram();
    ~FilledProgram();
    FilledProgram(const FilledProgram&) = delete;
    FilledProgram& operator=(const FilledProgram&) = delete;

    // Triggers the row's menu entry, fills the window and returns the window
    // named in the row, shown; nullptr when no such window is shown.
    QWidget* open(const FilledWindow& row);

    FakePlatform fake;
    MainWindow* main = nullptr; // kept by `fake` until its end
};

} // namespace tovimar::testing
