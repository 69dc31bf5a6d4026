// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A slider or scroll bar beside the field it fills, with one rule: the field
// follows the slider only when the user moves it (mouse, wheel or keys); the
// program's own moves of the slider (to a median, back to 0) write nothing,
// and typing in the field leaves the slider where it is.

#include <QString>
#include <functional>

class QAbstractSlider;
class QLineEdit;

namespace tovimar {

// Each user move writes `text(position)` into `field` (the position as a
// whole number by default).
void fillsField(QAbstractSlider* slider, QLineEdit* field, std::function<QString(int)> text = {});

// Each user move calls `moved(position)`, for a slider that fills more than
// one field.
void onUserMove(QAbstractSlider* slider, std::function<void(int)> moved);

} // namespace tovimar
