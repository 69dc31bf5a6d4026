// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's own calculator, started beside the converter.

namespace tovimar {

struct Platform;

// Starts the desktop's calculator; says in French when none is installed or
// it would not start.
void openDesktopCalculator(const Platform& platform);

} // namespace tovimar
