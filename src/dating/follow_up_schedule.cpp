// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/follow_up_schedule.h"

namespace tovimar {

std::string DateWindow::text() const {
    return first.toText() + " --> " + last.toText();
}

DateWindow FENETRE_AMENORRHEE(VbDate start, int firstDay, int lastDay) {
    return {start.plusDays(firstDay - 14), start.plusDays(lastDay - 14)};
}

std::string CONSULTATION_ANESTHESIE(VbDate start, int firstDay, int lastDay) {
    return "entre le " + start.plusDays(firstDay).toText() + " et le " +
           start.plusDays(lastDay).toText();
}

std::array<DateWindow, 6> EXAMENS_OBLIGATOIRES(VbDate start) {
    auto months = [start](int n) { return start.plusMonths(n); };
    return {{
        {months(3), months(4)},
        {months(4), months(5)},
        {months(5), months(6)},
        {months(6), months(7)},
        {months(7), months(7).plusDays(15)},
        {months(8), months(8).plusDays(15)},
    }};
}

std::array<VbDate, 2> ECHOGRAPHIES_RECOMMANDEES(VbDate start) {
    return {start.plusDays(20 * 7), start.plusDays(30 * 7)};
}

LeaveStarts DEBUTS_CONGE(VbDate term, bool twins, bool triplets, long long children) {
    auto weeksBefore = [term](int weeks) { return term.plusDays(-7 * weeks); };
    if (twins) return {weeksBefore(12), weeksBefore(14)};
    if (triplets) return {weeksBefore(24), weeksBefore(26)};
    if (children > 1) return {weeksBefore(8), weeksBefore(10)};
    return {weeksBefore(6), weeksBefore(8)};
}

} // namespace tovimar
