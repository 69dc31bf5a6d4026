// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/term_settings_access.h"

#include "dating/term_settings_window.h"
#include "ui/window_registry.h"

namespace tovimar {

SettingsFile termSettingsFile(Platform& platform) {
    return SettingsFile(platform, QStringLiteral("term.tvx"), QStringLiteral("Term.tvx"));
}

TermSettingsReading readTermSettingsFile(Platform& platform) {
    return termSettingsFile(platform).read(readTermSettings);
}

TermSettings currentTermSettings(WindowRegistry& windows) {
    if (auto* editor = windows.existing<TermSettingsWindow>()) return editor->currentSettings();
    // The editor is not loaded: its values would be the file's. A faulty file
    // was told at start-up; asking for the values does not tell it again.
    return termSettingsFile(windows.platform()).readQuietly(readTermSettings).settings;
}

void openTermSettingsEditor(WindowRegistry& windows) {
    windows.open<TermSettingsWindow>();
}

} // namespace tovimar
