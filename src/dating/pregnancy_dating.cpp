// SPDX-License-Identifier: GPL-3.0-or-later
#include "dating/pregnancy_dating.h"

#include "core/french_number.h"

namespace tovimar {
namespace {

int floorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

std::string weeksDaysText(int weeks, int rest) {
    return formatFrenchNumber(weeks + rest / 10.0);
}

std::string GestationalAge::text() const {
    return weeksDaysText(weeks, rest);
}

VbDate DEBUT_DEPUIS_DDR(VbDate lmp) {
    return lmp.plusDays(14);
}

VbDate TERME_DEPUIS_DEBUT(VbDate start) {
    return start.plusMonths(9);
}

GestationalAge AGE_DEPUIS_DEBUT(VbDate start, VbDate date) {
    GestationalAge age;
    age.days = date - start;
    const int whole = floorDiv(age.days, 7);
    age.rest = age.days - 7 * whole;
    age.weeks = whole + 2;
    return age;
}

int SA_ARRONDIE(VbDate start, VbDate date) {
    const GestationalAge age = AGE_DEPUIS_DEBUT(start, date);
    return age.rest <= 3 ? age.weeks : age.weeks + 1;
}

std::string MOIS_JOURS(VbDate start, VbDate date) {
    const YearMonthDay s = start.ymd(), d = date.ymd();
    const int months = (d.year - s.year) * 12 + (d.month - s.month);
    const int days = d.day - s.day;
    return std::to_string(months) + " mois, " + std::to_string(days) + " jours";
}

VbDate DATE_POUR_SA(VbDate start, int weeks) {
    return start.plusDays((weeks - 2) * 7);
}

VbDate DATE_100_POURCENT(VbDate start) {
    return start.plusMonths(5);
}

} // namespace tovimar
