// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/practice_options_access.h"

#include "ui/window_registry.h"
#include "utilities/practice_options_window.h"

namespace tovimar {

PracticeOptionsModel& practiceOptionsModel(WindowRegistry& windows) {
    return windows.model<PracticeOptionsModel>([&windows] {
        const SettingsFile file(windows.platform(), QStringLiteral("options.tvx"),
                                QStringLiteral("Options.tvx"));
        const PracticeOptionsReading reading = file.readQuietly(readPracticeOptions);
        return std::make_unique<PracticeOptionsModel>(file, reading.options, reading.complete);
    });
}

PracticeOptions currentPracticeOptions(WindowRegistry& windows) {
    PracticeOptionsModel& model = practiceOptionsModel(windows);
    if (!model.editing()) model.tellIfNotWhole();
    return model.current();
}

ScreeningStrategy currentScreeningStrategy(WindowRegistry& windows) {
    return practiceOptionsModel(windows).current().strategy;
}

} // namespace tovimar
