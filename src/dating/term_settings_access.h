// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What other windows may ask of the term settings: term.tvx is read here
// only, once, into the model of the settings in force; the values in force
// are those the editor shows while it is open, else those last saved.

#include "dating/term_settings.h"
#include "ui/settings_model.h"

namespace tovimar {

class WindowRegistry;

using TermSettingsModel = SettingsModel<TermSettings>;

// The program's term settings, read from term.tvx the first time they are
// asked for (without a word: the main window tells a faulty file at start).
TermSettingsModel& termSettingsModel(WindowRegistry& windows);

// The values the term settings editor shows now, saved or not; when the
// editor is not open, the values last saved.
TermSettings currentTermSettings(WindowRegistry& windows);

} // namespace tovimar
