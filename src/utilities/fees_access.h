// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practitioner's fees in force: tarifs.tvx is read here only, once, into
// the model the fees window shows and saves through.

#include "ui/settings_model.h"
#include "utilities/fee_schedule.h"

namespace tovimar {

class WindowRegistry;

using FeesModel = SettingsModel<FeeReading>;

// The program's fees, read from tarifs.tvx the first time they are asked
// for, without a word (the fees window tells a faulty file when it opens).
FeesModel& feesModel(WindowRegistry& windows);

} // namespace tovimar
