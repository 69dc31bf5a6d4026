// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dating a pregnancy from its start (the presumed day of conception). The
// LMP lies 14 days before the start, so the start is at 2 weeks of
// amenorrhoea (SA); every age here is counted in SA.

#include <string>

#include "core/vb_date.h"

namespace tovimar {

struct GestationalAge {
    int days = 0;  // days from the start of pregnancy to the date (negative before it)
    int weeks = 0; // whole weeks of amenorrhoea: floor(days / 7) + 2
    int rest = 0;  // remaining days, 0 to 6

    // w + d/10 with a decimal comma: "12,3", "12", "-0,9".
    std::string text() const;
};

// Weeks and days written as one number w + d/10 with a comma (79 days -> "11,2").
std::string weeksDaysText(int weeks, int rest);

VbDate DEBUT_DEPUIS_DDR(VbDate lmp);
VbDate TERME_DEPUIS_DEBUT(VbDate start);
GestationalAge AGE_DEPUIS_DEBUT(VbDate start, VbDate date);
int SA_ARRONDIE(VbDate start, VbDate date);
std::string MOIS_JOURS(VbDate start, VbDate date);
VbDate DATE_POUR_SA(VbDate start, int weeks);
VbDate DATE_100_POURCENT(VbDate start);

} // namespace tovimar
