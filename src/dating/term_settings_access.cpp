// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/term_settings_access.h"

#include "dating/term_settings_window.h"
#include "ui/window_registry.h"

namespace tovimar {

TermSettingsModel& termSettingsModel(WindowRegistry& windows) {
    return windows.model<TermSettingsModel>([&windows] {
        // Told to the user as "Term.tvx" when it is missing or not whole.
        const SettingsFile file(windows.platform(), QStringLiteral("term.tvx"),
                                QStringLiteral("Term.tvx"));
        const TermSettingsReading reading = file.readQuietly(readTermSettings);
        return std::make_unique<TermSettingsModel>(file, reading.settings, reading.complete);
    });
}

TermSettings currentTermSettings(WindowRegistry& windows) {
    return termSettingsModel(windows).current();
}

} // namespace tovimar
