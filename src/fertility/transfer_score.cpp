// SPDX-License-Identifier: GPL-3.0-or-later
#include "fertility/transfer_score.h"

#include <cmath>
#include <iterator>

#include "core/french_number.h"

namespace tovimar {

CriterionScore transferAgeScore(double age) {
    if (age < 31) return {3, "Bon score"};
    if (age <= 36) return {2, "Score moyen"};
    return {1, "Mauvais score"};
}

std::optional<double> ovarianResponseRatio(double e2, double fshUnits) {
    const double units = roundHalfEven(fshUnits, 0);
    if (units == 0.0 || !std::isfinite(units)) return std::nullopt;
    const double ratio = roundHalfEven(e2 / units, 2);
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

CriterionScore ovarianResponseScore(double ratio) {
    if (ratio > 1.12) return {3, "Bon Score"};
    if (ratio >= 0.47) return {2, "Score Moyen"};
    return {1, "Mauvais score"};
}

CriterionScore embryoQualityScore(EmbryoQuality quality) {
    switch (quality) {
    case EmbryoQuality::AtLeastOneScore4:
        return {3, "Bon score"};
    case EmbryoQuality::AtLeastOneScore3:
        return {2, "Score moyen"};
    case EmbryoQuality::NoScore4Nor3:
        break;
    }
    return {1, "Mauvais Score"};
}

TransferPolicy transferPolicy(int transferScore) {
    if (transferScore <= 5) return {4, " Mauvais score"};
    if (transferScore == 6) return {3, "Score moyen"};
    return {2, "Bon score"};
}

std::optional<TransferScore> SCORE_TRANSFERT(double age, double e2, double fshUnits,
                                             EmbryoQuality quality) {
    const std::optional<double> ratio = ovarianResponseRatio(e2, fshUnits);
    if (!ratio) return std::nullopt;
    TransferScore s;
    s.age = transferAgeScore(age);
    s.response = ovarianResponseScore(*ratio);
    s.embryo = embryoQualityScore(quality);
    s.total = s.age.score + s.response.score + s.embryo.score;
    s.policy = transferPolicy(s.total);
    return s;
}

int transferAgeFromBirth(VbDate birth, VbDate today) {
    return today.year() - birth.year();
}

std::string transferMethodText() {
    static const char* const kLines[] = {
        "              METHODE DE CALCUL DU SCORE DE TRANSFERT",
        "",
        " SCORE DE TRANSFERT = Score âge + Score réponse ovarienne + Score embryonnaire",
        "",
        "SCORE AGE : ",
        "  - < 31 ans = 3",
        "  - 31 à 36 ans = 2",
        "  - > 36 ans = 1",
        "",
        "SCORE REPONSE OVARIENNE : ( E2 / n unités de FSHr)",
        "  - < 0,47 = 1",
        "  - 0,47 à 1,12 = 2",
        "  - > 1,12 = 3",
        "",
        "SCORE EMBRYONNAIRE :",
        "  - Au moins 1 E. de score 4 : = 3",
        "  - Au moins 1 E. de score 3 : = 2",
        "  - Aucun E. de score 3 ou 4 : = 1",
        "",
        "",
        "POLITIQUE DE TRANSFERT FONCTION DU SCORE",
        "",
        "      Score de Transfert < 6 : Transfert de 4 Embryons.",
        "      Score de Transfert = 6 : Transfert de 3 Embryons.",
        "      Score de Transfert > 6 : Transfert de 2 Embryons.",
    };
    std::string text;
    for (std::size_t i = 0; i < std::size(kLines); ++i) {
        if (i > 0) text += "\r\n";
        text += kLines[i];
    }
    return text;
}

} // namespace tovimar
