// SPDX-License-Identifier: GPL-3.0-or-later
#include "biometry/plausible_measures.h"

#include "core/french_number.h"

namespace tovimar {

std::optional<std::string> implausibleMeasureMessage(Measure m, double mm) {
    const double max = plausibleMaximum(m);
    if (mm > 0 && mm <= max) return std::nullopt;
    return std::string(measureCaption(m)) + " : " + formatFrenchNumber(mm) +
           " mm n'est pas une mesure possible chez un foetus (plus de 0 et au plus " +
           formatFrenchNumber(max) + " mm). Le calcul qui en dépend n'est pas fait.";
}

} // namespace tovimar
