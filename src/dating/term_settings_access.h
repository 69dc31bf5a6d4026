// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What other windows may ask of the term settings: term.tvx is read here
// only, and the values in force are those the editor shows.

#include "dating/term_settings.h"
#include "ui/settings_file.h"

namespace tovimar {

class WindowRegistry;
struct Platform;

// term.tvx, told to the user as "Term.tvx" when it is missing or not whole.
SettingsFile termSettingsFile(Platform& platform);
// term.tvx read (the message shown when it is missing or not whole).
TermSettingsReading readTermSettingsFile(Platform& platform);

// The values the term settings editor shows now, saved or not; when the
// editor is not loaded, term.tvx's, read without a word (its fault, if any,
// was told when the program started).
TermSettings currentTermSettings(WindowRegistry& windows);
// Shows the term settings editor.
void openTermSettingsEditor(WindowRegistry& windows);

} // namespace tovimar
