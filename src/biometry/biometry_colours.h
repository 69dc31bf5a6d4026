// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The biometry window's field colours: orange for the measurements Hadlock's
// weight uses, yellow for the others, green and cyan for computed results.

#include <QColor>

namespace tovimar {

inline const QColor kOrange(0xFF, 0xC0, 0x80);
inline const QColor kYellow(0xFF, 0xFF, 0xC0);
inline const QColor kRed(0xFF, 0x00, 0x00);
inline const QColor kGreen(0xC0, 0xFF, 0xC0);
inline const QColor kCyan(0xC0, 0xFF, 0xFF);

} // namespace tovimar
