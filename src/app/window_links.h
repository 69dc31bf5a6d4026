// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The links between windows, in one place: the main window says what happened
// (the start of pregnancy changed, the ultrasound dating was reset), and this
// table says which windows receive it. No window reaches another window.

namespace tovimar {

class MainWindow;
class WindowRegistry;

// Connects the main window's news to the windows that follow it.
void linkWindows(MainWindow& main);

// Connects what a tool window asks or says to the windows that follow it, as
// each is built; once for each registry, before any window is built.
void linkToolWindows(WindowRegistry& windows);

// "MAP": the preterm labour window, opened from the start of pregnancy typed
// in the main window.
void openPretermLabour(MainWindow& main);

} // namespace tovimar
