// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/ultrasound_signs.h"

#include "core/french_number.h"
#include "t21/risk_model.h"

namespace tovimar {

// Nasal bones present (factor 1/3.7) or absent (146) at the first-trimester
// scan: Cicero et al., Lancet 2001;358:1665-7. A normal second-trimester scan
// (1/2.78) and the isolated signs: Nyberg et al., J Ultrasound Med 2001;20:1053-63.
const std::array<UltrasoundSign, kSignCount> kUltrasoundSigns{{
    {"OPN présents au 1er trimestre", 3.7, true,
     "OPN présents au 1er trimestre, diminue le risque par 3,7",
     "Selon CICERO, The Lancet 17/11/01"},
    {"Echo morpho du 2ème Ter normale", 2.78, true,
     "Echo Morpho Normale. Diminue le risque par 2,78", " "},
    {"Fémur court", 1.5, false, "Fémur court, risque multiplié par 1,5",
     " Nyberg JUM, 20:1053-1063' 2001"},
    {"Anses hyperéchogènes", 6.7, false, "Anses hyperéchogènes, risque multiplié par 6,7",
     " Nyberg JUM, 20:1053-1063' 2001"},
    {"Foyer hyperéchogène intra-cardiaque", 1.8, false,
     "Foyer hyperéchogènique intra-cardiaque à T2, multiplie le risque par 1,8",
     " Nyberg JUM, 20:1053-1063' 2001"},
    {"Humérus court", 5.1, false, "Humérus court, risque multiplié par 5,1",
     " Nyberg JUM, 20:1053-1063' 2001"},
    {"Absence des OPN au 1er trimestre", 146, false,
     "Absence des OPN à T1, risque multiplié par 146", " CICERO, The Lancet 17/11/01"},
    {"Pyelectasie", 1.5, false, "Pyelectasie, risque multiplié par 1,5",
     " Nyberg JUM, 20:1053-1063' 2001"},
}};

double signFactor(std::size_t index, bool ticked) {
    if (index >= kSignCount || !ticked) return 1;
    return kUltrasoundSigns[index].factor;
}

SignFactors signFactors(const std::array<bool, kSignCount>& ticked) {
    SignFactors factors = kNoSignTicked;
    for (std::size_t i = 0; i < kSignCount; ++i)
        factors[i] = signFactor(i, ticked[i]);
    return factors;
}

double markerCoefficient(const SignFactors& f) {
    // The signs that raise the risk multiply, then the reassuring ones divide.
    // Nothing stops the nasal bones from being ticked both present and absent:
    // then both apply.
    double coefficient = 1;
    for (std::size_t i = 0; i < kSignCount; ++i)
        if (!kUltrasoundSigns[i].divides) coefficient *= f[i];
    for (std::size_t i = 0; i < kSignCount; ++i)
        if (kUltrasoundSigns[i].divides) coefficient /= f[i];
    return coefficient;
}

std::optional<std::string> coefficientText(double coefficient) {
    if (coefficient == 1) return std::nullopt;
    return "Coefficient de risque = " + t21NumberText(roundHalfEven(coefficient, 2));
}

std::optional<std::string> signExplanation(std::size_t index) {
    if (index >= kSignCount) return std::nullopt;
    return std::string(kUltrasoundSigns[index].explanation) + "\r\n" +
           kUltrasoundSigns[index].source;
}

} // namespace tovimar
