// SPDX-License-Identifier: GPL-3.0-or-later
#include "fertility/ovarian_response_score.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/french_number.h"

namespace tovimar {
namespace {

std::optional<double> roundedQuotient(double numerator, double denominator, int decimals) {
    if (denominator == 0.0) return std::nullopt;
    const double q = numerator / denominator;
    if (!std::isfinite(q)) return std::nullopt;
    const double rounded = roundHalfEven(q, decimals);
    if (!std::isfinite(rounded)) return std::nullopt;
    return rounded;
}

int agePoints(double age) {
    const double years = std::trunc(age);
    if (years < 28) return -1;
    if (years <= 35) return 0;
    if (years <= 38) return 1;
    return 2;
}

int bmiPoints(double bmi) {
    return bmi < 25.9 ? 0 : 1;
}

int fshPoints(double fsh) {
    if (fsh < 7.6) return 0;
    if (fsh < 9) return 1;
    return 2;
}

int lhFshPoints(double ratio) {
    if (ratio < 0.38) return 1;
    if (ratio < 1.4) return 0;
    return -1;
}

struct VerdictRow {
    const char* responseClass;
    const char* advice;
    bool agonist;
    bool antagonist;
    const char* agonistDose;
    const char* antagonistDose; // nullptr: the label is left as it is
};

constexpr const char* kNormal = "Normo répondeuse";
constexpr const char* kHypo = "Hypo répondeuse";
constexpr const char* kEither = " Agonistes ou Antagonistes au choix";
constexpr const char* kPreferAntagonist = " Préfèrer protocole  Antagoniste";
constexpr const char* kAntagonistOestrogen = " Préfèrer Antagonistes, oestrogénothérapie préalable";

// Rows for the totals below 0, then 0 to 6.
constexpr std::array<VerdictRow, 8> kVerdicts{{
    {"Hyper répondeuse", " Aucune experience des Antagonistes, Plutôt Agonistes si LH élevée", true,
     false, "Démarrer avec 100 UI de FSHr", nullptr},
    {kNormal, kEither, true, true, "Démarrer avec 150 UI de FSHr",
     "Démarrer à J2 avec 150 UI de FSHr"},
    {kNormal, kEither, true, true, "Démarrer avec 200 UI de FSHr",
     "Démarrer à J2 avec 200 UI de FSHr"},
    {"Normo répondeuse limite mauvaise répondeuse", kEither, true, true,
     "Démarrer avec 300 UI de FSHr", "Démarrer à J2 avec 250 UI de FSHr"},
    {kHypo, kPreferAntagonist, true, true, "Démarrer avec 300 UI de FSHr",
     "Démarrer à J2 avec 300 UI de FSHr"},
    {kHypo, kPreferAntagonist, true, true, "Démarrer avec 450 UI de FSHr",
     "Démarrer à J2 avec 300 UI de FSHr"},
    {kHypo, kAntagonistOestrogen, false, true, "Démarrer avec 450 UI de FSHr",
     "Démarrer à J2 avec 300 UI de FSHr"},
    {kHypo, kAntagonistOestrogen, false, true, "Démarrer avec 450 UI de FSHr",
     "Démarrer à J2 avec 300 UI de FSHr"},
}};

} // namespace

std::string limitRefusal(const FertilityLimit& limit, double value) {
    // A NaN fails both comparisons and is refused too.
    if (value >= limit.minimum && value <= limit.maximum) return {};
    return std::string(limit.field) + " doit être " + limit.included + " entre " +
           formatFrenchNumber(limit.minimum) + " et " + formatFrenchNumber(limit.maximum) + " " +
           limit.unit + ".";
}

std::string bmiRefusal(double weightKg, double heightCm) {
    const std::string weight = limitRefusal(kFertilityWeightLimit, weightKg);
    return weight.empty() ? limitRefusal(kFertilityHeightLimit, heightCm) : weight;
}

std::optional<double> IMC(double weightKg, double heightCm) {
    if (!bmiRefusal(weightKg, heightCm).empty()) return std::nullopt;
    const double metres = heightCm / 100.0;
    return roundedQuotient(weightKg, metres * metres, 1);
}

std::optional<double> RAPPORT_LH_FSH(double lh, double fsh) {
    return roundedQuotient(lh, fsh, 2);
}

OvarianResponseVerdict SCORE_RO(double age, double bmi, double lhFsh, double fsh) {
    OvarianResponseVerdict v;
    v.points = {agePoints(age), bmiPoints(bmi), fshPoints(fsh), lhFshPoints(lhFsh)};
    v.total = v.points.age + v.points.bmi + v.points.fsh + v.points.lhFsh;
    // The points bound the total to -2..6; row 0 holds every total below 0.
    const VerdictRow& row = kVerdicts[v.total < 0 ? 0 : v.total + 1];
    v.responseClass = row.responseClass;
    v.advice = row.advice;
    v.agonistPanelShown = row.agonist;
    v.antagonistPanelShown = row.antagonist;
    v.agonistDose = row.agonistDose;
    if (row.antagonistDose) v.antagonistDose = row.antagonistDose;
    return v;
}

} // namespace tovimar
