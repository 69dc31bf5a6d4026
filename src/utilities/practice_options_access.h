// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letterhead the printouts use, for any window that prints.

#include "utilities/practice_options.h"

namespace tovimar {

class WindowRegistry;
struct Platform;

// The letterhead from options.tvx, for a printout while the screen is closed.
// A missing or broken file is reported as the screen reports it; the fields
// read before the failure are kept, the others are empty.
PracticeOptions loadPracticeOptions(Platform& platform);

// The letterhead a printout uses: the open screen's fields when it exists,
// else the file.
PracticeOptions currentPracticeOptions(WindowRegistry& windows);

// How the trisomy 21 window and letter advise: the open screen's choice when
// it exists, else the file's; a missing or broken file gives the single
// threshold, told to nobody (the letterhead's reading tells it).
ScreeningStrategy currentScreeningStrategy(WindowRegistry& windows);

// Shows the letterhead screen.
void openPracticeOptions(WindowRegistry& windows);

} // namespace tovimar
