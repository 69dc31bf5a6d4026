// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Threatened preterm labour: the age of the pregnancy today with the mean
// fetal weight of its week, and the risk of preterm delivery read from a
// fixed table by previous preterm delivery, parity, the fetal fibronectin
// test, the cervical length and the gestational age.

#include <optional>
#include <string>
#include <string_view>

#include "core/vb_date.h"

namespace tovimar {

struct PretermAge {
    double sa = 0;      // weeks of amenorrhoea + days / 10 (22.5 is 22 weeks and 5 days)
    std::string saText; // "22,5", the hidden field that holds the age
    std::string lblSA;  // "22,5  Semaines d'amenorrhée"
    std::string lblPds; // "567g", empty outside weeks 16 to 41
};

// The age on `today` of a pregnancy started on `start`. nullopt when the date
// lies so far away that its week number leaves the range of a 16-bit count:
// such a date is refused rather than shown as an absurd age.
std::optional<PretermAge> AGE_POIDS_MAP(VbDate start, VbDate today);

// Mean fetal weight of the week of amenorrhoea ("478g"), empty outside 16 to 41.
std::string_view POIDS_FOETAL_MOYEN(int week);

enum class Parity { Unanswered, Nullipara, Multipara };
enum class Fibronectin { Unanswered, Positive, Negative };

struct PretermAnswers {
    bool previousPreterm = false;
    Parity parity = Parity::Unanswered;                // not used after a previous preterm delivery
    Fibronectin fibronectin = Fibronectin::Unanswered; // only "positive" counts as positive
    std::string cervixText;                            // the cervical length as typed, in mm
    std::optional<double> sa;                          // the derived age; none before a date
};

struct PretermRisk {
    std::string message; // the message box to show instead of a result, if any
    std::string result;  // "8,3%"; empty when no row or column of the table applies
};

// "Go": the risk of preterm delivery in percent.
PretermRisk RISQUE_MAP(const PretermAnswers& answers);

} // namespace tovimar
