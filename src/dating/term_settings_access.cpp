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
    return windows.get<TermSettingsWindow>().currentSettings();
}

void openTermSettingsEditor(WindowRegistry& windows) {
    windows.open<TermSettingsWindow>();
}

} // namespace tovimar
