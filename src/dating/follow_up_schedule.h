// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The French follow-up of a pregnancy, from its start (conception, 2 SA).

#include <array>
#include <string>

#include "core/vb_date.h"

namespace tovimar {

struct DateWindow {
    VbDate first;
    VbDate last;
    // "first --> last"
    std::string text() const;
};

// From the a-th to the b-th day of amenorrhoea (the LMP being day 0, the
// start of pregnancy day 14).
DateWindow FENETRE_AMENORRHEE(VbDate start, int firstDay, int lastDay);

// "entre le <start + a> et le <start + b>", a and b in days after the start.
std::string CONSULTATION_ANESTHESIE(VbDate start, int firstDay, int lastDay);

// The six compulsory examinations, months 4 to 9, in calendar months from the start.
std::array<DateWindow, 6> EXAMENS_OBLIGATOIRES(VbDate start);

// The ultrasounds at 22 and 32 weeks of amenorrhoea.
std::array<VbDate, 2> ECHOGRAPHIES_RECOMMANDEES(VbDate start);

struct LeaveStarts {
    VbDate prenatal;
    VbDate pathological;
};

// Maternity leave: twins first, then triplets, then by the number of children.
LeaveStarts DEBUTS_CONGE(VbDate term, bool twins, bool triplets, long long children);

} // namespace tovimar
