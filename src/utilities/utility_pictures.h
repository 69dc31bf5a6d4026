// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pictures of the practice utilities, drawn by the program.

#include <QPixmap>

namespace tovimar {

// A pocket calculator: the converter's button that starts the desktop's calculator.
QPixmap calculatorPicture(int size = 32);

// A wall calendar with its holidays marked in red: the holidays window's decoration.
QPixmap holidayCalendarPicture(int size = 96);

} // namespace tovimar
