// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/todays_examination.h"

#include <memory>

#include "ui/window_registry.h"

namespace tovimar {

TodaysExamination& todaysExamination(WindowRegistry& windows) {
    return windows.consultationModel<TodaysExamination>(
        [] { return std::make_unique<TodaysExamination>(); });
}

} // namespace tovimar
