// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A seeded random driver for the rule every window keeps: what it shows is
// what a fresh window shows for the inputs on screen. It types valid, invalid
// and empty values into a window's inputs (found by object name), ticks its
// boxes, presses its buttons, then presses the window's computing buttons and
// compares every named control (hidden ones included: printouts read them)
// with a fresh window given the final inputs and the same presses.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace tovimar::testing {

class FakePlatform;

struct DrivenInput {
    enum class Kind {
        Field,    // a line edit: one of `values`, typed key by key or pasted
        CheckBox, // a check box or a checkable list entry: ticked or not
        Choice,   // one of the radio buttons named in `values`
        ComboBox, // one of the entries, by position (-1: none)
        ListTicks // a list whose entries have check boxes: any of them ticked
    };
    const char* name; // object name (for Choice: a label for the group)
    Kind kind = Kind::Field;
    QStringList values;
};

struct DrivenWindow {
    const char* title;
    // Writes what the window reads at its start (term.tvx...), before it is built.
    std::function<void(FakePlatform&)> prepare;
    // Builds the window over the platform and returns it, shown or hidden as a user has it.
    std::function<QWidget*(FakePlatform&)> open;
    std::vector<DrivenInput> inputs;
    // Buttons a user may press between edits (computing, clearing).
    QStringList buttons;
    // Buttons pressed, in this order, after the last edit, in both windows.
    QStringList finalPresses;
    // Named controls that are not results (pictures that only decorate...).
    QStringList ignored;
};

// One named control as a user and a printout see it: its text, whether it is
// shown, its colours.
struct ControlState {
    QString name;
    QString state;
};
std::vector<ControlState> snapshot(QWidget* window, const QStringList& ignored);

// Every detail a window built again must show as the closed one did, beyond
// the snapshot: the sliders' places, the lists' texts, the text colours and
// sizes of the labels and fields.
std::vector<ControlState> details(QWidget* window);

// Drives `rounds` random sequences of `steps` actions each from `seed`, then
// closes the window with its button `quit` and builds it again with the
// row's `open`. Returns an empty text when the window built again shows what
// the closed one showed (snapshot and details), or the first difference.
std::string driveCloseAndReopen(const DrivenWindow& window, const QString& quit, unsigned seed,
                                int rounds, int steps);

// Drives `rounds` random sequences of `steps` actions each from `seed`.
// Returns an empty text when every sequence ends as a fresh window would, or
// the first difference, with the seed and the actions that led to it.
std::string driveAndCompare(const DrivenWindow& window, unsigned seed, int rounds, int steps);

} // namespace tovimar::testing
