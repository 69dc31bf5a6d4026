// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The embryo transfer score (CHU de La Grave, Pr J. Parrinaud): three
// criterion scores of 1 to 3 (age, ovarian response, embryo quality) add up to
// a transfer score of 3 to 9, which gives the number of embryos to transfer.

#include <optional>
#include <string>

#include "core/vb_date.h"

namespace tovimar {

// The embryo options, named after the best embryo of the cohort.
enum class EmbryoQuality {
    AtLeastOneScore4, // Opt4
    AtLeastOneScore3, // Opt3
    NoScore4Nor3,     // Opt1
};

struct CriterionScore {
    int score = 0;       // 1 to 3
    std::string verdict; // as each criterion spells it
};

// Below 31 years: 3; 31 to 36 inclusive: 2; above 36: 1 (36,5 scores 1).
CriterionScore transferAgeScore(double age);

// E2 divided by the FSH units taken as a whole number (halves to even), the
// quotient rounded to 2 decimals (halves to even). Nothing when the units
// round to 0 or the quotient is not finite.
std::optional<double> ovarianResponseRatio(double e2, double fshUnits);
// Above 1,12: 3; 0,47 to 1,12 inclusive: 2; below 0,47: 1.
CriterionScore ovarianResponseScore(double ratio);

CriterionScore embryoQualityScore(EmbryoQuality quality);

struct TransferPolicy {
    int embryos = 0;     // LblNbrE: 4, 3 or 2
    std::string verdict; // Label12
};
// 5 or less: 4 embryos; 6: 3; 7 or more: 2.
TransferPolicy transferPolicy(int transferScore);

struct TransferScore {
    CriterionScore age;
    CriterionScore response;
    CriterionScore embryo;
    int total = 0;
    TransferPolicy policy;
};

// Nothing when the ovarian response ratio is undefined (see above).
std::optional<TransferScore> SCORE_TRANSFERT(double age, double e2, double fshUnits,
                                             EmbryoQuality quality);

// The age from a date of birth: calendar years between the two dates, the day
// and month of birth playing no part (born 31/12/1975, 35 on 01/01/2010).
int transferAgeFromBirth(VbDate birth, VbDate today);

// The method, as the "A propos" window shows it; lines end with CR LF, the
// last one has none.
std::string transferMethodText();

} // namespace tovimar
