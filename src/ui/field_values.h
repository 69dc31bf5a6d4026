// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a field holds, read as the program reads every typed value: a date as
// "JJ/MM/AAAA" (and its short forms), a number in French (decimal comma, a
// full stop read as one), the same on a French desktop as anywhere else. And
// back: a calculation's text or date as a field shows it.

#include <QString>
#include <optional>
#include <string>

#include "core/vb_date.h"

class QLabel;
class QLineEdit;

namespace tovimar {

// The field's date, or nothing when its text is not one.
std::optional<VbDate> dateIn(const QLineEdit* field);
// The field's number, or nothing when its text is not one.
std::optional<double> numberIn(const QLineEdit* field);
// A result the window shows, read back as a number for the next step.
std::optional<double> numberIn(const QLabel* result);

// A calculation's text, or a date as "JJ/MM/AAAA", for a field or a label.
QString shown(const std::string& text);
QString shown(VbDate date);

} // namespace tovimar
