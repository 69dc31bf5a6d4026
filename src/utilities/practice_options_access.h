// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letterhead and the conduct choice the printouts and the trisomy 21
// window use: options.tvx is read here only, once, into the model of the
// options in force (the open screen's fields while it is open, else the
// values last saved).

#include "ui/settings_model.h"
#include "utilities/practice_options.h"

namespace tovimar {

class WindowRegistry;

using PracticeOptionsModel = SettingsModel<PracticeOptions>;

// The program's practice options, read from options.tvx the first time they
// are asked for, without a word. A missing or broken file keeps the fields
// read before the failure, the others empty.
PracticeOptionsModel& practiceOptionsModel(WindowRegistry& windows);

// The letterhead a printout uses: the open screen's fields when it exists,
// else the saved ones; a missing or broken file is told at each printout, as
// the screen tells it.
PracticeOptions currentPracticeOptions(WindowRegistry& windows);

// How the trisomy 21 window and letter advise: the open screen's choice when
// it exists, else the saved one; a missing or broken file gives the single
// threshold, told to nobody (the letterhead's reading tells it).
ScreeningStrategy currentScreeningStrategy(WindowRegistry& windows);

} // namespace tovimar
