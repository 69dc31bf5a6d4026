// SPDX-License-Identifier: GPL-3.0-or-later
#include "t21/screening_conduct.h"

#include "core/french_number.h"

namespace tovimar {

std::optional<ConductRisk> conductRisk(const T21Screen& screen, ScreeningStrategy strategy) {
    const T21RiskState& st = screen.state;
    const T21Slots& s = screen.results;
    auto whole = [](double n, bool lab) -> std::optional<ConductRisk> {
        return ConductRisk{roundHalfEven(n), lab};
    };
    if (st.labCombinedN) return whole(*st.labCombinedN, true);
    if (strategy == ScreeningStrategy::SingleThreshold) {
        if (s.afterMorphologyScanN.empty()) return std::nullopt;
        return whole(st.afterScanRounded, false);
    }
    if (!s.integratedAtTesting.empty()) return whole(st.integratedN, false);
    if (!s.serumAtTesting.empty() && st.serumN) return whole(*st.serumN, false);
    if (!s.nuchalAtScan.empty()) return whole(st.ntAtGaN, false);
    return std::nullopt;
}

std::optional<ConductBand> conductBand(std::optional<double> n, std::optional<double> nuchalMm,
                                       ScreeningStrategy strategy, long long threshold) {
    if (strategy == ScreeningStrategy::SingleThreshold) {
        if (!n) return std::nullopt;
        return *n <= double(threshold) ? ConductBand::AboveThreshold : ConductBand::BelowThreshold;
    }
    if (nuchalMm && *nuchalMm >= ConductLimits::kNuchalMm) return ConductBand::NuchalKaryotype;
    if (!n) return std::nullopt;
    if (*n <= ConductLimits::kKaryotypeN) return ConductBand::Karyotype;
    if (*n <= ConductLimits::kCellFreeDnaN) return ConductBand::CellFreeDna;
    return ConductBand::NoFurtherTest;
}

std::string conductSentence(ConductBand band, long long threshold) {
    const std::string t = std::to_string(threshold);
    switch (band) {
    case ConductBand::Karyotype:
        return "Risque de 1/50 ou plus : caryotype fœtal proposé d'emblée, DPNI possible si la "
               "patiente le préfère";
    case ConductBand::NuchalKaryotype:
        return "Clarté nucale de 3,5 mm ou plus : caryotype fœtal proposé quel que soit le "
               "risque";
    case ConductBand::CellFreeDna:
        return "Risque entre 1/51 et 1/1000 : DPNI proposé (ADN fœtal libre circulant)";
    case ConductBand::NoFurtherTest:
        return "Risque inférieur à 1/1000 : pas d'examen complémentaire";
    case ConductBand::AboveThreshold:
        return "Risque de 1/" + t + " ou plus : amniocentèse conseillée";
    case ConductBand::BelowThreshold:
        return "Risque inférieur à 1/" + t + " : risque faible";
    }
    return {};
}

std::string conductParagraph(ConductBand band) {
    switch (band) {
    case ConductBand::Karyotype:
        return "Ce risque est de 1/50 ou plus : il est considéré comme élevé, mais cela ne veut "
               "pas dire que votre enfant est atteint de trisomie 21. Pour le savoir avec "
               "certitude, il vous est proposé d'étudier les chromosomes de l'enfant (caryotype "
               "fœtal) sur un prélèvement, fait dès maintenant : biopsie du placenta "
               "(trophoblaste) "
               "ou amniocentèse. Ce prélèvement comporte un petit risque de fausse couche. Si "
               "vous le préférez, une simple prise de sang chez vous peut être faite d'abord : "
               "le dépistage prénatal non invasif (DPNI), qui analyse l'ADN de l'enfant présent "
               "dans votre sang. S'il est positif, un prélèvement reste nécessaire pour en être "
               "sûr. La décision vous appartient ; nous pouvons en parler ensemble.";
    case ConductBand::NuchalKaryotype:
        return "La clarté nucale (l'épaisseur mesurée à l'échographie derrière la nuque de "
               "l'enfant) est de 3,5 mm ou plus. Quel que soit le risque calculé, il vous est "
               "proposé d'étudier les chromosomes de l'enfant (caryotype fœtal) sur un "
               "prélèvement : biopsie du placenta (trophoblaste) ou amniocentèse, ainsi qu'une "
               "échographie détaillée. Ce prélèvement comporte un petit risque de fausse couche. "
               "La décision vous appartient ; nous pouvons en parler ensemble.";
    case ConductBand::CellFreeDna:
        return "Ce risque est compris entre 1/51 et 1/1000 : il est dit intermédiaire. Il vous "
               "est proposé une prise de sang, le dépistage prénatal non invasif (DPNI), qui "
               "analyse l'ADN de l'enfant présent dans votre sang. Cet examen est sans danger "
               "pour la grossesse. S'il est négatif, aucun autre examen n'est proposé pour la "
               "trisomie 21. S'il est positif, un prélèvement (biopsie du placenta ou "
               "amniocentèse) vous sera proposé pour en être sûr, en étudiant les chromosomes "
               "de l'enfant. Vous êtes libre d'accepter ou non cet examen.";
    case ConductBand::NoFurtherTest:
        return "Ce risque est inférieur à 1/1000 : il est considéré comme faible et aucun autre "
               "examen n'est proposé pour la trisomie 21. Un risque faible n'est pas une "
               "certitude : le suivi habituel de votre grossesse et ses échographies continuent.";
    case ConductBand::AboveThreshold:
    case ConductBand::BelowThreshold:
        return {};
    }
    return {};
}

ConductColours conductColours(ConductBand band) {
    constexpr std::uint32_t white = 0xFFFFFF, darkRed = 0xC00000, darkBlue = 0x000040;
    switch (band) {
    case ConductBand::Karyotype:
    case ConductBand::NuchalKaryotype:
    case ConductBand::AboveThreshold:
        return {white, darkRed};
    case ConductBand::CellFreeDna:
        return {darkBlue, 0xFFE0A0};
    case ConductBand::NoFurtherTest:
    case ConductBand::BelowThreshold:
        return {darkBlue, 0xD8F0D8};
    }
    return {darkBlue, 0xE0E0E0};
}

} // namespace tovimar
