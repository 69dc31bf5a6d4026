#pragma once
// What a screen reader is told beyond a control's accessible name: results
// read with their caption and current value, tool windows read as windows.

#include <QString>

class QLabel;
class QWidget;

namespace tovimar {

// The label is read as "caption : value", the value being its text at the moment it is read.
void announceAsResult(QLabel* label, const QString& caption);
// The widget, a top-level window of the program, is reported with the window role.
void announceAsWindow(QWidget* window);

} // namespace tovimar
