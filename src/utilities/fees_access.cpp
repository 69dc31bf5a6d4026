// SPDX-License-Identifier: GPL-3.0-or-later
#include "utilities/fees_access.h"

#include "ui/window_registry.h"

namespace tovimar {

FeesModel& feesModel(WindowRegistry& windows) {
    return windows.model<FeesModel>([&windows] {
        const SettingsFile file(windows.platform(), QStringLiteral("tarifs.tvx"),
                                QStringLiteral("Tarifs.tvx"));
        FeeReading reading = file.readQuietly(readFeeSchedule);
        const bool whole = reading.complete;
        return std::make_unique<FeesModel>(file, std::move(reading), whole);
    });
}

} // namespace tovimar
