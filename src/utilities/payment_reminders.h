// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reminders of the social-charge payments due on the 15th: the secretary's
// quarterly charges (January, April, July, October) and the URSSAF
// contributions (February, May, August, November). A warning is given on the
// 10th, the 13th and the 15th of those months, whatever the day of the week.

#include <optional>
#include <string>

#include "core/vb_date.h"

namespace tovimar {

// The warning for today, or nothing: its first line, an empty line, then its
// second line, the lines separated by CR LF.
std::optional<std::string> RAPPEL_ECHEANCES(VbDate today);

} // namespace tovimar
