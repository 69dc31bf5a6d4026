// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told beyond a control's accessible name: results
// read with their caption and current value, tool windows read as windows,
// lists to choose from (combo boxes) named by what they are for.

#include <QString>

class QLabel;
class QWidget;

namespace tovimar {

// Installs the program's accessible interfaces (once; each helper below does
// it too). Every combo box of the program, Qt's own dialogs included, is then
// named by its accessible name, else by the label whose buddy it is ("Nom :"
// in the print dialog), and no longer by the entry it shows: Qt 6 on Linux
// names a combo box by its current text whatever its accessible name says.
void installAccessibleInterfaces();

// The label is read as "caption : value", the value being its text at the
// moment it is read; a text that begins with its caption ("Coefficient de
// risque = 0,27") is read with the caption once ("Coefficient de risque : 0,27").
void announceAsResult(QLabel* label, const QString& caption);
// The widget, a top-level window of the program, is reported with the window role.
void announceAsWindow(QWidget* window);

} // namespace tovimar
